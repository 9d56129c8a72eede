// Docking control bars: a toolbar docked to each edge of a frame and the
// rectangles the frame's layout gives it and the view; floating it and
// docking it back with the mouse (drag, double click); bars beside each
// other in one row; and nothing left behind after many rounds.
#include "win/afxwin.h"

#include <afxext.h>
#include <afxpriv.h>

#include "frame_test_res.h"
#include "support/gdi_leak.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/pump.h"
#include "support/run_tool.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace docking_test {

class CDockApp : public CWinApp {
public:
    CDockApp() : CWinApp("KXDockTest") {}
};

const UINT kButtons[] = {ID_TEST_CMD, ID_TEST_UNHANDLED, 0, ID_FILE_NEW, ID_APP_EXIT};

// A frame with a view, a status bar and two docking toolbars.
class CDockFrame : public CFrameWnd {
public:
    BOOL Make(int nBars = 2, int x = 60, int y = 60) {
        if (!Create(nullptr, "Dock Test", WS_OVERLAPPEDWINDOW, CRect(x, y, x + 520, y + 400))) return FALSE;
        if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                              AFX_IDW_PANE_FIRST))
            return FALSE;
        const UINT indicators[] = {ID_SEPARATOR};
        if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 1)) return FALSE;
        for (CToolBar* pBar : {&m_wndTools, &m_wndMore}) {
            if (pBar == &m_wndMore && nBars < 2) break;
            const UINT nID = pBar == &m_wndTools ? AFX_IDW_TOOLBAR : AFX_IDW_TOOLBAR + 1;
            if (!pBar->CreateEx(this, TBSTYLE_FLAT,
                                WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC,
                                CRect(0, 0, 0, 0), nID))
                return FALSE;
            pBar->SetButtons(kButtons, pBar == &m_wndTools ? 5 : 2);
            pBar->SetWindowText(pBar == &m_wndTools ? "Tools" : "More");
            pBar->EnableDocking(CBRS_ALIGN_ANY);
        }
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndTools);
        if (nBars >= 2) DockControlBar(&m_wndMore);
        ShowWindow(SW_SHOWNA);
        RecalcLayout();
        return TRUE;
    }
    CRect Client(CWnd* pWnd) {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }
    CDockBar* Dock(UINT nID) { return static_cast<CDockBar*>(GetControlBar(nID)); }
    void OnExit() { ++m_nExit; }
    void OnUpdateExit(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    int m_nExit = 0;

    CWnd m_wndView;
    CStatusBar m_wndStatus;
    CToolBar m_wndTools, m_wndMore;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockFrame, CFrameWnd)
    ON_COMMAND(ID_APP_EXIT, OnExit)
    ON_UPDATE_COMMAND_UI(ID_APP_EXIT, OnUpdateExit)
END_MESSAGE_MAP()

TEST(Docking, ToolbarDocksToEachEdgeAndTheViewTakesTheRest) {
    kxtest::CursorLock lock;  // shows windows
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;
    pFrame->ShowControlBar(&pFrame->m_wndMore, FALSE, FALSE);
    CRect client;
    pFrame->GetClientRect(&client);
    const int cyStatus = pFrame->Client(&pFrame->m_wndStatus).Height();

    // Top: the dock bar is as high as the bar, the view starts below it.
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_TOP), bar.GetParent());
    EXPECT_FALSE(bar.IsFloating());
    const CSize sizeHorz = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_GT(sizeHorz.cx, sizeHorz.cy);
    EXPECT_EQ(CRect(0, 0, client.right, sizeHorz.cy), pFrame->Client(pFrame->Dock(AFX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(CRect(0, sizeHorz.cy, client.right, client.bottom - cyStatus), pFrame->Client(&pFrame->m_wndView));
    EXPECT_EQ(CRect(0, 0, sizeHorz.cx, sizeHorz.cy), pFrame->Client(&bar));

    // Left: the bar turns into a column; the view moves right.
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetBarStyle() & CBRS_ALIGN_ANY);
    const CSize sizeVert = bar.CalcFixedLayout(FALSE, FALSE);
    EXPECT_GT(sizeVert.cy, sizeVert.cx);
    EXPECT_EQ(CRect(0, 0, sizeVert.cx, sizeVert.cy), pFrame->Client(&bar));
    EXPECT_EQ(CRect(sizeVert.cx, 0, client.right, client.bottom - cyStatus), pFrame->Client(&pFrame->m_wndView));
    // The buttons stand in one column.
    CRect rc0, rc1;
    bar.GetItemRect(0, &rc0);
    bar.GetItemRect(1, &rc1);
    EXPECT_EQ(rc0.left, rc1.left);
    EXPECT_GT(rc1.top, rc0.top);

    // Right, then bottom: just above the status bar, which keeps the frame's edge.
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(CRect(client.right - sizeVert.cx, 0, client.right, sizeVert.cy), pFrame->Client(&bar));
    EXPECT_EQ(CRect(0, 0, client.right - sizeVert.cx, client.bottom - cyStatus), pFrame->Client(&pFrame->m_wndView));
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    const int yBottom = client.bottom - cyStatus - sizeHorz.cy;
    EXPECT_EQ(CRect(0, yBottom, sizeHorz.cx, yBottom + sizeHorz.cy), pFrame->Client(&bar));
    EXPECT_EQ(CRect(0, 0, client.right, yBottom), pFrame->Client(&pFrame->m_wndView));
    EXPECT_EQ(0, pFrame->Dock(AFX_IDW_DOCKBAR_RIGHT)->GetDockedCount());

    // A bar docked beside another: its rectangle, just right of the first, puts it in that row.
    pFrame->ShowControlBar(&pFrame->m_wndMore, TRUE, FALSE);
    CRect rect;
    bar.GetWindowRect(&rect);
    rect.OffsetRect(rect.Width() + 10, 0);
    pFrame->DockControlBar(&pFrame->m_wndMore, AFX_IDW_DOCKBAR_BOTTOM, &rect);
    const CRect rcMore = pFrame->Client(&pFrame->m_wndMore);
    EXPECT_EQ(pFrame->Client(&bar).top, rcMore.top);
    EXPECT_EQ(pFrame->Client(&bar).right + 10, rcMore.left);
    EXPECT_EQ(yBottom, pFrame->Client(&pFrame->m_wndView).bottom);  // still one row
    pFrame->DestroyWindow();
}

TEST(Docking, DragFloatsTheBarAndDoubleClickDocksItBack) {
    kxtest::CursorLock lock;  // the drag captures the mouse
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;
    const CRect rcDocked = pFrame->Client(&bar);

    // Press on the gripper (left of the client area), drag to the middle of the view, release.
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    const CPoint ptGrip(-4, rcClient.Height() / 2);
    CPoint ptDrop = ptGrip + CSize(120, 150);
    bar.ClientToScreen(&ptDrop);
    kxtest::MessageRecorder rec;
    rec.Watch(bar.m_hWnd, "bar", {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED});
    kxtest::PostMouseDown(bar.m_hWnd, ptGrip);
    kxtest::PostMouseMove(bar.m_hWnd, ptGrip + CSize(60, 80), MK_LBUTTON);
    kxtest::PostMouseMove(bar.m_hWnd, ptGrip + CSize(120, 150), MK_LBUTTON);
    kxtest::PostMouseUp(bar.m_hWnd, ptGrip + CSize(120, 150));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
                                                   {"bar", WM_LBUTTONDOWN, kxtest::kPosted},
                                                   {"bar", WM_MOUSEMOVE, kxtest::kPosted},
                                                   {"bar", WM_MOUSEMOVE, kxtest::kPosted},
                                                   {"bar", WM_LBUTTONUP, kxtest::kPosted},
                                                   {"bar", WM_CAPTURECHANGED, kxtest::kSent},
                                               }));
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_NE(nullptr, pMini);
    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(pFrame, CWnd::FromHandle(::GetWindow(pMini->m_hWnd, GW_OWNER)));
    CString title;
    pMini->GetWindowText(title);
    EXPECT_STREQ("Tools", title);
    // The floating frame went where the outline was: moved by the drag.
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    EXPECT_TRUE(rcMini.PtInRect(ptDrop)) << ptDrop.x << "," << ptDrop.y;
    // No gripper while floating: the buttons start at the bar's left.
    CRect rcBarWnd, rcBarClient;
    bar.GetWindowRect(&rcBarWnd);
    bar.GetClientRect(&rcBarClient);
    bar.ClientToScreen(&rcBarClient);
    EXPECT_LT(rcBarClient.left - rcBarWnd.left, 7);
    // The top edge has only the second bar now.
    EXPECT_EQ(1, pFrame->Dock(AFX_IDW_DOCKBAR_TOP)->GetDockedCount());

    // Double click on the small frame's caption: back where it was docked.
    rec.Watch(pMini->m_hWnd, "float", {WM_NCLBUTTONDBLCLK, WM_DESTROYFLOATFRAME, WM_DESTROY});
    const HWND hMini = pMini->m_hWnd;
    CRect rcCaption;
    pMini->GetWindowRect(&rcCaption);
    ::PostMessageA(hMini, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rcCaption.left + 10, rcCaption.top + 5));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
                                                   {"float", WM_NCLBUTTONDBLCLK, kxtest::kPosted},
                                                   {"float", WM_DESTROYFLOATFRAME, kxtest::kPosted},
                                                   {"float", WM_DESTROY, kxtest::kSent},
                                               }));
    EXPECT_FALSE(::IsWindow(hMini));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_TOP), bar.GetParent());
    EXPECT_EQ(rcDocked, pFrame->Client(&bar));

    // A double click on the docked bar's gripper floats it where it floated before.
    kxtest::PostDoubleClick(bar.m_hWnd, ptGrip);
    kxtest::PumpUntilIdle();
    ASSERT_TRUE(bar.IsFloating());
    CRect rcAgain;
    bar.GetParentFrame()->GetWindowRect(&rcAgain);
    EXPECT_EQ(rcMini.TopLeft(), rcAgain.TopLeft());
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, DragToAnEdgeDocksThereUnlessControlIsHeld) {
    kxtest::CursorLock lock;
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    const CPoint ptGrip(-4, rcClient.Height() / 2);
    // The frame's client area in the bar's coordinates.
    CRect rcFrame;
    pFrame->GetClientRect(&rcFrame);
    pFrame->ClientToScreen(&rcFrame);
    bar.ScreenToClient(&rcFrame);

    // To the left edge, 100 pixels down, with Control: it floats there.
    const CPoint ptLeft(rcFrame.left + 2, rcFrame.top + 150);
    kxtest::PostMouseDown(bar.m_hWnd, ptGrip);
    kxtest::PostMouseMove(bar.m_hWnd, ptLeft, MK_LBUTTON | MK_CONTROL);
    kxtest::PostMouseUp(bar.m_hWnd, ptLeft, kxtest::MouseButton::Left, MK_CONTROL);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(bar.IsFloating());

    // Dragged by its caption from there to the same place without Control: it docks on the left.
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_NE(nullptr, pMini);
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    const CPoint ptCaption(rcMini.left + 10, rcMini.top + 4);
    CPoint ptTo = ptLeft;
    bar.ClientToScreen(&ptTo);
    ::PostMessageA(pMini->m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    CPoint ptMove = ptTo + CSize(-2, 0), ptMoveClient = ptMove;
    pMini->ScreenToClient(&ptMoveClient);
    kxtest::PostMouseMove(pMini->m_hWnd, ptMoveClient, MK_LBUTTON);
    kxtest::PostMouseUp(pMini->m_hWnd, ptMoveClient);
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_LEFT), bar.GetParent());
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_LEFT), bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, FALSE).cx, pFrame->Client(&pFrame->m_wndView).left);

    // A press and release without moving changes nothing; Escape cancels a drag.
    const CRect rcBefore = pFrame->Client(&bar);
    kxtest::PostClick(bar.m_hWnd, CPoint(rcClient.Height() / 2, -4));
    kxtest::PostMouseDown(bar.m_hWnd, CPoint(rcClient.Height() / 2, -4));
    kxtest::PostMouseMove(bar.m_hWnd, CPoint(200, 200), MK_LBUTTON);
    kxtest::PostKeyDown(bar.m_hWnd, VK_ESCAPE);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(rcBefore, pFrame->Client(&bar));
    EXPECT_EQ(nullptr, ::GetCapture());
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, AFloatingBarTakesTheShapeItsFrameIsSizedTo) {
    kxtest::CursorLock lock;  // shows windows
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;  // 4 buttons and a separator, CBRS_SIZE_DYNAMIC
    pFrame->FloatControlBar(&bar, CPoint(200, 200));
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_TRUE(bar.IsFloating());
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    CRect rcOne, rc0, rc3;
    pMini->GetWindowRect(&rcOne);
    bar.GetItemRect(0, &rc0);
    bar.GetItemRect(3, &rc3);
    ASSERT_EQ(rc0.top, rc3.top);  // one row

    // The right edge dragged to about two buttons' width: the bar breaks at
    // its separator, the frame takes the bar's new shape, its left and top stay.
    CRect rect = rcOne;
    rect.right = rect.left + rcOne.Width() / 2;
    pMini->SendMessage(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rcOne.TopLeft(), rect.TopLeft());
    EXPECT_LT(rect.Width(), rcOne.Width());
    EXPECT_GT(rect.Height(), rcOne.Height());
    pMini->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    kxtest::PumpUntilIdle();
    bar.GetItemRect(3, &rc3);
    EXPECT_GT(rc3.top, rc0.top);
    CRect rcNow;
    pMini->GetWindowRect(&rcNow);
    EXPECT_EQ(rect, rcNow);  // the layout keeps the shape

    // The bottom edge dragged up to one row's height: one row again, as wide
    // as before, the top staying.
    rect = rcNow;
    rect.bottom = rect.top + rcOne.Height();
    pMini->SendMessage(WM_SIZING, WMSZ_BOTTOM, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rcOne, rect);

    // A bar of a fixed shape gets no sizing borders.
    pFrame->m_wndMore.SetBarStyle(pFrame->m_wndMore.GetBarStyle() & ~CBRS_SIZE_DYNAMIC);
    pFrame->FloatControlBar(&pFrame->m_wndMore, CPoint(300, 300));
    EXPECT_FALSE(pFrame->m_wndMore.GetParentFrame()->GetStyle() & WS_THICKFRAME);
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, TipsAndCommandsReachTheFrameFromDockedAndFloatingBars) {
    kxtest::CursorLock lock;
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;
    for (bool bFloating : {false, true}) {
        if (bFloating) pFrame->FloatControlBar(&bar, CPoint(200, 200));
        ASSERT_EQ(bFloating, bar.IsFloating() != FALSE);
        // What the bar's tip control asks: the text after the "\n" of the command's string.
        TOOLTIPTEXTA ttt = {};
        ttt.hdr.hwndFrom = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
        ttt.hdr.idFrom = ID_TEST_CMD;
        ttt.hdr.code = TTN_NEEDTEXTA;
        bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
        EXPECT_STREQ("Test command", ttt.lpszText);
        // Wherever the bar is, the frame's routing updates its buttons: no
        // handler for ID_TEST_CMD here, one for ID_APP_EXIT.
        // (as the application's idle time does: the frame, then its descendants)
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_TEST_CMD));
        EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonEnabled(ID_APP_EXIT));
        // A command from the bar's parent (dock bar or floating frame's) reaches the frame.
        bar.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(bar.m_hWnd));
        EXPECT_EQ(bFloating ? 2 : 1, pFrame->m_nExit);
    }
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, AFlybyBarShowsThePromptOfTheButtonUnderTheMouse) {
    kxtest::CursorLock lock;
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CToolBar& bar = pFrame->m_wndTools;
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLYBY);
    auto hover = [&](CPoint ptClient) {
        MSG msg = {bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y), ::GetTickCount(), ptClient};
        bar.ClientToScreen(&msg.pt);
        bar.PreTranslateMessage(&msg);
    };
    auto status = [&] {
        CString str;
        pFrame->m_wndStatus.GetPaneText(0, str);
        return str;
    };
    CRect rc0, rc2;
    bar.GetItemRect(0, &rc0);
    bar.GetItemRect(2, &rc2);
    hover(rc0.CenterPoint());
    EXPECT_STREQ("Runs the test command", status());  // the first line of the command's string
    hover(rc2.CenterPoint());  // the separator: no item, the idle prompt
    EXPECT_STREQ("Ready", status());
    // Without CBRS_FLYBY the status bar stays as it is.
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLYBY);
    hover(rc0.CenterPoint());
    EXPECT_STREQ("Ready", status());
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, DialogBarTakesItsTemplatesSizeAndDocksLikeAnyBar) {
    kxtest::CursorLock lock;
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    CDialogBar bar;
    EXPECT_FALSE(bar.Create(pFrame, 4321, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_DIALOGBAR));  // no template
    ASSERT_TRUE(bar.Create(pFrame, IDD_TESTFORM, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_DIALOGBAR));
    pFrame->RecalcLayout();
    CRect rcTemplate;
    bar.GetWindowRect(&rcTemplate);
    ASSERT_GT(bar.m_sizeDefault.cy, 0);
    // Below the docked toolbars, the template's height, the frame's width; the view below it.
    const CRect rcTop = pFrame->Client(pFrame->Dock(AFX_IDW_DOCKBAR_TOP));
    CRect client;
    pFrame->GetClientRect(&client);
    EXPECT_EQ(CRect(0, rcTop.bottom, client.right, rcTop.bottom + bar.m_sizeDefault.cy), pFrame->Client(&bar));
    EXPECT_EQ(rcTop.bottom + bar.m_sizeDefault.cy, pFrame->Client(&pFrame->m_wndView).top);
    // Its controls' commands reach the frame.
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, BN_CLICKED), 0);
    EXPECT_EQ(1, pFrame->m_nExit);
    // Docked on the left it keeps the template's size.
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar.m_sizeDefault, pFrame->Client(&bar).Size());
    EXPECT_EQ(bar.m_sizeDefault.cx, pFrame->Client(&pFrame->m_wndView).left);
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Docking, ReBarHoldsAToolbarInABandAlongTheTop) {
    kxtest::CursorLock lock;
    CDockApp app;
    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make(1));
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(pFrame));
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
    bar.SetButtons(kButtons, 5);
    ASSERT_TRUE(rebar.AddBar(&bar, "Band"));
    EXPECT_EQ(1, rebar.GetCount());
    EXPECT_EQ(&rebar, bar.GetParent());
    EXPECT_EQ(0u, bar.GetBarStyle() & (CBRS_GRIPPER | CBRS_BORDER_ANY));  // the band has them
    pFrame->RecalcLayout();
    // Under the docked toolbar, as high as its rows; the view below.
    const CRect rcTop = pFrame->Client(pFrame->Dock(AFX_IDW_DOCKBAR_TOP));
    const CRect rcReBar = pFrame->Client(&rebar);
    EXPECT_EQ(rcTop.bottom, rcReBar.top);
    EXPECT_GE(rcReBar.Height(), pFrame->Client(&bar).Height());
    EXPECT_EQ(static_cast<int>(rebar.GetReBarCtrl().GetBarHeight()), rcReBar.Height());
    EXPECT_EQ(rcReBar.bottom, pFrame->Client(&pFrame->m_wndView).top);
    // Commands of the band's toolbar still reach the frame.
    rebar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_EXIT, BN_CLICKED), reinterpret_cast<LPARAM>(bar.m_hWnd));
    EXPECT_EQ(1, pFrame->m_nExit);
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

// What the platform's registry tool prints for a key.
std::string RegQuery(const std::string& key) { return kxtest::RunTool("reg.exe query \"HKCU\\" + key + "\""); }

void DeleteKeyTree(HKEY hParent, const char* lpszKey) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hParent, lpszKey, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return;
    char name[256];
    for (;;) {
        DWORD cch = sizeof name;
        if (::RegEnumKeyExA(hKey, 0, name, &cch, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteKeyTree(hKey, name);
    }
    ::RegCloseKey(hKey);
    ::RegDeleteKeyA(hParent, lpszKey);
}

TEST(Docking, BarsComeBackWhereTheyWereFromTheProfile) {
    kxtest::CursorLock lock;
    CDockApp app;
    app.SetRegistryKey("KX Tests");
    const char* kAppKey = "Software\\KX Tests\\KXDockTest";
    DeleteKeyTree(HKEY_CURRENT_USER, kAppKey);

    CDockFrame* pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    pFrame->DockControlBar(&pFrame->m_wndTools, AFX_IDW_DOCKBAR_LEFT);
    pFrame->FloatControlBar(&pFrame->m_wndMore, CPoint(330, 270));
    const CRect rcTools = pFrame->Client(&pFrame->m_wndTools);
    CRect rcMore;
    pFrame->m_wndMore.GetParentFrame()->GetWindowRect(&rcMore);
    pFrame->SaveBarState("Dock");
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();

    // The registry tool reads what was stored: four dock bars and two toolbars.
    const std::string summary = RegQuery(std::string(kAppKey) + "\\Dock-Summary");
    EXPECT_NE(std::string::npos, summary.find("Bars")) << summary;
    EXPECT_NE(std::string::npos, summary.find("0x6")) << summary;
    const std::string left = RegQuery(std::string(kAppKey) + "\\Dock-Bar2");  // the left dock bar
    EXPECT_NE(std::string::npos, left.find("0xe81c")) << left;
    EXPECT_NE(std::string::npos, left.find("0xe800")) << left;  // holding the first toolbar
    const std::string more = RegQuery(std::string(kAppKey) + "\\Dock-Bar5");
    EXPECT_NE(std::string::npos, more.find("0xe801")) << more;
    EXPECT_NE(std::string::npos, more.find("Floating")) << more;

    // A new frame lays its bars out as it always does; the state puts them back.
    pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make());
    EXPECT_FALSE(pFrame->m_wndMore.IsFloating());
    pFrame->LoadBarState("Dock");
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_LEFT), pFrame->m_wndTools.GetParent());
    EXPECT_EQ(rcTools, pFrame->Client(&pFrame->m_wndTools));
    ASSERT_TRUE(pFrame->m_wndMore.IsFloating());
    CRect rcMoreAgain;
    pFrame->m_wndMore.GetParentFrame()->GetWindowRect(&rcMoreAgain);
    EXPECT_EQ(rcMore, rcMoreAgain);
    // A double click docks it where it was before it floated: on top.
    pFrame->m_wndMore.m_pDockContext->ToggleDocking();
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_TOP), pFrame->m_wndMore.GetParent());
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();

    // With one toolbar fewer the saved second one is passed over.
    pFrame = new CDockFrame;
    ASSERT_TRUE(pFrame->Make(1));
    pFrame->LoadBarState("Dock");
    EXPECT_EQ(pFrame->Dock(AFX_IDW_DOCKBAR_LEFT), pFrame->m_wndTools.GetParent());
    EXPECT_EQ(rcTools, pFrame->Client(&pFrame->m_wndTools));
    EXPECT_EQ(0, pFrame->Dock(AFX_IDW_DOCKBAR_TOP)->GetDockedCount());
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
    DeleteKeyTree(HKEY_CURRENT_USER, kAppKey);
}

TEST(Docking, DockingAndFloatingLeaveNothingBehind) {
    kxtest::CursorLock lock;
    CDockApp app;
    auto cycle = [] {
        CDockFrame* pFrame = new CDockFrame;
        if (!pFrame->Make()) return;
        pFrame->FloatControlBar(&pFrame->m_wndTools, CPoint(300, 300));
        pFrame->DockControlBar(&pFrame->m_wndTools, AFX_IDW_DOCKBAR_LEFT);
        pFrame->FloatControlBar(&pFrame->m_wndMore, CPoint(200, 300));
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        pFrame->UpdateWindow();
        kxtest::PumpUntilIdle();
        pFrame->DestroyWindow();  // with the floating frame still up
        kxtest::PumpUntilIdle();
    };
    cycle();  // the system's lazily made objects
    const long windows = kxtest::UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 20; ++i) cycle();
    EXPECT_EQ(windows, kxtest::UserObjectCount());
}

}  // namespace docking_test
