// What the flat tab strip paints, read back from pixels in the classic
// colours: face 0xC0C0C0, shadow 0x808080, highlight and window white,
// text black.  Positions come from the control's layout, whose arithmetic
// the native tests check; here the question is what lands on them.
#include "tabs/flat_tab_fixture.h"

#include "support/capture.h"
#include "support/input.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using FlatTabDrawTest = kxtest::FlatTabTest;

COLORREF Sys(int n) { return ::GetSysColor(n); }

// The middle pixel of the first (or last) column of a button's arrow.
CPoint ArrowPixel(const CRect& rcButton, UINT nShape, bool bStopBar = false) {
    const auto lines = KXLayoutFlatTabArrow(rcButton, nShape);
    const KX_FLATTAB_LINE& line = bStopBar ? lines.back() : lines.front();
    return CPoint(line.ptFrom.x, (line.ptFrom.y + line.ptTo.y) / 2);
}

TEST_F(FlatTabDrawTest, SelectedTabOpensIntoTheWindowsUnselectedOnesSitBehind) {
    Create(KX_FTS_HASARROWS);
    AddTabs(12);
    m_tabs.SetCurSel(1);
    m_tabs.Home();
    const int h = Layout().GetTabHeight(), hh = h / 2;
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    kxtest::WritePng(cap, "strip");

    CRect rc0, rc1, rcLast;
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc0));
    ASSERT_TRUE(m_tabs.GetItemRect(1, &rc1));
    const int cx1 = Layout().GetCaptionWidth(1);

    // The selected tab: outlined in the text colour, its wide side open in
    // the window colour, a shadow along its narrow side.
    EXPECT_PIXEL(cap, rc1.left, h - 1, Sys(COLOR_BTNTEXT));
    EXPECT_PIXEL(cap, rc1.left + 1, h - 1, Sys(COLOR_WINDOW));
    EXPECT_PIXEL(cap, rc1.right - 2, h - 1, Sys(COLOR_WINDOW));
    EXPECT_PIXEL(cap, rc1.right - 1, h - 1, Sys(COLOR_BTNTEXT));
    EXPECT_PIXEL(cap, rc1.left + hh - 1, 0, Sys(COLOR_BTNTEXT));
    EXPECT_PIXEL(cap, rc1.left + hh, 0, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc1.left + cx1 + 2 * hh - 2, 0, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc1.left + hh + 1, h - 3, Sys(COLOR_WINDOW));
    const int yText = 0;
    EXPECT_RECT_CONTAINS(cap, CRect(rc1.left + hh, yText, rc1.left + hh + cx1 + hh, h - 1), Sys(COLOR_WINDOWTEXT));

    // An unselected tab: a shadow along both sides, its narrow side's ends
    // left in the outline's colour, its caption in the text colour.
    EXPECT_PIXEL(cap, rc0.left, h - 1, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc0.left + 5, h - 1, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc0.left + hh - 1, 0, Sys(COLOR_BTNTEXT));
    EXPECT_PIXEL(cap, rc0.left + hh, 0, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc0.left + hh + 1, h - 3, Sys(COLOR_BTNFACE));
    EXPECT_RECT_CONTAINS(cap, CRect(rc0.left + hh, 0, rc1.left, h - 1), Sys(COLOR_BTNTEXT));
    // The selected tab lies over its left neighbour's right end.
    EXPECT_PIXEL(cap, rc1.left + 2, h - 1, Sys(COLOR_WINDOW));

    // Tabs scrolled out at the right are cut at the window's edge; the strip
    // ends in the shadow line facing the windows.
    EXPECT_PIXEL(cap, 399, h - 1, Sys(COLOR_BTNSHADOW));

    // The left button is disabled at the start (a grey arrow), the right one
    // enabled (a black arrow); both are raised.
    const CRect rcLeft = Layout().GetButtonRect(0), rcRight = Layout().GetButtonRect(1);
    EXPECT_PIXEL(cap, rcLeft.left, rcLeft.top, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_PIXEL(cap, rcLeft.right - 1, rcLeft.bottom - 1, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rcLeft.left + 2, rcLeft.top + 2, Sys(COLOR_BTNFACE));
    const CPoint ptLeft = ArrowPixel(rcLeft, KX_FTB_POINTLEFT), ptRight = ArrowPixel(rcRight, 0);
    EXPECT_PIXEL(cap, ptLeft.x, ptLeft.y, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, ptRight.x, ptRight.y, Sys(COLOR_BTNTEXT));
    // Above the buttons, the strip's first row.
    EXPECT_PIXEL(cap, 3, 0, Sys(COLOR_BTNFACE));

    // Scrolled to the end, the two swap.
    m_tabs.SendMessage(WM_COMMAND, ID_KX_FLATTAB_END);
    const kxtest::Capture end = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_PIXEL(end, ptLeft.x, ptLeft.y, Sys(COLOR_BTNTEXT));
    EXPECT_PIXEL(end, ptRight.x, ptRight.y, Sys(COLOR_BTNSHADOW));
    ASSERT_TRUE(m_tabs.GetItemRect(11, &rcLast));
    EXPECT_PIXEL(end, rcLast.right - 1, h - 1, Sys(COLOR_BTNSHADOW));
}

TEST_F(FlatTabDrawTest, AlongTheBottomTheFigureIsMirrored) {
    Create(KX_FTS_BOTTOM | KX_FTS_HASARROWS);
    AddTabs(3);
    m_tabs.SetCurSel(1);
    const int h = Layout().GetTabHeight(), hh = h / 2, top = 300 - h;
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    kxtest::WritePng(cap, "bottom");
    CRect rc0, rc1;
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc0));
    ASSERT_TRUE(m_tabs.GetItemRect(1, &rc1));
    ASSERT_EQ(top, rc1.top);

    // Wide sides on top, toward the windows; the selected one open.
    EXPECT_PIXEL(cap, rc1.left + 1, top, Sys(COLOR_WINDOW));
    EXPECT_PIXEL(cap, rc1.left + hh, top + h - 1, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rc0.left + 3, top, Sys(COLOR_BTNSHADOW));
    // The highlight runs down inside the unselected tab's left edge.
    EXPECT_RECT_CONTAINS(cap, CRect(rc0.left + 1, top + 2, rc0.left + 5, top + 6), Sys(COLOR_BTNHIGHLIGHT));
    // The strip's edge line is its first row; the arrow area starts a row lower.
    EXPECT_PIXEL(cap, 399, top, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, 399, top + 1, Sys(COLOR_BTNFACE));
    EXPECT_PIXEL(cap, 0, top + 1, Sys(COLOR_BTNHIGHLIGHT));
}

TEST_F(FlatTabDrawTest, FirstAndLastButtonsCarryStopBars) {
    Create(KX_FTS_HASHOMEEND);
    AddTabs(20);
    m_tabs.Home();
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    kxtest::WritePng(cap, "home-end");
    ASSERT_EQ(4, Layout().GetButtonCount());
    // Home and left disabled at the start; right and end enabled.
    const CPoint home = ArrowPixel(Layout().GetButtonRect(0), KX_FTB_POINTLEFT | KX_FTB_STOPBAR, true);
    const CPoint end = ArrowPixel(Layout().GetButtonRect(3), KX_FTB_STOPBAR, true);
    EXPECT_PIXEL(cap, home.x, home.y, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, end.x, end.y, Sys(COLOR_BTNTEXT));
    // The bar is one column past the arrow's tip, which is lower.
    EXPECT_PIXEL(cap, end.x, Layout().GetButtonRect(3).top + 2, Sys(COLOR_BTNFACE));
    CRect rc0;
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc0));
    EXPECT_EQ(4 * Layout().GetButtonWidth(), rc0.left);
}

TEST_F(FlatTabDrawTest, ThePressedButtonIsSunkenUntilReleased) {
    Create(KX_FTS_HASARROWS);
    AddTabs(20);
    m_tabs.Home();
    const CRect rcRight = Layout().GetButtonRect(1);
    kxtest::PostMouseDown(m_tabs.m_hWnd, rcRight.CenterPoint());
    kxtest::PumpUntilIdle();
    EXPECT_EQ(m_tabs.m_hWnd, ::GetCapture());
    kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_PIXEL(cap, rcRight.left, rcRight.top, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rcRight.right - 1, rcRight.bottom - 1, Sys(COLOR_BTNHIGHLIGHT));

    kxtest::PostMouseUp(m_tabs.m_hWnd, rcRight.CenterPoint());
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, ::GetCapture());
    cap = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_PIXEL(cap, rcRight.left, rcRight.top, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_GT(Layout().GetScrollOffset(), 0);
}

TEST_F(FlatTabDrawTest, TheGripperSitsBetweenTheTabsAndTheScrollBar) {
    Create(KX_FTS_HASARROWS | KX_FTS_HSCROLL);
    AddTabs(20);
    m_tabs.Home();
    const int h = Layout().GetTabHeight();
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    kxtest::WritePng(cap, "hscroll");
    const CRect rcGrip = Layout().GetGripperRect();
    ASSERT_EQ(400 * 60 / 100, rcGrip.left);
    EXPECT_PIXEL(cap, rcGrip.left, 0, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_PIXEL(cap, rcGrip.right - 1, h - 1, Sys(COLOR_BTNSHADOW));
    EXPECT_PIXEL(cap, rcGrip.left + 2, h / 2, Sys(COLOR_BTNFACE));
    // No tab reaches past the gripper's left edge.
    EXPECT_PIXEL(cap, rcGrip.left - 1, h - 1, Sys(COLOR_BTNSHADOW));

    // The scroll bar is a real one, where the layout puts it; right of it
    // the strip is plain face.
    CRect rcBar;
    CScrollBar* pBar = m_tabs.GetScrollBarCtrl(SB_HORZ);
    ASSERT_NE(nullptr, pBar);
    pBar->GetWindowRect(&rcBar);
    m_tabs.ScreenToClient(&rcBar);
    EXPECT_EQ(Layout().GetScrollBarRect(), rcBar);
    EXPECT_EQ(59904, pBar->GetDlgCtrlID());
    EXPECT_PIXEL(cap, 400 - h / 2, h / 2, Sys(COLOR_BTNFACE));
    EXPECT_EQ(nullptr, m_tabs.GetScrollBarCtrl(SB_VERT));
}

TEST_F(FlatTabDrawTest, UserColoursAndTheirPens) {
    Create(KX_FTS_BOTTOM | KX_FTS_HASARROWS);
    AddTabs(3);
    m_tabs.SetCurSel(1);
    const COLORREF kRed = RGB(255, 0, 0), kYellow = RGB(255, 255, 0), kBlue = RGB(0, 0, 255),
                   kGreen = RGB(0, 128, 0), kPink = RGB(255, 128, 192), kCyan = RGB(0, 255, 255);
    m_tabs.SetSelTabBackColor(kRed);
    m_tabs.SetTabBackColor(kYellow);
    m_tabs.SetTabTextColor(kBlue);
    m_tabs.SetSelTabTextColor(kCyan);
    m_tabs.SetTabShadowColor(kGreen);
    m_tabs.SetTabHilightColor(kPink);
    m_tabs.Invalidate();
    const int h = Layout().GetTabHeight(), hh = h / 2, top = 300 - h;
    const kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    kxtest::WritePng(cap, "colours");
    CRect rc0, rc1;
    ASSERT_TRUE(m_tabs.GetItemRect(0, &rc0));
    ASSERT_TRUE(m_tabs.GetItemRect(1, &rc1));

    EXPECT_PIXEL(cap, rc1.left + 1, top, kRed);               // selected fill and wide side
    EXPECT_PIXEL(cap, rc1.left + hh + 1, top + 2, kRed);
    EXPECT_PIXEL(cap, rc0.left + hh + 1, top + h - 3, kYellow);  // unselected fill
    EXPECT_PIXEL(cap, rc0.left + 3, top, kGreen);             // shadow pen re-created
    EXPECT_PIXEL(cap, 399, top, kGreen);
    EXPECT_RECT_CONTAINS(cap, CRect(rc0.left + 1, top + 2, rc0.left + 5, top + 6), kPink);
    EXPECT_RECT_CONTAINS(cap, CRect(rc0.left + hh, top, rc1.left, top + h), kBlue);
    EXPECT_RECT_CONTAINS(cap, CRect(rc1.left + hh, top, rc1.right - hh, top + h), kCyan);
    // The text colour has no pen of its own: outlines keep the old one.
    EXPECT_PIXEL(cap, rc0.left + hh - 1, top + h - 1, Sys(COLOR_BTNTEXT));
}

TEST_F(FlatTabDrawTest, WithoutTabsTheWindowAreaIsErasedToTheFace) {
    Create(KX_FTS_HASARROWS);
    const int h = Layout().GetTabHeight();
    kxtest::Capture cap = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_RECT_COLOUR(cap, CRect(0, h, 400, 300), Sys(COLOR_BTNFACE));
    EXPECT_RECT_COLOUR(cap, CRect(Layout().GetArrowAreaWidth(), h - 1, 400, h), Sys(COLOR_BTNSHADOW));

    // With a tab and its window, the window shows beside the strip.
    kxtest::CPaneWnd* pane = NewPane(RGB(10, 200, 30));
    m_tabs.InsertItem(0, "Pane", pane);
    cap = kxtest::PrintClient(m_tabs.m_hWnd);
    EXPECT_RECT_COLOUR(cap, CRect(0, h, 400, 300), RGB(10, 200, 30));
}

}  // namespace
