#include "win/winapp.h"

#include "afxres.h"
#include "win/afx_strings.h"

#include <process.h>

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

CWinThread* AfxGetThread() {
    CWinThread* p = AfxGetThreadState()->m_pCurrentWinThread;
    return p ? p : g_pApp;
}

CWnd* AfxGetMainWnd() {
    CWinThread* p = AfxGetThread();
    return p ? p->GetMainWnd() : nullptr;
}

// --- CWinThread -------------------------------------------------------------

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
    if (m_hThread) ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_pCurrentWinThread == this) state->m_pCurrentWinThread = nullptr;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam) {
    CWinThread* pThread = static_cast<CWinThread*>(pParam);
    AfxGetThreadState()->m_pCurrentWinThread = pThread;
    UINT nResult;
    if (pThread->m_pfnThreadProc) {
        nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    } else if (pThread->InitInstance()) {
        nResult = static_cast<UINT>(pThread->Run());
    } else {
        // A window InitInstance made is not left behind.
        if (pThread->m_pMainWnd && pThread->m_pMainWnd->m_hWnd) pThread->m_pMainWnd->DestroyWindow();
        nResult = static_cast<UINT>(pThread->ExitInstance());
    }
    AfxEndThread(nResult, TRUE);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
    // Started suspended, so that the handle and identifier are in place
    // before the thread can end (and delete this object).
    unsigned id = 0;
    uintptr_t h = _beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, this, CREATE_SUSPENDED, &id);
    if (h == 0) return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(h);
    m_nThreadID = id;
    if (!(dwCreateFlags & CREATE_SUSPENDED)) ::ResumeThread(m_hThread);
    return TRUE;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        delete pThread;
        return nullptr;
    }
    ::SetThreadPriority(pThread->m_hThread, nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
    return pThread;
}

CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
    ASSERT(pThreadClass != nullptr && pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)));
    if (pThreadClass == nullptr || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread))) return nullptr;
    CWinThread* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
    ASSERT(pThread != nullptr);  // the class must be DECLARE_DYNCREATE
    if (pThread == nullptr) return nullptr;
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        delete pThread;
        return nullptr;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
    return pThread;
}

void AfxEndThread(UINT nExitCode, BOOL bDelete) {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    CWinThread* pThread = state->m_pCurrentWinThread;
    state->m_pCurrentWinThread = nullptr;
    AfxTermThreadMaps();
    if (pThread && bDelete && pThread->m_bAutoDelete && pThread != AfxGetApp()) delete pThread;
    _endthreadex(nExitCode);
    for (;;) {  // not reached: _endthreadex does not return
    }
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
    // Mouse moves that do not move, paints and the caret's timer do not
    // restart idle processing.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;  // WM_SYSTIMER
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg) {
    if (pMsg->message == 0) return FALSE;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), pMsg->message, 0, 0);
    LRESULT lResult = 0;
    return pEntry != nullptr && pEntry->pfn(this, pMsg->message, pMsg->wParam, pMsg->lParam, nullptr, &lResult);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg)) return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd ? pMainWnd->m_hWnd : nullptr, pMsg)) return TRUE;
    // A modeless window outside the main window still gets the main window's accelerators.
    if (pMainWnd && pMainWnd->m_hWnd && pMsg->hwnd) {
        CWnd wnd(pMsg->hwnd);
        CWnd* pTop = wnd.GetTopLevelParent();
        bool outside = pTop == nullptr || pTop->m_hWnd != pMainWnd->m_hWnd;
        wnd.m_hWnd = nullptr;
        if (outside) return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;  // WM_QUIT
    AfxGetThreadState()->m_msgCur = m_msgCur;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        // Let windows update their command user interface (toolbars, bars).
        if (CWnd* pMainWnd = m_pMainWnd; pMainWnd && pMainWnd->m_hWnd && ::IsWindowVisible(pMainWnd->m_hWnd)) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    }
    // Temporary wrappers go unless someone holds them (AfxLockTempMaps).
    if (lCount >= 0 && AfxGetThreadState()->m_nTempMapLock == 0) {
        AfxLockTempMaps();
        AfxUnlockTempMaps();
    }
    return lCount < 1;
}

int CWinThread::Run() {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++)) bIdle = FALSE;
        }
        do {
            if (!PumpMessage()) return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

// --- CWinApp ------------------------------------------------------------------

// The application closes its main window for File > Exit.
// and opens the files of its recent-file list.
BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    g_pApp = this;
    if (lpszAppName) ReplaceString(m_pszAppName, lpszAppName);
    AfxGetThreadState()->m_pCurrentWinThread = this;
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp() {
    DeleteDocTemplates();
    for (LPCTSTR* field : {&m_pszAppName, &m_pszRegistryKey, &m_pszExeName, &m_pszHelpFilePath, &m_pszProfileName})
        ReplaceString(*field, nullptr);
    if (g_pApp == this) g_pApp = nullptr;
    m_hThread = nullptr;  // the process's main thread is not ours to close
}

void CWinApp::ReplaceString(LPCTSTR& field, LPCTSTR value) {
    free(const_cast<char*>(field));
    field = value ? _strdup(value) : nullptr;
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}
int CWinApp::Run() {
    if (m_pMainWnd == nullptr) ::PostQuitMessage(0);  // nothing to run for
    return CWinThread::Run();
}
BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
    // Owned by the window the user is in (a dialog over the main window),
    // with the top-level window disabled meanwhile.
    HWND hWndTop = nullptr;
    HWND hWndOwner = CWnd::GetSafeOwner_(nullptr, &hWndTop);
    int nResult = ::MessageBoxA(hWndOwner, lpszPrompt, AfxGetAppName(), nType);
    if (hWndTop != nullptr) ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(12) /* RT_GROUP_CURSOR */),
                         lpszResourceName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */),
                       lpszResourceName);
}

void CWinApp::DoWaitCursor(int nCode) {
    ASSERT(nCode == 0 || nCode == 1 || nCode == -1);
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0) {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1) m_hcurWaitCursorRestore = hcurPrev;
    } else {
        // The last wait ended (or one ended too many): the cursor from before.
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    if (m_pszHelpFilePath == nullptr || ::GetFileAttributesA(m_pszHelpFilePath) == INVALID_FILE_ATTRIBUTES) {
        TRACE("No help file for command %u.\n", nCmd);
        return;
    }
    CWnd* pMainWnd = AfxGetMainWnd();
    ::WinHelpA(pMainWnd ? pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::OnAppExit() {
    if (CWnd* pMainWnd = AfxGetMainWnd()) pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnHelpIndex() { WinHelp(0, HELP_INDEX); }
void CWinApp::OnHelpFinder() { WinHelp(0, HELP_FINDER); }
void CWinApp::OnHelpUsing() { WinHelp(0, HELP_HELPONHELP); }

// Through the command target's functions, which work without an application.
CWaitCursor::CWaitCursor() { CCmdTarget().BeginWaitCursor(); }
CWaitCursor::~CWaitCursor() { CCmdTarget().EndWaitCursor(); }
void CWaitCursor::Restore() { CCmdTarget().RestoreWaitCursor(); }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    ReplaceString(m_pszRegistryKey, lpszRegistryKey);
    ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, "", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text = AfxFrameworkString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

// --- entry ----------------------------------------------------------------------

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
    AfxSetInstanceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return TRUE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    AfxGetThreadState()->m_pCurrentWinThread = pApp;
    // The executable's name, and the application's name when none was given.
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(hInstance, path, MAX_PATH);
    char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    if (char* dot = strrchr(name, '.')) *dot = '\0';
    if (pApp->m_pszExeName == nullptr) pApp->m_pszExeName = _strdup(name);
    if (pApp->m_pszAppName == nullptr) {
        CString title;
        if (title.LoadString(0xE000))  // the application's title string
            pApp->m_pszAppName = _strdup(title);
        else
            pApp->m_pszAppName = _strdup(name);
    }
    if (pApp->m_pszHelpFilePath == nullptr) {
        // <program folder>\<program>.HLP
        char full[MAX_PATH] = {};
        ::GetModuleFileNameA(hInstance, full, MAX_PATH);
        if (char* dot = strrchr(full, '.'); dot && dot > strrchr(full, '\\')) strcpy(dot, ".HLP");
        pApp->m_pszHelpFilePath = _strdup(full);
    }
    if (pApp->m_pszProfileName == nullptr) {
        CString ini = CString(pApp->m_pszExeName) + ".INI";
        pApp->m_pszProfileName = _strdup(ini);
    }
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication()) {
        if (!pApp->InitInstance()) {
            if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd) pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

void AfxWinTerm() { AfxDeleteTempMaps(); }
