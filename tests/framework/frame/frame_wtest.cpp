// Frame windows with their bars and views: the layout after resizing, the
// order in which a command visits view, document, frame and application,
// the active view's notifications, menu command updates, prompts in the
// status bar and tool tips from the command strings, accelerators, and the
// title taken from the document.
#include "win/afxwin.h"

#include <afxext.h>
#include <afxpriv.h>

#include "frame_test_res.h"
#include "support/gdi_leak.h"
#include "support/named_lock.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace frame_test {

std::vector<std::string> g_log;  // who saw a command, or which view was told what

class CRoutingApp : public CWinApp {
public:
    CRoutingApp() : CWinApp("KXFrameTest") {}
    BOOL OnTest(UINT) {
        g_log.push_back("app");
        return FALSE;  // on along the route
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CRoutingDoc : public CDocument {
    DECLARE_DYNCREATE(CRoutingDoc)
public:
    BOOL OnTest(UINT) {
        g_log.push_back("doc");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRoutingDoc, CDocument)
BEGIN_MESSAGE_MAP(CRoutingDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CRoutingView : public CView {
    DECLARE_DYNCREATE(CRoutingView)
public:
    void OnDraw(CDC*) override {}
    void OnActivateView(BOOL bActivate, CView* pActivate, CView* pDeactive) override {
        g_log.push_back(std::string(bActivate ? "+" : "-") + std::to_string(GetDlgCtrlID()));
        CView::OnActivateView(bActivate, pActivate, pDeactive);
    }
    void OnInitialUpdate() override {
        ++m_nInitial;
        CView::OnInitialUpdate();
    }
    BOOL OnTest(UINT) {
        g_log.push_back("view");
        return FALSE;
    }
    int m_nInitial = 0;
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRoutingView, CView)
BEGIN_MESSAGE_MAP(CRoutingView, CView)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
END_MESSAGE_MAP()

class CRoutingFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CRoutingFrame)
public:
    BOOL OnTest(UINT) {
        g_log.push_back("frame");
        return FALSE;
    }
    void OnAccel() { ++m_nAccel; }
    int m_nAccel = 0;
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRoutingFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CRoutingFrame, CFrameWnd)
    ON_COMMAND_EX(ID_TEST_CMD, OnTest)
    ON_COMMAND(ID_TEST_ACCEL, OnAccel)
END_MESSAGE_MAP()

// A frame with a document and a view, made the way a document template makes it.
CRoutingFrame* MakeFrame(CDocument* pDoc) {
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CRoutingView);
    context.m_pCurrentDoc = pDoc;
    CRoutingFrame* pFrame = new CRoutingFrame;
    if (!pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return nullptr;
    pFrame->SetWindowPos(nullptr, 40, 40, 480, 360, SWP_NOZORDER);
    return pFrame;
}

CRect ChildRect(CWnd* pParent, CWnd* pChild) {
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

TEST(FrameWnd, LoadFrameTakesMenuTitleAndAccelerators) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    CRoutingFrame* pFrame = MakeFrame(nullptr);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_STREQ("Frame Test", pFrame->GetTitle());
    CString text;
    pFrame->GetWindowText(text);
    EXPECT_STREQ("Frame Test", text);  // no document: the title alone
    ASSERT_NE(nullptr, pFrame->GetMenu());
    EXPECT_EQ(pFrame->m_hMenuDefault, pFrame->GetMenu()->m_hMenu);
    EXPECT_TRUE(pFrame->IsFrameWnd());
    CView* pView = static_cast<CView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(pFrame, pView->GetParentFrame());
    EXPECT_EQ(pFrame, pView->GetTopLevelFrame());
    EXPECT_FALSE(pView->IsFrameWnd());

    // Ctrl+T, typed into the view, is the frame's accelerator.
    pFrame->ShowWindow(SW_SHOW);
    MSG msg = {pView->m_hWnd, WM_KEYDOWN, 'T', 0, 0, {0, 0}};
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(pFrame->m_hWnd, &msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(1, pFrame->m_nAccel);
    pFrame->DestroyWindow();  // deletes the frame and its view
}

TEST(FrameWnd, BarsTakeTheEdgesAndTheViewTheRest) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    CRoutingFrame* pFrame = MakeFrame(nullptr);
    ASSERT_NE(nullptr, pFrame);
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(pFrame));
    const UINT buttons[] = {ID_TEST_CMD, ID_TEST_UNHANDLED};
    toolBar.SetButtons(buttons, 2);
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(pFrame));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
    ASSERT_TRUE(statusBar.SetIndicators(indicators, 2));
    CWnd* pView = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);

    pFrame->RecalcLayout();  // the bars came after the frame
    for (CSize size : {CSize(500, 400), CSize(300, 500)}) {
        pFrame->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        CRect client;
        pFrame->GetClientRect(&client);
        CRect rcTool = ChildRect(pFrame, &toolBar), rcStatus = ChildRect(pFrame, &statusBar);
        CRect rcView = ChildRect(pFrame, pView);
        EXPECT_EQ(CRect(0, 0, client.right, toolBar.CalcFixedLayout(TRUE, TRUE).cy), rcTool);
        EXPECT_EQ(CRect(0, client.bottom - statusBar.CalcFixedLayout(TRUE, TRUE).cy, client.right, client.bottom),
                  rcStatus);
        // The view's client edge is inside the space left between the bars.
        EXPECT_EQ(CRect(0, rcTool.bottom, client.right, rcStatus.top), rcView);
    }
    // A hidden bar gives its space back.
    pFrame->ShowControlBar(&toolBar, FALSE, FALSE);
    EXPECT_EQ(0, ChildRect(pFrame, pView).top);
    // Status panes: the prompt pane stretches, the indicator sits at the right.
    pFrame->SetWindowPos(nullptr, 0, 0, 800, 400, SWP_NOMOVE | SWP_NOZORDER);
    CRect rcPane0, rcPane1, rcStatusClient;
    statusBar.GetItemRect(0, &rcPane0);
    statusBar.GetItemRect(1, &rcPane1);
    statusBar.GetClientRect(&rcStatusClient);
    EXPECT_GT(rcPane0.Width(), rcPane1.Width());
    EXPECT_LE(rcPane1.right, rcStatusClient.right);
    // Delayed layout waits for the idle update.
    pFrame->ShowControlBar(&toolBar, TRUE, TRUE);
    EXPECT_EQ(0, ChildRect(pFrame, pView).top);
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(ChildRect(pFrame, &toolBar).bottom, ChildRect(pFrame, pView).top);
    toolBar.DestroyWindow();
    statusBar.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(FrameWnd, CommandsVisitViewDocumentFrameThenApplication) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    CRoutingDoc* pDoc = new CRoutingDoc;
    CRoutingFrame* pFrame = MakeFrame(pDoc);
    ASSERT_NE(nullptr, pFrame);
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    g_log.clear();
    pFrame->SendMessage(WM_COMMAND, ID_TEST_CMD);
    EXPECT_EQ((std::vector<std::string>{"view", "doc", "frame", "app"}), g_log);

    // A menu's items follow the same routing: a command nobody handles is grey.
    CMenu* pFile = pFrame->GetMenu()->GetSubMenu(0);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile->m_hMenu), 0);
    EXPECT_FALSE(pFile->GetMenuState(ID_TEST_CMD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pFile->GetMenuState(ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(pFile->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED);  // the application's
    // The view is gone with its frame, and its auto-deleting document with it.
    pFrame->DestroyWindow();
}

TEST(FrameWnd, ActiveViewHearsOfActivation) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    CRoutingDoc* pDoc = new CRoutingDoc;
    CRoutingFrame* pFrame = MakeFrame(pDoc);
    ASSERT_NE(nullptr, pFrame);
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CRoutingView);
    context.m_pCurrentDoc = pDoc;
    CRoutingView* pSecond = static_cast<CRoutingView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST + 1));
    ASSERT_NE(nullptr, pSecond);
    CRoutingView* pFirst = static_cast<CRoutingView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    pSecond->MoveWindow(0, 200, 100, 100);
    g_log.clear();
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    EXPECT_EQ(pFirst, pFrame->GetActiveView());
    EXPECT_EQ(1, pFirst->m_nInitial);
    EXPECT_EQ(1, pSecond->m_nInitial);  // every view gets its initial update
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    g_log.clear();
    pFrame->SetActiveView(pSecond);
    EXPECT_EQ((std::vector<std::string>{"-59648", "+59649"}), g_log);
    // A click in a view makes it active.
    g_log.clear();
    pFirst->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(pFrame->m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(pFirst, pFrame->GetActiveView());
    EXPECT_EQ((std::vector<std::string>{"-59649", "+59648"}), g_log);
    // The frame coming back to the foreground tells its active view again.
    g_log.clear();
    pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ((std::vector<std::string>{"+59648"}), g_log);
    // The active view going leaves none active.
    pFirst->DestroyWindow();
    EXPECT_EQ(nullptr, pFrame->GetActiveView());
    pFrame->DestroyWindow();
}

TEST(FrameWnd, MenuSelectionShowsPromptsAndButtonsTheirTips) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    CRoutingFrame* pFrame = MakeFrame(nullptr);
    ASSERT_NE(nullptr, pFrame);
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(pFrame));
    const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
    ASSERT_TRUE(statusBar.SetIndicators(indicators, 2));
    kxtest::PumpUntilIdle();  // the idle prompt posted at creation
    EXPECT_STREQ("Ready", statusBar.GetPaneText(0));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_CMD, MF_STRING),
                        reinterpret_cast<LPARAM>(pFrame->GetMenu()->m_hMenu));
    EXPECT_STREQ("Runs the test command", statusBar.GetPaneText(0));
    CString text;
    statusBar.GetWindowText(text);  // the window text is the prompt pane's
    EXPECT_STREQ("Runs the test command", text);
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_STRING), 0);
    EXPECT_STREQ("Close the active window and prompt to save the documents", statusBar.GetPaneText(0));
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the menu closed
    EXPECT_STREQ("Ready", statusBar.GetPaneText(0));

    // A tool tip asks the frame: the text after the "\n".
    TOOLTIPTEXTA ttt = {};
    ttt.hdr.hwndFrom = statusBar.m_hWnd;
    ttt.hdr.idFrom = ID_TEST_CMD;
    ttt.hdr.code = TTN_NEEDTEXTA;
    pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
    EXPECT_STREQ("Test command", ttt.lpszText);

    // The frame updates the key indicators of its visible status bar.
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    statusBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    bool capsOn = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(capsOn, (statusBar.GetPaneStyle(1) & SBPS_DISABLED) == 0);
    statusBar.DestroyWindow();
    pFrame->DestroyWindow();
}

TEST(FrameWnd, FramesWithBarsAndViewsLeaveNothingBehind) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CRoutingApp app;
    auto cycle = [] {
        CRoutingDoc* pDoc = new CRoutingDoc;
        CRoutingFrame* pFrame = MakeFrame(pDoc);
        if (pFrame == nullptr) return;
        CStatusBar* pStatus = new CStatusBar;
        pStatus->m_bAutoDelete = TRUE;
        const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
        if (pStatus->Create(pFrame)) pStatus->SetIndicators(indicators, 2);
        pFrame->InitialUpdateFrame(pDoc, TRUE);
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        pFrame->UpdateWindow();
        pFrame->DestroyWindow();  // the bar, the view and the document go with it
        kxtest::PumpUntilIdle();
    };
    cycle();  // the system's lazily made objects
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 20; ++i) cycle();
}

}  // namespace frame_test
