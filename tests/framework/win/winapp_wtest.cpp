// The application object's profile functions, in the registry and in an INI
// file, and resources found through the extension-module chain; the message
// loop with idle processing and its exit code, user-interface threads with
// thread message maps, temporary-wrapper locks, wait cursors and reference
// counts.
#include "win/afxwin.h"

#include "support/assert_capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

RawValue ReadRaw(LPCTSTR subkey, LPCTSTR name) {
    RawValue v;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        ::RegQueryValueExA(key, name, nullptr, &v.type, v.data.data(), &size);
    }
    ::RegCloseKey(key);
    return v;
}

bool KeyExists(LPCTSTR subkey) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

}  // namespace

TEST(CWinAppProfile, RegistryValuesHaveTheFrameworksTypesAndLayout) {
    CWinApp app("KXProfileTest");
    app.SetRegistryKey("KX Tests");
    const char* section = "Software\\KX Tests\\KXProfileTest\\Settings";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, section);

    EXPECT_EQ(app.GetProfileString("Settings", "Name", "none"), "none");
    ASSERT_TRUE(app.WriteProfileInt("Settings", "Count", -42));
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", "Flat"));
    BYTE bytes[] = {0x00, 0x7F, 0xA5, 0xFF};
    ASSERT_TRUE(app.WriteProfileBinary("Settings", "Blob", bytes, sizeof bytes));

    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Count", 0)), -42);
    EXPECT_EQ(app.GetProfileString("Settings", "Name"), "Flat");
    LPBYTE data = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &data, &n));
    ASSERT_EQ(n, sizeof bytes);
    EXPECT_EQ(0, memcmp(data, bytes, n));
    delete[] data;

    EXPECT_EQ(ReadRaw(section, "Count").type, DWORD(REG_DWORD));
    EXPECT_EQ(ReadRaw(section, "Count").data.size(), 4u);
    EXPECT_EQ(ReadRaw(section, "Name").type, DWORD(REG_SZ));
    EXPECT_EQ(ReadRaw(section, "Blob").type, DWORD(REG_BINARY));

    // A text value is not an integer, and a missing value reads as the default.
    EXPECT_EQ(app.GetProfileInt("Settings", "Name", 9), 9u);
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_EQ(ReadRaw(section, "Name").type, 0u);
    ASSERT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_FALSE(KeyExists(section));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXProfileTest");
}

TEST(CWinAppProfile, IniFileHoldsTextAndBinaryAsLetters) {
    CWinApp app("KXIniTest");
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    CString ini = CString(dir) + "kx_profile_test.ini";
    ::DeleteFileA(ini);
    free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = _strdup(ini);

    ASSERT_TRUE(app.WriteProfileInt("Window", "Left", 120));
    ASSERT_TRUE(app.WriteProfileString("Window", "Title", "Main"));
    BYTE bytes[] = {0x12, 0xF0};
    ASSERT_TRUE(app.WriteProfileBinary("Window", "State", bytes, sizeof bytes));

    char raw[64];
    ::GetPrivateProfileStringA("Window", "State", "", raw, sizeof raw, ini);
    EXPECT_STREQ(raw, "CBAP");  // low nibble first, 'A' + nibble
    EXPECT_EQ(app.GetProfileInt("Window", "Left", 0), 120u);
    EXPECT_EQ(app.GetProfileString("Window", "Title"), "Main");
    LPBYTE data = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary("Window", "State", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), std::vector<BYTE>(bytes, bytes + 2));
    delete[] data;

    // Hand-written text decodes pair by pair (an odd last letter is dropped);
    // text without a single pair hands out nothing.
    ::WritePrivateProfileStringA("Window", "Odd", "ABZ", ini);
    ASSERT_TRUE(app.GetProfileBinary("Window", "Odd", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), std::vector<BYTE>{0x10});
    delete[] data;
    ::WritePrivateProfileStringA("Window", "One", "Z", ini);
    EXPECT_FALSE(app.GetProfileBinary("Window", "One", &data, &n));
    EXPECT_EQ(data, nullptr);

    // A block beyond the API's usual 4096-character buffer comes back whole.
    std::vector<BYTE> large(5000);
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<BYTE>(i);
    ASSERT_TRUE(app.WriteProfileBinary("Window", "Large", large.data(), static_cast<UINT>(large.size())));
    ASSERT_TRUE(app.GetProfileBinary("Window", "Large", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), large);
    delete[] data;
    ::DeleteFileA(ini);
}

TEST(ResourceChain, ExtensionModulesAreSearchedAfterTheApplication) {
    const UINT id = 4242;
    CString s;
    EXPECT_FALSE(s.LoadString(id));
    HMODULE hMod = ::LoadLibraryA("kxtest_res.dll");
    ASSERT_NE(hMod, nullptr);
    AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, hMod));
    {
        CDynLinkLibrary library(module);
        EXPECT_EQ(AfxGetFirstDynLinkLibrary(), &library);
        ASSERT_TRUE(s.LoadString(id));
        EXPECT_EQ(CString(MAKEINTRESOURCEA(id)), "Found in the extension module");
        EXPECT_EQ(AfxFindStringResourceHandle(id), hMod);
    }
    EXPECT_EQ(AfxGetFirstDynLinkLibrary(), nullptr);
    EXPECT_FALSE(s.LoadString(id));
    AfxTermExtensionModule(module);
    ::FreeLibrary(hMod);
}

namespace winapp_test {
class CModuleClass : public CObject {
    DECLARE_SERIAL(CModuleClass)
};
IMPLEMENT_SERIAL(CModuleClass, CObject, 1)
}  // namespace winapp_test

TEST(ResourceChain, AModulesClassesLiveInItsOwnRecord) {
    // The test program stands in for an extension module: its classes leave
    // the application's list and are found while its library is in the chain.
    ASSERT_EQ(CRuntimeClass::FromName("CModuleClass"), RUNTIME_CLASS(winapp_test::CModuleClass));
    AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, ::GetModuleHandleA(nullptr)));
    EXPECT_EQ(module.pFirstSharedClass, RUNTIME_CLASS(winapp_test::CModuleClass));
    EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), nullptr);
    EXPECT_NE(CRuntimeClass::FromName("CStringArray"), nullptr);  // the framework's own stay
    {
        CDynLinkLibrary library(module);
        EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), RUNTIME_CLASS(winapp_test::CModuleClass));
        CObject* made = CRuntimeClass::CreateObject("CModuleClass");
        ASSERT_NE(made, nullptr);
        delete made;
    }
    EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), nullptr);
    AfxTermExtensionModule(module);
}

// --- the message loop, threads and the application's other services -----------

namespace winapp_loop_test {

std::vector<LONG> g_idleCounts;

// Idle processing counts up until it says it has no more to do; the first
// time it runs dry it posts the window a message that quits with code 7.
class CLoopApp : public CWinApp {
public:
    CLoopApp() : CWinApp("KXLoopTest") {}
    BOOL OnIdle(LONG lCount) override {
        g_idleCounts.push_back(lCount);
        CWinApp::OnIdle(lCount);
        if (lCount < 2) return TRUE;
        if (!m_bPosted && m_pMainWnd) m_pMainWnd->PostMessage(WM_APP);
        m_bPosted = true;
        return FALSE;
    }
    bool m_bPosted = false;
};

class CQuitWnd : public CWnd {
public:
    int m_nExitCode = 0;
    LRESULT OnApp(WPARAM, LPARAM) {
        if (m_nExitCode)
            ::PostQuitMessage(m_nExitCode);
        else
            DestroyWindow();  // the main window going ends the loop
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CQuitWnd, CWnd)
    ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

// A user-interface thread made from its run-time class, with a thread
// message map.
std::vector<std::string> g_threadLog;
UINT g_pingMessage = ::RegisterWindowMessageA("KXThreadPing");

class CPingThread : public CWinThread {
    DECLARE_DYNCREATE(CPingThread)
public:
    BOOL InitInstance() override {
        g_threadLog.push_back("InitInstance");
        return TRUE;
    }
    int ExitInstance() override {
        g_threadLog.push_back("ExitInstance");
        return CWinThread::ExitInstance();
    }
    void OnAdd(WPARAM wParam, LPARAM lParam) {
        g_threadLog.push_back("add " + std::to_string(wParam + lParam));
    }
    void OnPing(WPARAM wParam, LPARAM) {
        g_threadLog.push_back("ping");
        ::PostQuitMessage(static_cast<int>(wParam));
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPingThread, CWinThread)
BEGIN_MESSAGE_MAP(CPingThread, CWinThread)
    ON_THREAD_MESSAGE(WM_APP + 5, OnAdd)
    ON_REGISTERED_THREAD_MESSAGE(g_pingMessage, OnPing)
END_MESSAGE_MAP()

class CCounted : public CCmdTarget {
public:
    static int s_nFinal;
    void OnFinalRelease() override {
        ++s_nFinal;
        CCmdTarget::OnFinalRelease();
    }
};
int CCounted::s_nFinal = 0;

}  // namespace winapp_loop_test

using namespace winapp_loop_test;

TEST(CWinAppLoop, IdleCountsUpUntilDoneAndTheQuitCodeIsTheExitCode) {
    CLoopApp app;
    CQuitWnd wnd;
    wnd.m_nExitCode = 7;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = &wnd;
    g_idleCounts.clear();
    EXPECT_EQ(app.Run(), 7);
    // Idle ran 0, 1, 2 and stopped; WM_QUIT then ended the loop without more idle.
    EXPECT_EQ(g_idleCounts, (std::vector<LONG>{0, 1, 2}));
    app.m_pMainWnd = nullptr;  // not the main window any more: its end posts no quit
    wnd.DestroyWindow();
}

TEST(CWinAppLoop, DestroyingTheMainWindowEndsTheLoopWithZero) {
    CLoopApp app;
    CQuitWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    app.m_pMainWnd = &wnd;
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);

    // Another window going changes nothing.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    other.DestroyWindow();
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(CWinAppLoop, AThreadFromItsClassRunsItsLoopAndThreadMessageMap) {
    g_threadLog.clear();
    CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CPingThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    ASSERT_TRUE(pThread->IsKindOf(RUNTIME_CLASS(CPingThread)));
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    // The thread has a queue once its loop has started.
    DWORD start = ::GetTickCount();
    while (!pThread->PostThreadMessage(WM_APP + 5, 2, 3) && ::GetTickCount() - start < 5000) ::Sleep(5);
    ASSERT_TRUE(pThread->PostThreadMessage(g_pingMessage, 9, 0));
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD dwExitCode = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwExitCode);
    EXPECT_EQ(dwExitCode, 9u);
    EXPECT_EQ(g_threadLog, (std::vector<std::string>{"InitInstance", "add 5", "ping", "ExitInstance"}));
    delete pThread;

    // A class that is not a thread makes no thread.
    EXPECT_ASSERTS(EXPECT_EQ(AfxBeginThread(RUNTIME_CLASS(CWnd)), nullptr));
}

TEST(CWinAppLoop, LockedTemporaryWrappersSurviveIdleTime) {
    CLoopApp app;
    CWnd* pTemp = CWnd::FromHandle(::GetDesktopWindow());
    ASSERT_NE(pTemp, nullptr);
    AfxLockTempMaps();
    AfxLockTempMaps();
    app.CWinApp::OnIdle(1);
    EXPECT_EQ(afxMapHWND()->LookupTemporary(::GetDesktopWindow()), pTemp);
    EXPECT_FALSE(AfxUnlockTempMaps());  // still locked once
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(afxMapHWND()->LookupTemporary(::GetDesktopWindow()), nullptr);
    EXPECT_ASSERTS(EXPECT_FALSE(AfxUnlockTempMaps()));  // no lock left
}

TEST(CWinAppLoop, WaitCursorsNestAndTheLastEndRestores) {
    CLoopApp app;
    HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR hWait = ::LoadCursorA(nullptr, IDC_WAIT);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(::GetCursor(), hWait);
        app.BeginWaitCursor();
        ::SetCursor(hArrow);  // a message box, say
        app.RestoreWaitCursor();
        EXPECT_EQ(::GetCursor(), hWait);
        app.EndWaitCursor();
        EXPECT_EQ(::GetCursor(), hWait);  // the outer wait is still on
        EXPECT_EQ(app.m_nWaitCursorCount, 1);
    }
    EXPECT_EQ(::GetCursor(), hArrow);
    EXPECT_EQ(app.m_nWaitCursorCount, 0);
}

TEST(CCmdTargetRefs, TheLastReleaseDeletesAndExtraReleasesAssert) {
    CCounted::s_nFinal = 0;
    CCounted* p = new CCounted;
    EXPECT_EQ(p->InternalAddRef(), 2u);
    EXPECT_EQ(p->ExternalAddRef(), 3u);
    EXPECT_EQ(p->InternalRelease(), 2u);
    EXPECT_EQ(p->ExternalRelease(), 1u);
    EXPECT_EQ(CCounted::s_nFinal, 0);
    EXPECT_EQ(p->InternalRelease(), 0u);
    EXPECT_EQ(CCounted::s_nFinal, 1);

    CCounted onStack;
    onStack.m_dwRef = 0;
    EXPECT_ASSERTS(EXPECT_EQ(onStack.InternalRelease(), 0u));
    EXPECT_EQ(CCounted::s_nFinal, 1);
}
