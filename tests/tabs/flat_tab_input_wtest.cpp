// The flat tab control under the mouse and the keyboard: clicks on tabs with
// the owner's notifications as a message sequence, the scroll buttons, the
// gripper dragged with synthetic input, the cursor and the tooltip.
#include "tabs/flat_tab_fixture.h"

#include "core/aux_data.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"

#include <gtest/gtest.h>

namespace {

using kxtest::kPosted;
using kxtest::kSent;
using FlatTabInputTest = kxtest::FlatTabTest;

CPoint Centre(const CRect& rc) { return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2); }

TEST_F(FlatTabInputTest, ClickingATabAsksTheOwnerThenSwitchesWindows) {
    Create(KX_FTS_HASARROWS);
    kxtest::CPaneWnd* a = NewPane(RGB(255, 0, 0));
    kxtest::CPaneWnd* b = NewPane(RGB(0, 0, 255));
    m_tabs.InsertItem(0, "First", a);
    m_tabs.InsertItem(1, "Second", b);
    m_tabs.SetCurSel(0);
    kxtest::PumpUntilIdle();

    std::vector<UINT> codes;
    LRESULT veto = 0;
    m_window.SetMessageHandler([&](HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        if (msg != WM_NOTIFY) return false;
        const NMHDR* nmh = reinterpret_cast<const NMHDR*>(lParam);
        EXPECT_EQ(m_tabs.m_hWnd, nmh->hwndFrom);
        EXPECT_EQ(kID, nmh->idFrom);
        EXPECT_EQ(kID, wParam);
        codes.push_back(nmh->code);
        *result = nmh->code == static_cast<UINT>(TCN_SELCHANGING) ? veto : 0;
        return true;
    });

    CRect rc1;
    ASSERT_TRUE(m_tabs.GetItemRect(1, &rc1));
    {
        kxtest::MessageRecorder rec;
        rec.Watch(m_tabs.m_hWnd, "tabs", {WM_LBUTTONDOWN});
        rec.Watch(m_window.hwnd(), "owner", {WM_NOTIFY});
        rec.Watch(a->m_hWnd, "first", {WM_SHOWWINDOW});
        rec.Watch(b->m_hWnd, "second", {WM_SHOWWINDOW});
        kxtest::PostClick(m_tabs.m_hWnd, Centre(rc1));
        kxtest::PumpUntilIdle();
        EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
            {"tabs", WM_LBUTTONDOWN, kPosted},
            {"owner", WM_NOTIFY, kSent, static_cast<int>(TCN_SELCHANGING)},
            kxtest::ExpectedMessage("first", WM_SHOWWINDOW, kSent).WithWParam(FALSE),
            kxtest::ExpectedMessage("second", WM_SHOWWINDOW, kSent).WithWParam(TRUE),
            {"owner", WM_NOTIFY, kSent, static_cast<int>(TCN_SELCHANGE)},
        }));
    }
    EXPECT_EQ(1, m_tabs.GetCurSel());

    // The selected tab again: nothing to ask.
    codes.clear();
    kxtest::PostClick(m_tabs.m_hWnd, Centre(rc1));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(codes.empty());

    // A nonzero reply keeps the old tab and sends no change.
    veto = 1;
    CRect rc0;
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc0));
    kxtest::PostClick(m_tabs.m_hWnd, CPoint(rc0.left + rc0.Width() / 3, rc0.top + 3));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(std::vector<UINT>{static_cast<UINT>(TCN_SELCHANGING)}, codes);
    EXPECT_EQ(1, m_tabs.GetCurSel());
    EXPECT_TRUE(::IsWindowVisible(b->m_hWnd));

    // Selecting from code sends nothing; a click below the strip is no tab's.
    codes.clear();
    veto = 0;
    m_tabs.SetCurSel(0);
    m_tabs.InsertItem(2, "Third");
    ::ShowWindow(a->m_hWnd, SW_HIDE);  // uncover the control's window area
    kxtest::PostClick(m_tabs.m_hWnd, CPoint(Centre(rc1).x, 200));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(2, m_tabs.GetCurSel());
}

TEST_F(FlatTabInputTest, NotificationsGoToTheOwnerWhenThereIsOne) {
    Create(0);
    AddTabs(2);
    kxtest::HostWindow other;
    int nOwner = 0, nParent = 0;
    other.SetMessageHandler([&](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) { return msg == WM_NOTIFY && ++nOwner; });
    m_window.SetMessageHandler([&](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) { return msg == WM_NOTIFY && ++nParent; });
    CWnd owner;
    owner.Attach(other.hwnd());
    m_tabs.SetOwner(&owner);
    kxtest::PostClick(m_tabs.m_hWnd, CPoint(Layout().GetArrowAreaWidth() + 5, 3));
    kxtest::PumpUntilIdle();
    owner.Detach();
    EXPECT_EQ(2, nOwner);
    EXPECT_EQ(0, nParent);
}

TEST_F(FlatTabInputTest, ScrollButtonsPostTheirCommandsOnRelease) {
    Create(KX_FTS_HASHOMEEND);
    AddTabs(30);
    m_tabs.Home();
    const CRect rcHome = Layout().GetButtonRect(0), rcLeft = Layout().GetButtonRect(1),
                rcRight = Layout().GetButtonRect(2), rcEnd = Layout().GetButtonRect(3);

    kxtest::MessageRecorder rec;
    rec.Watch(m_tabs.m_hWnd, "tabs", {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_COMMAND});
    kxtest::PostMouseDown(m_tabs.m_hWnd, Centre(rcRight));
    kxtest::PostMouseUp(m_tabs.m_hWnd, Centre(rcRight));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        {"tabs", WM_LBUTTONDOWN, kPosted},
        {"tabs", WM_LBUTTONUP, kPosted},
        kxtest::ExpectedMessage("tabs", WM_COMMAND, kPosted).WithWParam(ID_KX_FLATTAB_RIGHT).WithLParam(0),
    }));
    // One tab further: the second tab starts at the arrow area's edge.
    EXPECT_EQ(Layout().GetTabStart(1), Layout().GetScrollOffset());
    EXPECT_EQ(nullptr, ::GetCapture());

    // A double click presses the button again.
    kxtest::PostDoubleClick(m_tabs.m_hWnd, Centre(rcRight));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Layout().GetTabStart(3), Layout().GetScrollOffset());

    kxtest::PostClick(m_tabs.m_hWnd, Centre(rcLeft));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Layout().GetTabStart(2), Layout().GetScrollOffset());

    kxtest::PostClick(m_tabs.m_hWnd, Centre(rcEnd));
    kxtest::PumpUntilIdle();
    CRect rcLast;
    ASSERT_TRUE(m_tabs.GetItemRect(29, &rcLast));
    EXPECT_EQ(399, rcLast.right);

    // Right and end are disabled now: a press neither captures nor commands.
    const int nOffset = Layout().GetScrollOffset();
    rec.Take();
    kxtest::PostMouseDown(m_tabs.m_hWnd, Centre(rcRight));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, ::GetCapture());
    kxtest::PostMouseUp(m_tabs.m_hWnd, Centre(rcRight));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {{"tabs", WM_LBUTTONDOWN}, {"tabs", WM_LBUTTONUP}}));
    EXPECT_EQ(nOffset, Layout().GetScrollOffset());

    // The button fires where the mouse is let go, pressed or not over it.
    kxtest::PostMouseDown(m_tabs.m_hWnd, Centre(rcHome));
    kxtest::PostMouseUp(m_tabs.m_hWnd, CPoint(300, 150));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(0, Layout().GetScrollOffset());
}

TEST_F(FlatTabInputTest, TheGripperFollowsADragAndHandsTheFocusBack) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    AddTabs(20);
    HWND hEdit = m_window.CreateEdit(RECT{0, 0, 10, 10});
    ::SetFocus(hEdit);
    const int x0 = Layout().GetGripperPosition();
    const int y = Layout().GetTabHeight() / 2;

    kxtest::PostMouseDown(m_tabs.m_hWnd, CPoint(x0 + 2, y));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(m_tabs.m_hWnd, ::GetCapture());
    EXPECT_EQ(m_tabs.m_hWnd, ::GetFocus());
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(x0 - 98, y), MK_LBUTTON);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(x0 - 100, Layout().GetGripperPosition());
    EXPECT_EQ((x0 - 100) * 100 / 400, Layout().GetGripperPercent());
    CRect rcBar;
    m_tabs.GetScrollBarCtrl(SB_HORZ)->GetWindowRect(&rcBar);
    m_tabs.ScreenToClient(&rcBar);
    EXPECT_EQ(x0 - 100 + KX_FLATTAB_GRIPPER_WIDTH, rcBar.left);
    // Past the right end it stops at the largest place.
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(1000, y), MK_LBUTTON);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(400 - 4 * Layout().GetButtonWidth() - Layout().GetTabHeight(), Layout().GetGripperPosition());
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(150, y), MK_LBUTTON);
    kxtest::PostMouseUp(m_tabs.m_hWnd, CPoint(150, y));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(148, Layout().GetGripperPosition());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(hEdit, ::GetFocus());

    // After the drag a move does nothing; the share survives a resize.
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(100, y));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(148, Layout().GetGripperPosition());
    m_tabs.MoveWindow(0, 0, 200, 300);
    EXPECT_EQ(200 * 37 / 100, Layout().GetGripperPosition());
}

TEST_F(FlatTabInputTest, EscapeEndsADragAndIsAlwaysSwallowed) {
    Create(KX_FTS_HSCROLL);
    AddTabs(3);
    const int x0 = Layout().GetGripperPosition(), y = 3;
    MSG esc = {m_tabs.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(m_window.hwnd(), &esc));  // not dragging: swallowed all the same
    MSG other = {m_tabs.m_hWnd, WM_KEYDOWN, 'A', 0x001E0001, 0, {0, 0}};
    EXPECT_FALSE(m_tabs.PreTranslateMessage(&other));

    kxtest::PostMouseDown(m_tabs.m_hWnd, CPoint(x0 + 1, y));
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(x0 - 49, y), MK_LBUTTON);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(x0 - 50, Layout().GetGripperPosition());
    EXPECT_TRUE(m_tabs.PreTranslateMessage(&esc));
    EXPECT_EQ(nullptr, ::GetCapture());
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(x0 - 99, y), MK_LBUTTON);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(x0 - 50, Layout().GetGripperPosition());  // the drag is over

    // A drag whose capture is taken away ends at the next cursor query.
    kxtest::PostMouseDown(m_tabs.m_hWnd, CPoint(x0 - 49, y));
    kxtest::PumpUntilIdle();
    ASSERT_EQ(m_tabs.m_hWnd, ::GetCapture());
    ::ReleaseCapture();
    m_tabs.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_tabs.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    kxtest::PostMouseMove(m_tabs.m_hWnd, CPoint(20, y), MK_LBUTTON);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(x0 - 50, Layout().GetGripperPosition());
}

TEST_F(FlatTabInputTest, TheCursorSplitsOverTheGripper) {
    Create(KX_FTS_HSCROLL);
    AddTabs(3);
    const HCURSOR hSplit = CKXAuxData::Get().hcurSplitH;
    ASSERT_NE(nullptr, hSplit);
    const CRect rcGrip = Layout().GetGripperRect();
    kxtest::CursorLock lock;
    ASSERT_TRUE(kxtest::MoveCursorTo(m_tabs.m_hWnd, Centre(rcGrip)));
    m_tabs.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_tabs.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(hSplit, ::GetCursor());
    ASSERT_TRUE(kxtest::MoveCursorTo(m_tabs.m_hWnd, CPoint(rcGrip.left - 20, rcGrip.top + 2)));
    m_tabs.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_tabs.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(hSplit, ::GetCursor());
}

// The identity of the tool that covers the whole of hTool.
TOOLINFOA ToolOf(HWND hTool, char* buf = nullptr) {
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = ::GetParent(hTool);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hTool);
    ti.lpszText = buf;
    return ti;
}

struct TipSearch {
    HWND hTool;
    HWND hTip;
};

BOOL CALLBACK FindTipProc(HWND h, LPARAM l) {
    auto* s = reinterpret_cast<TipSearch*>(l);
    char cls[64] = {};
    ::GetClassNameA(h, cls, sizeof cls);
    TOOLINFOA ti = ToolOf(s->hTool);
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && ::SendMessageA(h, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)))
        s->hTip = h;
    return s->hTip == nullptr;
}

// The tooltip of this thread that has a tool for hTool.
HWND FindTip(HWND hTool) {
    TipSearch search = {hTool, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindTipProc, reinterpret_cast<LPARAM>(&search));
    return search.hTip;
}

// The tooltip's current text.
CString TipText(HWND hTip, HWND hTool) {
    char buf[256] = {};
    TOOLINFOA ti = ToolOf(hTool, buf);
    ::SendMessageA(hTip, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
    return buf;
}

TEST_F(FlatTabInputTest, TheTooltipShowsTheTipOfTheTabUnderTheMouse) {
    Create(KX_FTS_TOOLTIPS | KX_FTS_HASARROWS);
    AddTabs(3);
    m_tabs.SetTipText(2, "The third tab");
    const HWND hTip = FindTip(m_tabs.m_hWnd);
    ASSERT_NE(nullptr, hTip);
    EXPECT_EQ("Tab", TipText(hTip, m_tabs.m_hWnd));  // the library's initial text
    EXPECT_EQ(32767, ::SendMessageA(hTip, TTM_GETMAXTIPWIDTH, 0, 0));

    auto move = [&](CPoint pt) {
        MSG msg = {m_tabs.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), ::GetTickCount(), {0, 0}};
        m_tabs.PreTranslateMessage(&msg);
    };
    CRect rc1, rc2;
    ASSERT_TRUE(m_tabs.GetItemRect(1, &rc1));
    ASSERT_TRUE(m_tabs.GetItemRect(2, &rc2));
    move(Centre(rc1));
    EXPECT_EQ("Tab 1", TipText(hTip, m_tabs.m_hWnd));
    move(Centre(rc2));
    EXPECT_EQ("The third tab", TipText(hTip, m_tabs.m_hWnd));
    // Away from the tabs the text stays as it was.
    move(CPoint(5, 5));
    move(CPoint(390, 5));
    EXPECT_EQ("The third tab", TipText(hTip, m_tabs.m_hWnd));
}

}  // namespace
