// Message maps, reflection, subclassing, pre-translation and the handle map.
#include "win/afxwin.h"

#include "support/assert_capture.h"
#include "support/gdi_leak.h"
#include "support/host_window.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wnd_test {

std::vector<std::string> g_log;

class CBaseWnd : public CWnd {
public:
    LRESULT OnPing(WPARAM w, LPARAM) {
        g_log.push_back("base ping " + std::to_string(w));
        return 10;
    }
    LRESULT OnPong(WPARAM, LPARAM) {
        g_log.push_back("base pong");
        return 20;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_USER + 1, OnPing)
    ON_MESSAGE(WM_USER + 2, OnPong)
END_MESSAGE_MAP()

UINT g_registered = ::RegisterWindowMessageA("KXTestRegistered");

class CDerivedWnd : public CBaseWnd {
public:
    int m_created = 0;
    CSize m_size;
    LRESULT OnPong(WPARAM, LPARAM) {  // replaces the base entry
        g_log.push_back("derived pong");
        return 21;
    }
    LRESULT OnRegistered(WPARAM, LPARAM l) { return l * 2; }
    int OnCreate(LPCREATESTRUCT cs) {
        ++m_created;
        return CWnd::OnCreate(cs);
    }
    void OnSize(UINT, int cx, int cy) { m_size = CSize(cx, cy); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_USER + 2, OnPong)
    ON_REGISTERED_MESSAGE(g_registered, OnRegistered)
END_MESSAGE_MAP()

// A button that handles its own click (reflected) and its own colours.
class CSelfButton : public CWnd {
public:
    BOOL m_bPassOn = FALSE;
    int m_clicks = 0;
    CBrush m_brush;
    CSelfButton() { m_brush.CreateSolidBrush(RGB(1, 2, 3)); }
    BOOL OnClicked() {
        ++m_clicks;
        return !m_bPassOn;  // FALSE lets the parent see the click too
    }
    HBRUSH CtlColor(CDC*, UINT nCtlColor) { return nCtlColor == CTLCOLOR_BTN ? (HBRUSH)m_brush : nullptr; }
    void OnCustom(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = static_cast<LRESULT>(pNMHDR->idFrom) + 1000; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustom)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    int m_parentClicks = 0;
    int m_commands = 0;
    int m_disabledRuns = 0;
    void OnButton() { ++m_parentClicks; }
    void OnCmdA() { ++m_commands; }
    void OnCmdB() { ++m_disabledRuns; }
    void OnUpdateB(CCmdUI* pCmdUI) {
        pCmdUI->Enable(FALSE);
        pCmdUI->SetCheck(1);
    }
    void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == 305); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(100, OnButton)
    ON_COMMAND(201, OnCmdA)
    ON_COMMAND(202, OnCmdB)
    ON_UPDATE_COMMAND_UI(202, OnUpdateB)
    ON_UPDATE_COMMAND_UI_RANGE(300, 310, OnUpdateRange)
END_MESSAGE_MAP()

class CCountingEdit : public CWnd {
public:
    int m_presubclass = 0;
    void PreSubclassWindow() override { ++m_presubclass; }
};

class CLoggingWnd : public CWnd {
public:
    std::string m_name;
    bool m_eat = false;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) g_log.push_back(m_name);
        return m_eat;
    }
};

// Answers the tip text of its children (TTN_NEEDTEXT from the shared tip).
class CTipWnd : public CWnd {
public:
    BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        snprintf(pInfo->szText, sizeof pInfo->szText, "tip %d", ::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)));
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTipWnd, CWnd)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnNeedText)
END_MESSAGE_MAP()

// Runs its own modal loop until a posted message ends it.
class CModalWnd : public CWnd {
public:
    LRESULT OnApp(WPARAM wParam, LPARAM) {
        EndModalLoop(static_cast<int>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
    ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

size_t PermanentCount() {
    CHandleMap<CWnd>* map = afxMapHWND();
    return map ? map->GetPermanentCount() : 0;
}

}  // namespace wnd_test

using namespace wnd_test;

class WndTest : public kxtest::HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        g_log.clear();
    }
    CRect ChildRect() const { return CRect(10, 10, 110, 40); }
};

TEST_F(WndTest, MessageMapDispatchesAndChainsToTheBase) {
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "derived", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 1));
    EXPECT_EQ(wnd.m_created, 1);  // attached before WM_CREATE
    EXPECT_EQ(wnd.m_size, CSize(100, 30));
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 7), 10);  // base entry
    EXPECT_EQ(wnd.SendMessage(WM_USER + 2), 21);     // derived entry wins
    EXPECT_EQ(wnd.SendMessage(g_registered, 0, 21), 42);
    EXPECT_EQ(wnd.SendMessage(WM_USER + 3), 0);      // unhandled: default procedure
    EXPECT_EQ(g_log, (std::vector<std::string>{"base ping 7", "derived pong"}));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
}

TEST_F(WndTest, ChildHandlesItsReflectedNotificationsAndColours) {
    CParentWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "parent", WS_VISIBLE, CRect(0, 0, 300, 200), CWnd::FromHandle(hwnd()), 2));
    CSelfButton button;
    ASSERT_TRUE(button.Create("BUTTON", "b", WS_VISIBLE | BS_PUSHBUTTON, ChildRect(), &parent, 100));

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_clicks, 1);
    EXPECT_EQ(parent.m_parentClicks, 0);  // handled by the child
    button.m_bPassOn = TRUE;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.m_clicks, 2);
    EXPECT_EQ(parent.m_parentClicks, 1);  // _EX handler returned FALSE

    CClientDC dc(&button);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)dc.GetSafeHdc(), (LPARAM)button.m_hWnd);
    EXPECT_EQ((HBRUSH)brush, (HBRUSH)button.m_brush);

    NMHDR nm = {button.m_hWnd, 55, static_cast<UINT>(NM_CUSTOMDRAW)};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 100, (LPARAM)&nm), 1055);
}

TEST_F(WndTest, SubclassDlgItemCallsPreSubclassOnceAndRestoresTheProcedure) {
    HWND edit = host().CreateEdit({10, 10, 100, 30}, "x", WS_BORDER, 77);
    WNDPROC original = (WNDPROC)::GetWindowLongPtrA(edit, GWLP_WNDPROC);
    CCountingEdit wnd;
    ASSERT_TRUE(wnd.SubclassDlgItem(77, CWnd::FromHandle(hwnd())));
    EXPECT_EQ(wnd.m_presubclass, 1);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(edit, GWLP_WNDPROC), AfxGetAfxWndProc());
    CCountingEdit again;
    EXPECT_ASSERTS(EXPECT_FALSE(again.SubclassWindow(edit)));  // already attached elsewhere
    wnd.SetWindowText("typed");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "typed");  // the edit's own procedure still works
    EXPECT_EQ(wnd.UnsubclassWindow(), edit);
    EXPECT_EQ((WNDPROC)::GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
}

TEST_F(WndTest, PreTranslateMessageRunsFromTheTargetUpThroughItsParents) {
    CLoggingWnd outer, inner;
    outer.m_name = "outer";
    inner.m_name = "inner";
    ASSERT_TRUE(outer.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 200, 200), CWnd::FromHandle(hwnd()), 1));
    ASSERT_TRUE(inner.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 50, 50), &outer, 2));
    MSG msg = {inner.m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(nullptr, &msg));
    std::vector<std::string> expect = {"inner", "outer"};
    EXPECT_EQ(g_log, expect);
    g_log.clear();
    inner.m_eat = true;  // the innermost window that eats it stops the walk
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(nullptr, &msg));
    EXPECT_EQ(g_log, std::vector<std::string>{"inner"});
    g_log.clear();
    inner.m_eat = false;
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(inner.m_hWnd, &msg));  // stops at hWndStop
    EXPECT_EQ(g_log, std::vector<std::string>{"inner"});

    // Posted input reaches the walk through the framework's pump.
    g_log.clear();
    ::PostMessageA(inner.m_hWnd, WM_KEYDOWN, 'B', 0);
    ASSERT_TRUE(AfxPumpMessage());
    EXPECT_EQ(g_log, expect);
}

TEST_F(WndTest, CommandUpdateOnAPopupMenuAndDisabledCommandsAreDropped) {
    CParentWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 1));
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 201, "A");
    popup.AppendMenu(MF_STRING, 202, "B");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, 203, "no handler");
    popup.AppendMenu(MF_STRING, 305, "range");
    AfxUpdateMenuCmdUI(&wnd, &popup, TRUE);
    EXPECT_EQ(popup.GetMenuState(201, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_EQ(popup.GetMenuState(202, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), UINT(MF_GRAYED | MF_CHECKED));
    EXPECT_EQ(popup.GetMenuState(203, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
    EXPECT_EQ(popup.GetMenuState(305, MF_BYCOMMAND) & MF_CHECKED, UINT(MF_CHECKED));

    wnd.SendMessage(WM_COMMAND, 201);
    wnd.SendMessage(WM_COMMAND, 202);  // its update handler disables it
    EXPECT_EQ(wnd.m_commands, 1);
    EXPECT_EQ(wnd.m_disabledRuns, 0);
}

namespace wnd_test {
class CPaintingWnd : public CWnd {
public:
    int m_paints = 0;
    void OnPaint() {
        CPaintDC dc(this);
        CBrush brush(RGB(200, 10, 10));
        CBrush* oldBrush = dc.SelectObject(&brush);
        dc.Rectangle(2, 2, 40, 20);
        dc.SelectObject(oldBrush);
        ++m_paints;
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()
}  // namespace wnd_test

// Windows leave the handle map when destroyed, temporaries at idle time;
// painting through the framework's contexts leaks nothing.
TEST_F(WndTest, HandleMapsEmptyAgainAndPaintingLeaksNothing) {
    size_t before = PermanentCount();
    {
        CDerivedWnd a;
        CParentWnd b;
        ASSERT_TRUE(a.Create(nullptr, "", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 1));
        ASSERT_TRUE(b.Create(nullptr, "", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 2));
        EXPECT_EQ(PermanentCount(), before + 2);
        b.DestroyWindow();
        EXPECT_EQ(PermanentCount(), before + 1);
    }  // a's destructor destroys its window
    EXPECT_EQ(PermanentCount(), before);
    // Temporary wrappers go at idle time, the window itself lives on.
    CWnd::FromHandle(hwnd());
    AfxDeleteTempMaps();
    EXPECT_EQ(afxMapHWND()->GetTemporaryCount(), 0u);
    EXPECT_TRUE(::IsWindow(hwnd()));

    CPaintingWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 1));
    wnd.RedrawWindow();
    AfxDeleteTempMaps();
    EXPECT_NO_GDI_LEAK({
        for (int i = 0; i < 300; ++i) wnd.RedrawWindow();
        AfxDeleteTempMaps();
    });
    EXPECT_GE(wnd.m_paints, 300);
}


TEST_F(WndTest, RadioGroupsDescendantsAndScrollLimits) {
    CWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "", WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 300, 200), CWnd::FromHandle(hwnd()), 1));
    for (int nID = 201; nID <= 203; ++nID)
        ::CreateWindowExA(0, "BUTTON", "r", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 0, (nID - 200) * 20, 60, 18,
                          parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), nullptr, nullptr);
    EXPECT_EQ(parent.GetCheckedRadioButton(201, 203), 0);
    parent.CheckRadioButton(201, 203, 202);
    EXPECT_EQ(parent.GetCheckedRadioButton(201, 203), 202);
    parent.CheckRadioButton(201, 203, 203);
    EXPECT_EQ(parent.IsDlgButtonChecked(202), 0u);
    EXPECT_EQ(parent.GetCheckedRadioButton(201, 203), 203);

    // A grandchild is found by its identifier, a temporary one only when asked for any.
    HWND hBox = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 100, 0, 50, 50, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(300), nullptr, nullptr);
    HWND hInner = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, hBox, reinterpret_cast<HMENU>(301),
                                    nullptr, nullptr);
    ASSERT_NE(parent.GetDescendantWindow(301), nullptr);
    EXPECT_EQ(parent.GetDescendantWindow(301)->m_hWnd, hInner);
    EXPECT_EQ(parent.GetDescendantWindow(301, TRUE), nullptr);
    EXPECT_EQ(parent.GetDescendantWindow(999), nullptr);

    // The limit of a bar is its range less the page.
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, 0, 100, 10, 0, 0};
    parent.SetScrollInfo(SB_VERT, &si);
    EXPECT_EQ(parent.GetScrollLimit(SB_VERT), 91);
    parent.EnableScrollBarCtrl(SB_VERT, FALSE);  // no control: the window's own bar goes
    EXPECT_FALSE(parent.GetStyle() & WS_VSCROLL);
}

TEST_F(WndTest, ToolTipsFollowTheToolUnderTheMouse) {
    CTipWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 300, 200), CWnd::FromHandle(hwnd()), 1));
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, parent.m_hWnd,
                                     reinterpret_cast<HMENU>(42), nullptr, nullptr);
    auto hover = [&](HWND hWndTarget, POINT ptClient) {
        MSG msg = {hWndTarget, WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y), ::GetTickCount(), ptClient};
        ::ClientToScreen(hWndTarget, &msg.pt);
        CWnd::FilterToolTipMessage(&msg, &parent);
    };
    hover(hButton, {5, 5});
    EXPECT_EQ(AfxGetThreadState()->m_pToolTip, nullptr);  // tool tips are not on yet

    parent.EnableToolTips();
    hover(hButton, {5, 5});
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE(pTip, nullptr);
    EXPECT_EQ(::GetWindow(pTip->m_hWnd, GW_OWNER), parent.GetParentOwner()->m_hWnd);
    ASSERT_EQ(pTip->GetToolCount(), 1);
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.hwnd, parent.m_hWnd);
    EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(hButton));
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
    EXPECT_EQ(AfxGetThreadState()->m_nLastHit, 42);

    // The tip's text comes from the window's TTN_NEEDTEXT handler.
    NMTTDISPINFOA info = {};
    info.hdr = {pTip->m_hWnd, reinterpret_cast<UINT_PTR>(hButton), static_cast<UINT>(TTN_NEEDTEXTA)};
    info.uFlags = TTF_IDISHWND;
    parent.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.szText, "tip 42");

    hover(parent.m_hWnd, {200, 150});  // over no child: the tool goes
    EXPECT_EQ(pTip->GetToolCount(), 0);
    EXPECT_EQ(AfxGetThreadState()->m_nLastHit, -1);
    parent.EnableToolTips(FALSE);
    hover(hButton, {5, 5});
    EXPECT_EQ(pTip->GetToolCount(), 0);
}

TEST_F(WndTest, AnyWindowRunsAModalLoopUntilItEnds) {
    CModalWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "", WS_VISIBLE, ChildRect(), CWnd::FromHandle(hwnd()), 1));
    wnd.PostMessage(WM_APP, 5);
    EXPECT_EQ(wnd.RunModalLoop(MLF_NOIDLEMSG), 5);
    EXPECT_FALSE(wnd.m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL));
}
