#include "win/dialog.h"

#include "win/winapp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CUserException, CException)

void AfxThrowUserException() { throw new CUserException; }

// The dialog manager calls this for WM_INITDIALOG once the window exists;
// everything else reaches the dialog through its message map first.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        return pDlg ? pDlg->OnInitDialog() : TRUE;
    }
    return FALSE;
}

BOOL AfxPumpMessage() {
    if (CWinThread* pThread = AfxGetThread()) return pThread->PumpMessage();
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) return FALSE;
    AfxGetThreadState()->m_msgCur = msg;
    if (msg.message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(nullptr, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnIdOk)
    ON_COMMAND(IDCANCEL, OnIdCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    if (hTemplate == nullptr) return FALSE;
    AfxHookWindowCreate(this);
    return CreateDlgIndirect(static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)), pParentWnd, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    m_lpDialogInit = lpDialogInit;
    AfxHookWindowCreate(this);
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    if (lpDialogTemplate == nullptr) {
        AfxUnhookWindowCreate();
        return FALSE;
    }
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;  // OnInitDialog may end the dialog already
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                                             AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate()) PostNcDestroy();
    if (hWnd == nullptr) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        if (m_hWnd) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    // Fill combo and list boxes from the template's initialisation data,
    // then let the dialog manager call OnInitDialog.
    if (m_lpDialogInit)
        ExecuteDlgInit(m_lpDialogInit);
    else if (m_lpszTemplateName)
        ExecuteDlgInit(m_lpszTemplateName);
    return Default();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;  // the dialog manager sets the focus
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

HWND CDialog::PreModal() {
    // The parent, or the window the user is in: the main window's last
    // active popup (a dialog over it).
    return CWnd::GetSafeOwner_(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, nullptr);
}

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATE lpDialogTemplate = m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName != nullptr) {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
        HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
        if (hTemplate) lpDialogTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
    }
    if (lpDialogTemplate == nullptr) return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    CWnd parent(hWndParent);
    AfxHookWindowCreate(this);
    if (CreateDlgIndirect(lpDialogTemplate, hWndParent ? &parent : nullptr, hInst)) {
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG) dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    parent.m_hWnd = nullptr;
    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if ((nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) || !IS_COMMAND_ID(nID) ||
        nID >= 0xF000)
        return FALSE;  // a control's notification, a button or a system command
    if (CWnd* pOwner = GetParent(); pOwner && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    // Keyboard and mouse input get the dialog's navigation (Tab, Enter, Esc).
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}
