// The flat tab control's tabs, their windows and the selection, bad input,
// a thousand tabs, colours and a leak cycle.  Pixels, input and the scroll
// bar have files of their own.
#include "tabs/flat_tab_fixture.h"

#include "core/aux_data.h"
#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

namespace {

using kxtest::CPaneWnd;
using FlatTabCtrlTest = kxtest::FlatTabTest;

bool Visible(CWnd* pWnd) { return (::GetWindowLongA(pWnd->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }

CRect RectInParent(CWnd* pWnd) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, ::GetParent(pWnd->m_hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST_F(FlatTabCtrlTest, TabsTakeTheirWindowsAndShowOnlyTheSelectedOne) {
    Create(KX_FTS_HASARROWS);
    const int h = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(-1, m_tabs.GetCurSel());
    CPaneWnd* a = NewPane(RGB(255, 0, 0));
    CPaneWnd* b = NewPane(RGB(0, 255, 0));
    CPaneWnd* c = NewPane(RGB(0, 0, 255));

    ASSERT_EQ(0, m_tabs.InsertItem(0, "Alpha", a));
    EXPECT_EQ(0, m_tabs.GetCurSel());
    EXPECT_EQ(m_tabs.m_hWnd, ::GetParent(a->m_hWnd));
    EXPECT_EQ(CRect(0, h, 400, 300), RectInParent(a));  // beside the strip
    EXPECT_TRUE(Visible(a));

    ASSERT_EQ(1, m_tabs.InsertItem(1, "Beta", b));
    EXPECT_EQ(1, m_tabs.GetCurSel());
    EXPECT_FALSE(Visible(a));
    EXPECT_TRUE(Visible(b));

    // Inserted in front of the selected tab: still the new one is selected,
    // and the window of the one selected before is hidden.
    ASSERT_EQ(0, m_tabs.InsertItem(0, "Gamma", c));
    EXPECT_EQ(0, m_tabs.GetCurSel());
    EXPECT_EQ(c, m_tabs.GetItemWindow(0));
    EXPECT_EQ(a, m_tabs.GetItemWindow(1));
    EXPECT_FALSE(Visible(b));
    EXPECT_TRUE(Visible(c));
    EXPECT_STREQ("Beta", m_tabs.GetItemText(2));
    EXPECT_EQ("Beta", m_tabs.GetTipText(2));  // the tip starts as the caption

    // Selection from code: the old index back, the windows swapped.
    EXPECT_EQ(0, m_tabs.SetCurSel(2));
    EXPECT_TRUE(Visible(b));
    EXPECT_FALSE(Visible(c));

    // A tab without a window leaves the previous window hidden.
    ASSERT_EQ(3, m_tabs.InsertItem(3, "Delta"));
    EXPECT_EQ(nullptr, m_tabs.GetItemWindow(3));
    EXPECT_FALSE(Visible(b));
    EXPECT_EQ(4, m_tabs.GetItemCount());

    // A caption from the string table; an unknown one is empty.
    ASSERT_EQ(4, m_tabs.InsertItem(4, 61234u));
    EXPECT_STREQ("", m_tabs.GetItemText(4));

    // Deleting the selected tab selects tab 0; its window goes to the
    // desktop, hidden and alive.
    ASSERT_TRUE(m_tabs.DeleteItem(4));
    EXPECT_EQ(0, m_tabs.GetCurSel());
    EXPECT_TRUE(Visible(c));
    EXPECT_EQ(0, m_tabs.SetCurSel(1));
    EXPECT_TRUE(Visible(a));
    ASSERT_TRUE(m_tabs.DeleteItem(1));
    EXPECT_EQ(0, m_tabs.GetCurSel());
    EXPECT_TRUE(::IsWindow(a->m_hWnd));
    EXPECT_FALSE(Visible(a));
    EXPECT_EQ(::GetDesktopWindow(), ::GetParent(a->m_hWnd));
    EXPECT_TRUE(Visible(c));
    EXPECT_STREQ("Beta", m_tabs.GetItemText(1));

    // Deleting a tab before the selected one keeps the same tab selected.
    m_tabs.SetCurSel(2);
    ASSERT_TRUE(m_tabs.DeleteItem(0));
    EXPECT_EQ(1, m_tabs.GetCurSel());
    EXPECT_STREQ("Delta", m_tabs.GetItemText(1));

    m_tabs.DeleteAllItems();
    EXPECT_EQ(0, m_tabs.GetItemCount());
    EXPECT_EQ(-1, m_tabs.GetCurSel());
    EXPECT_EQ(::GetDesktopWindow(), ::GetParent(b->m_hWnd));
    EXPECT_FALSE(Visible(b));
}

TEST_F(FlatTabCtrlTest, CaptionsFontsAndResizingLayTheRowOutAgain) {
    Create(KX_FTS_BOTTOM | KX_FTS_HASARROWS);
    const int h = ::GetSystemMetrics(SM_CYHSCROLL);
    CPaneWnd* pane = NewPane(RGB(1, 2, 3));
    AddTabs(2);
    ASSERT_EQ(2, m_tabs.InsertItem(2, "Pane", pane));
    EXPECT_EQ(CRect(0, 0, 400, 300 - h), RectInParent(pane));  // above the strip

    CRect before, after;
    ASSERT_TRUE(m_tabs.GetItemRect(1, &before));
    EXPECT_EQ(300 - h, before.top);
    EXPECT_TRUE(m_tabs.SetItemText(0, "A much longer caption than before"));
    ASSERT_TRUE(m_tabs.GetItemRect(1, &after));
    EXPECT_GT(after.left, before.left);  // the row was laid out again

    // A resize moves the strip and every tab's window.
    m_tabs.MoveWindow(0, 0, 300, 200);
    EXPECT_EQ(CRect(0, 0, 300, 200 - h), RectInParent(pane));
    ASSERT_TRUE(m_tabs.GetItemRect(1, &after));
    EXPECT_EQ(200 - h, after.top);

    // Fonts: a larger normal font widens the unselected tabs.
    CFont big;
    big.CreatePointFont(160, "Arial");
    const int cxBefore = Layout().GetTabWidth(0);
    m_tabs.SetTabFonts(&big, nullptr);
    EXPECT_GT(Layout().GetTabWidth(0), cxBefore);
    m_tabs.SetTabFonts(&CKXAuxData::Get().fontRegular, nullptr);
    EXPECT_EQ(cxBefore, Layout().GetTabWidth(0));
}

TEST_F(FlatTabCtrlTest, BadInputFailsAndChangesNothing) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    AddTabs(3);
    m_tabs.SetCurSel(1);
    CRect rc(1, 2, 3, 4);
    for (int bad : {-1, 3, 1000000}) {
        EXPECT_EQ(-1, m_tabs.SetCurSel(bad));
        EXPECT_FALSE(m_tabs.DeleteItem(bad));
        EXPECT_FALSE(m_tabs._DeleteItem(bad));
        EXPECT_FALSE(m_tabs.GetItemRect(bad, &rc));
        EXPECT_EQ(nullptr, m_tabs.GetItemText(bad));
        EXPECT_FALSE(m_tabs.SetItemText(bad, "x"));
        EXPECT_EQ(nullptr, m_tabs.GetItemWindow(bad));
        EXPECT_EQ("", m_tabs.GetTipText(bad));
        m_tabs.SetTipText(bad, "x");
    }
    EXPECT_EQ(-1, m_tabs.InsertItem(4, "past the end"));
    EXPECT_EQ(-1, m_tabs.InsertItem(-1, "before the start"));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_FALSE(m_tabs.GetItemRect(0, nullptr));
    EXPECT_EQ(-1, m_tabs.HitTest(nullptr));
    EXPECT_EQ(3, m_tabs.GetItemCount());
    EXPECT_EQ(1, m_tabs.GetCurSel());

    // A null caption is an empty one.
    ASSERT_EQ(3, m_tabs.InsertItem(3, static_cast<LPCTSTR>(nullptr)));
    EXPECT_STREQ("", m_tabs.GetItemText(3));

    // A control that has no window yet takes no tabs.
    CKXFlatTabCtrl unborn;
    EXPECT_EQ(-1, unborn.InsertItem(0, "x"));
    EXPECT_EQ(-1, unborn.SetCurSel(0));
    unborn.DeleteAllItems();
}

TEST_F(FlatTabCtrlTest, AWindowDestroyedBehindTheControlsBack) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    CPaneWnd* a = NewPane(RGB(255, 0, 0));
    CPaneWnd* b = NewPane(RGB(0, 255, 0));
    m_tabs.InsertItem(0, "A", a);
    m_tabs.InsertItem(1, "B", b);
    HWND hA = a->m_hWnd;
    a->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hA));

    // Every operation that reaches the window passes it by.
    EXPECT_EQ(nullptr, m_tabs.GetItemWindow(0));
    EXPECT_EQ(1, m_tabs.SetCurSel(0));
    m_tabs.SyncScrollBar();
    m_tabs.MoveWindow(0, 0, 350, 250);
    kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_EQ(0, m_tabs.SetCurSel(1));
    EXPECT_TRUE(Visible(b));
    ASSERT_TRUE(m_tabs.DeleteItem(0));
    EXPECT_EQ(0, m_tabs.GetCurSel());
    EXPECT_EQ(b, m_tabs.GetItemWindow(0));
}

TEST_F(FlatTabCtrlTest, AThousandTabsScrollAndPaint) {
    Create(KX_FTS_HASHOMEEND);
    AddTabs(1000);
    // Each insertion selected the new tab and scrolled it into view.
    EXPECT_EQ(999, m_tabs.GetCurSel());
    CRect rc;
    ASSERT_TRUE(m_tabs.GetItemRect(999, &rc));
    EXPECT_LE(rc.right, 400);
    EXPECT_GE(rc.left, Layout().GetArrowAreaWidth());
    EXPECT_EQ(999, Layout().HitTest((rc.left + rc.right) / 2));

    // The middle one, painted where its rectangle says: the selected
    // background inside, and its neighbours' grey around it.
    m_tabs.SetCurSel(500);
    ASSERT_TRUE(m_tabs.GetItemRect(500, &rc));
    EXPECT_GE(rc.left, Layout().GetArrowAreaWidth());
    EXPECT_LE(rc.right, 400);
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_PIXEL(cap, (rc.left + rc.right) / 2, rc.bottom - 1, ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(500, Layout().HitTest((rc.left + rc.right) / 2));

    // The last button shows the end, the first one the start.
    m_tabs.SendMessage(WM_COMMAND, ID_KX_FLATTAB_END);
    ASSERT_TRUE(m_tabs.GetItemRect(999, &rc));
    EXPECT_EQ(399, rc.right);
    m_tabs.Home();
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc));
    EXPECT_EQ(Layout().GetArrowAreaWidth(), rc.left);

    m_tabs.DeleteAllItems();
    EXPECT_EQ(0, m_tabs.GetItemCount());
}

TEST_F(FlatTabCtrlTest, AUsersColoursSurviveASystemColourChange) {
    Create(KX_FTS_HASARROWS);
    m_tabs.SetSelTabBackColor(RGB(1, 2, 3));
    m_tabs.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(1, 2, 3), m_tabs.GetSelTabBackColor());
    // Asking for the defaults clears the user's mark: the next change follows the system.
    m_tabs.UpdateDefaultColors();
    m_tabs.SetTabTextColor(RGB(4, 5, 6));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), m_tabs.GetSelTabBackColor());
    m_tabs.UpdateDefaultColors();
    m_tabs.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), m_tabs.GetTabTextColor());
}

// Windows of this thread: the top-level ones and all their descendants.
BOOL CALLBACK CountChild(HWND, LPARAM l) {
    ++*reinterpret_cast<int*>(l);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM l) {
    ++*reinterpret_cast<int*>(l);
    ::EnumChildWindows(hWnd, CountChild, l);
    return TRUE;
}

int CountThreadWindows() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST_F(FlatTabCtrlTest, ThousandsOfCyclesLeakNothing) {
    // The tabs' own work, a thousand times in one control ...
    Create(KX_FTS_HASHOMEEND | KX_FTS_HSCROLL);
    auto tabCycle = [&] {
        CPaneWnd pane(RGB(9, 9, 9));
        ASSERT_TRUE(pane.Create(&m_tabs));
        m_tabs.InsertItem(0, "One", &pane);
        m_tabs.InsertItem(1, "Two");
        m_tabs.InsertItem(2, "Three");
        m_tabs.SetTabShadowColor(RGB(1, 1, 1));
        m_tabs.SetSelTabBackColor(RGB(2, 2, 2));
        m_tabs.SetCurSel(0);
        m_tabs.SendMessage(WM_COMMAND, ID_KX_FLATTAB_RIGHT);
        m_tabs.SetGripperPosition(40, true);
        kxtest::PrintClient(m_tabs.m_hWnd);
        m_tabs.DeleteItem(0);
        m_tabs.SendMessage(WM_SYSCOLORCHANGE);
        m_tabs.UpdateDefaultColors();
        m_tabs.DeleteAllItems();
        pane.DestroyWindow();
    };
    // ... and whole controls with every part made and destroyed (a top-level
    // tooltip window each, which is slow to make under Wine).
    auto controlCycle = [&] {
        CKXFlatTabCtrl tabs;
        ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | KX_FTS_HASHOMEEND | KX_FTS_HSCROLL | KX_FTS_TOOLTIPS,
                                CRect(0, 0, 300, 200), &m_host, 5));
        tabs.InsertItem(0, "One");
        tabs.InsertItem(1, "Two");
        kxtest::PrintClient(tabs.m_hWnd);
    };
    // Wine keeps the window contexts a cycle used in a cache: fill it first.
    tabCycle();
    controlCycle();
    kxtest::PumpUntilIdle();
    tabCycle();
    const int nWindows = CountThreadWindows();
    EXPECT_NO_GDI_LEAK({
        for (int i = 0; i < 1000; ++i) tabCycle();
        for (int i = 0; i < 40; ++i) controlCycle();
        kxtest::PumpUntilIdle();
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    });
    EXPECT_EQ(nWindows, CountThreadWindows());
}

}  // namespace
