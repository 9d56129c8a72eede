// The multiple-document interface: documents of two types in child frames,
// the main menu following the active child's type, the Window menu's list
// and its tiling, maximised children, command routing through the active
// child, and closing a modified document.
#include "win/afxwin.h"

#include "frame_test_res.h"
#include "support/named_lock.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mdi_test {

std::vector<std::string> g_route;

class CMdiApp : public CWinApp {
public:
    CMdiApp() : CWinApp("KXMdiTest") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
        m_prompts.push_back(lpszPrompt);
        return m_nAnswer;
    }
    BOOL OnTest(UINT) {
        g_route.push_back("app");
        return FALSE;
    }
    std::vector<CString> m_prompts;
    int m_nAnswer = IDNO;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMdiApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CMdiDoc : public CDocument {
    DECLARE_DYNCREATE(CMdiDoc)
public:
    BOOL OnTest(UINT) {
        g_route.push_back("doc");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiDoc, CDocument)
BEGIN_MESSAGE_MAP(CMdiDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CMdiView : public CView {
    DECLARE_DYNCREATE(CMdiView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnTest(UINT) {
        g_route.push_back("view");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiView, CView)
BEGIN_MESSAGE_MAP(CMdiView, CView)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CMdiChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CMdiChild)
public:
    BOOL OnTest(UINT) {
        g_route.push_back("child");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiChild, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CMdiChild, CMDIChildWnd)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CMdiMain : public CMDIFrameWnd {
public:
    BOOL OnTest(UINT) {
        g_route.push_back("main");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMdiMain, CMDIFrameWnd)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

struct MdiSetup {
    CMdiApp app;
    CMultiDocTemplate* pTestType = new CMultiDocTemplate(IDR_TESTDOC, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CMdiChild),
                                                         RUNTIME_CLASS(CMdiView));
    CMultiDocTemplate* pOtherType = new CMultiDocTemplate(IDR_OTHERDOC, RUNTIME_CLASS(CMdiDoc),
                                                          RUNTIME_CLASS(CMdiChild), RUNTIME_CLASS(CMdiView));
    CMdiMain* pMain = new CMdiMain;

    MdiSetup() {
        app.AddDocTemplate(pTestType);
        app.AddDocTemplate(pOtherType);
        if (!pMain->LoadFrame(IDR_TESTFRAME)) return;
        app.m_pMainWnd = pMain;
        pMain->SetWindowPos(nullptr, 20, 20, 640, 480, SWP_NOZORDER);
        pMain->ShowWindow(SW_SHOW);
    }
    ~MdiSetup() {
        if (app.m_pMainWnd != nullptr) {
            app.CloseAllDocuments(FALSE);
            app.m_pMainWnd->DestroyWindow();
        }
        kxtest::PumpUntilIdle();  // the WM_QUIT the main window's end posted
    }
    HMENU MainMenu() const { return ::GetMenu(pMain->m_hWnd); }
};

CMDIChildWnd* FrameOf(CDocument* pDoc) {
    POSITION pos = pDoc->GetFirstViewPosition();
    return static_cast<CMDIChildWnd*>(pDoc->GetNextView(pos)->GetParentFrame());
}

TEST(MDI, MenusFollowTheActiveDocumentType) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    MdiSetup s;
    ASSERT_NE(nullptr, s.pMain->m_hWndMDIClient);
    EXPECT_EQ(s.pMain->m_hMenuDefault, s.MainMenu());
    EXPECT_EQ(nullptr, s.pMain->MDIGetActive());

    CDocument* pFirst = s.pTestType->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_STREQ("TestDoc1", pFirst->GetTitle());
    EXPECT_EQ(FrameOf(pFirst), s.pMain->MDIGetActive());
    EXPECT_EQ(s.pTestType->m_hMenuShared, s.MainMenu());
    CString title;
    s.pMain->GetWindowText(title);
    EXPECT_STREQ("Frame Test - TestDoc1", title);
    FrameOf(pFirst)->GetWindowText(title);
    EXPECT_STREQ("TestDoc1", title);

    CDocument* pSecond = s.pOtherType->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_STREQ("Other1", pSecond->GetTitle());
    EXPECT_EQ(FrameOf(pSecond), s.pMain->MDIGetActive());
    EXPECT_EQ(s.pOtherType->m_hMenuShared, s.MainMenu());

    s.pMain->MDINext();
    EXPECT_EQ(FrameOf(pFirst), s.pMain->MDIGetActive());
    EXPECT_EQ(s.pTestType->m_hMenuShared, s.MainMenu());

    // The Window menu lists the children.
    HMENU hWindow = s.pMain->GetWindowMenuPopup(s.MainMenu());
    ASSERT_NE(nullptr, hWindow);
    int nChildren = 0;
    for (int i = 0; i < ::GetMenuItemCount(hWindow); ++i)
        if (::GetMenuItemID(hWindow, i) >= AFX_IDM_FIRST_MDICHILD) ++nChildren;
    EXPECT_EQ(2, nChildren);

    // The last child closed: the main frame's own menu again.
    FrameOf(pFirst)->SendMessage(WM_CLOSE);
    FrameOf(pSecond)->SendMessage(WM_CLOSE);
    EXPECT_EQ(0, s.app.GetOpenDocumentCount());
    EXPECT_EQ(s.pMain->m_hMenuDefault, s.MainMenu());
    s.pMain->GetWindowText(title);
    EXPECT_STREQ("Frame Test", title);
}

TEST(MDI, TileCascadeAndMaximise) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    MdiSetup s;
    CDocument* pA = s.pTestType->OpenDocumentFile(nullptr);
    CDocument* pB = s.pTestType->OpenDocumentFile(nullptr);
    ASSERT_TRUE(pA && pB);
    // The Window menu's command tiles: side by side, no overlap.
    s.pMain->SendMessage(WM_COMMAND, ID_WINDOW_TILE_VERT);
    CRect rcA, rcB, inter;
    FrameOf(pA)->GetWindowRect(&rcA);
    FrameOf(pB)->GetWindowRect(&rcB);
    EXPECT_FALSE(inter.IntersectRect(&rcA, &rcB));
    EXPECT_EQ(rcA.Height(), rcB.Height());
    s.pMain->MDICascade();
    FrameOf(pA)->GetWindowRect(&rcA);
    FrameOf(pB)->GetWindowRect(&rcB);
    EXPECT_NE(rcA.TopLeft(), rcB.TopLeft());
    EXPECT_TRUE(inter.IntersectRect(&rcA, &rcB));

    // Maximised: a new child opens maximised too, and the client shows its title.
    s.pMain->MDIMaximize(FrameOf(pB));
    BOOL bMaximized = FALSE;
    EXPECT_EQ(FrameOf(pB), s.pMain->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    CDocument* pC = s.pTestType->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pC);
    EXPECT_EQ(FrameOf(pC), s.pMain->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(FrameOf(pC)->IsZoomed());
    // The Window menu's commands are enabled only with a child.
    CMenu* pWindow = CMenu::FromHandle(s.pMain->GetWindowMenuPopup(s.MainMenu()));
    s.pMain->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pWindow->m_hMenu), 2);
    EXPECT_FALSE(pWindow->GetMenuState(ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(MDI, CommandsGoThroughTheActiveChild) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    MdiSetup s;
    CDocument* pDoc = s.pTestType->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDoc);
    g_route.clear();
    s.pMain->SendMessage(WM_COMMAND, ID_TEST_CMD);
    EXPECT_EQ((std::vector<std::string>{"view", "doc", "child", "main", "app"}), g_route);
    // The active child's frame has its view active.
    EXPECT_EQ(pDoc, s.pMain->MDIGetActive()->GetActiveDocument());
    EXPECT_EQ(s.pMain->MDIGetActive(), s.pMain->GetActiveFrame());
}

TEST(MDI, ClosingAModifiedDocumentAsks) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    MdiSetup s;
    CDocument* pDoc = s.pTestType->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, pDoc);
    pDoc->SetModifiedFlag();
    CMDIChildWnd* pChild = FrameOf(pDoc);
    s.app.m_nAnswer = IDCANCEL;
    pChild->SendMessage(WM_CLOSE);
    ASSERT_EQ(1u, s.app.m_prompts.size());
    EXPECT_STREQ("Save changes to TestDoc1?", s.app.m_prompts[0]);
    EXPECT_EQ(pChild, s.pMain->MDIGetActive());  // still there
    // Closing the application asks again; No lets it all go.
    s.app.m_nAnswer = IDNO;
    s.pMain->SendMessage(WM_CLOSE);
    EXPECT_EQ(2u, s.app.m_prompts.size());
    EXPECT_EQ(nullptr, s.app.m_pMainWnd);
    EXPECT_EQ(0, s.app.GetOpenDocumentCount());
}

}  // namespace mdi_test
