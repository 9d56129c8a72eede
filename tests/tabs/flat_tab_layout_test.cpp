#include "tabs/flat_tab_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

// h = 17, buttons 16 wide: overlap 10, a tab is its caption + 25 wide and
// advances the row by caption + 15.
CKXFlatTabLayout MakeLayout(UINT nStyle, int cx = 300, int cy = 200) {
    CKXFlatTabLayout lay;
    lay.SetMetrics(16, 17);
    lay.SetStyle(nStyle);
    lay.SetClientSize(cx, cy);
    return lay;
}

// n tabs whose caption is 50 wide in either font: each 75 wide, 65 apart.
CKXFlatTabLayout EvenTabs(int n, UINT nStyle = KX_FTS_HASARROWS) {
    CKXFlatTabLayout lay = MakeLayout(nStyle);
    for (int i = 0; i < n; ++i) lay.InsertTab(i, 50, 50);
    return lay;
}

TEST(FlatTabLayout, WidthsOverlapAndPositionsFollowTheSelectedFont) {
    CKXFlatTabLayout lay = MakeLayout(KX_FTS_HASARROWS);
    EXPECT_EQ(10, lay.GetOverlap());
    EXPECT_EQ(0, lay.GetTotalTabWidth());
    ASSERT_TRUE(lay.InsertTab(0, 30, 34));
    ASSERT_TRUE(lay.InsertTab(1, 40, 44));
    ASSERT_TRUE(lay.InsertTab(2, 50, 54));
    EXPECT_EQ(0, lay.GetCurSel());  // the first tab made the selection 0

    // The selected tab measures in the bold font: 34 + 17 + 8.
    EXPECT_EQ(59, lay.GetTabWidth(0));
    EXPECT_EQ(65, lay.GetTabWidth(1));
    EXPECT_EQ(75, lay.GetTabWidth(2));
    EXPECT_EQ(49, lay.GetTabStart(1));
    EXPECT_EQ(104, lay.GetTabStart(2));
    EXPECT_EQ(59 + 65 + 75 - 2 * 10, lay.GetTotalTabWidth());

    // Two buttons of 16 in front; the rectangle spans the strip.
    EXPECT_EQ(32, lay.GetArrowAreaWidth());
    EXPECT_EQ(268, lay.GetTabAreaWidth());
    CRect rc;
    ASSERT_TRUE(lay.GetItemRect(1, rc));
    EXPECT_EQ(CRect(81, 0, 146, 17), rc);

    // Selecting another tab moves the extra width with it.
    lay.Select(2);
    EXPECT_EQ(55, lay.GetTabWidth(0));
    EXPECT_EQ(45, lay.GetTabStart(1));
    EXPECT_EQ(79, lay.GetTabWidth(2));
    EXPECT_EQ(55 + 65 + 79 - 20, lay.GetTotalTabWidth());

    // Out of range: failure values, nothing changed.
    EXPECT_FALSE(lay.GetItemRect(3, rc));
    EXPECT_FALSE(lay.GetItemRect(-1, rc));
    EXPECT_EQ(-1, lay.Select(3));
    EXPECT_EQ(2, lay.GetCurSel());
    EXPECT_FALSE(lay.InsertTab(5, 10, 10));
    EXPECT_FALSE(lay.RemoveTab(3));
    EXPECT_FALSE(lay.SetCaptionWidths(-1, 1, 1));
    EXPECT_EQ(3, lay.GetCount());
}

TEST(FlatTabLayout, StripWindowAndButtonsAlongTheBottom) {
    CKXFlatTabLayout lay = MakeLayout(KX_FTS_BOTTOM | KX_FTS_HASARROWS);
    EXPECT_EQ(CRect(0, 183, 300, 200), lay.GetStripRect());
    EXPECT_EQ(CRect(0, 0, 300, 183), lay.GetWindowRect());
    EXPECT_EQ(CRect(16, 184, 32, 200), lay.GetButtonRect(1));
    EXPECT_EQ(1, lay.ButtonHitTest(CPoint(20, 190)));
    EXPECT_EQ(-1, lay.ButtonHitTest(CPoint(20, 183)));  // the strip's first row is not the button's
    EXPECT_EQ(-1, lay.ButtonHitTest(CPoint(40, 190)));  // only two exist
    EXPECT_EQ(4, MakeLayout(KX_FTS_HASHOMEEND).GetButtonCount());  // first/last bring the arrows

    // A window lower than the strip leaves the windows no room, not less.
    EXPECT_EQ(0, MakeLayout(0, 100, 10).GetWindowRect().Height());
}

TEST(FlatTabLayout, HitRangesAreClosedAndTheFirstTabWins) {
    CKXFlatTabLayout lay = MakeLayout(KX_FTS_HASARROWS);
    lay.InsertTab(0, 30, 34);
    lay.InsertTab(1, 40, 44);
    lay.InsertTab(2, 50, 54);
    // Row ranges: tab 0 [0, 49], tab 1 [49, 104], tab 2 (last) [104, 179].
    EXPECT_EQ(-1, lay.HitTest(31));  // the arrow area
    EXPECT_EQ(0, lay.HitTest(32));
    EXPECT_EQ(0, lay.HitTest(32 + 49));  // shared edge: the earlier tab
    EXPECT_EQ(1, lay.HitTest(32 + 50));
    EXPECT_EQ(2, lay.HitTest(32 + 179));  // the last tab's whole width
    EXPECT_EQ(-1, lay.HitTest(32 + 180));

    lay.SetScrollOffset(60);
    EXPECT_EQ(1, lay.HitTest(32));
    EXPECT_EQ(-1, lay.HitTest(32 + 120));

    // With the scroll bar nothing right of the gripper's left edge is a tab.
    lay = MakeLayout(KX_FTS_HSCROLL, 400);
    for (int i = 0; i < 10; ++i) lay.InsertTab(i, 50, 50);
    lay.SetGripperPosition(100, false);
    EXPECT_EQ(1, lay.HitTest(100));
    EXPECT_EQ(-1, lay.HitTest(101));
}

TEST(FlatTabLayout, SelectionScrollsTheTabIntoView) {
    CKXFlatTabLayout lay = EvenTabs(20);  // tab area 268
    EXPECT_EQ(0, lay.Select(10));
    EXPECT_EQ(10 * 65 + 75 - 268, lay.GetScrollOffset());  // right edge at the area's end
    EXPECT_EQ(10, lay.Select(2));
    EXPECT_EQ(130, lay.GetScrollOffset());  // left edge at the arrows
    lay.Select(3);  // already in view
    EXPECT_EQ(130, lay.GetScrollOffset());
}

TEST(FlatTabLayout, InsertAndDeleteKeepTheSelectionOnItsTab) {
    CKXFlatTabLayout lay = EvenTabs(5);
    lay.SetSelIndex(2);
    lay.InsertTab(2, 10, 10);  // at the selection: it moves on
    EXPECT_EQ(3, lay.GetCurSel());
    lay.InsertTab(6, 10, 10);  // after it: stays
    EXPECT_EQ(3, lay.GetCurSel());

    lay.RemoveTab(0);
    EXPECT_FALSE(lay.AfterDelete(0));
    EXPECT_EQ(2, lay.GetCurSel());
    lay.RemoveTab(2);
    EXPECT_TRUE(lay.AfterDelete(2));  // the selected one: the caller selects 0
    EXPECT_EQ(0, lay.GetCurSel());
    while (lay.RemoveTab(0)) lay.AfterDelete(0);
    EXPECT_EQ(-1, lay.GetCurSel());
    EXPECT_EQ(0, lay.GetTotalTabWidth());
}

TEST(FlatTabLayout, ScrollButtonsStepOneTabAndEnableAtTheEnds) {
    CKXFlatTabLayout lay = EvenTabs(20);  // total 19 * 65 + 75 = 1310, area 268
    EXPECT_FALSE(lay.IsLeftEnabled());
    EXPECT_TRUE(lay.IsRightEnabled());

    lay.ScrollRight();
    EXPECT_EQ(65, lay.GetScrollOffset());
    lay.ScrollRight();
    EXPECT_EQ(130, lay.GetScrollOffset());
    EXPECT_TRUE(lay.IsLeftEnabled());
    lay.ScrollLeft();
    EXPECT_EQ(65, lay.GetScrollOffset());
    lay.SetScrollOffset(100);  // part-way into tab 1: left shows tab 0 whole
    lay.ScrollLeft();
    EXPECT_EQ(0, lay.GetScrollOffset());
    lay.ScrollLeft();  // at the start: stays
    EXPECT_EQ(0, lay.GetScrollOffset());

    lay.ScrollEnd();
    EXPECT_EQ(1310 - 268 + 1, lay.GetScrollOffset());
    EXPECT_FALSE(lay.IsRightEnabled());  // the last tab fits
    lay.SetScrollOffset(1310 - 268);
    EXPECT_TRUE(lay.IsRightEnabled());
    lay.ScrollHome();
    EXPECT_EQ(0, lay.GetScrollOffset());

    // Everything fits: nothing to scroll either way, and end stays at 0.
    lay = EvenTabs(2);
    EXPECT_FALSE(lay.IsRightEnabled());
    lay.ScrollEnd();
    EXPECT_EQ(0, lay.GetScrollOffset());
}

TEST(FlatTabLayout, GripperClampsAndKeepsItsShare) {
    CKXFlatTabLayout lay = MakeLayout(KX_FTS_HSCROLL | KX_FTS_HASARROWS);
    EXPECT_TRUE(lay.GetGripperRect().IsRectEmpty());  // not placed yet
    lay.SetGripperPosition(60, true);
    EXPECT_EQ(180, lay.GetGripperPosition());
    EXPECT_EQ(CRect(180, 0, 186, 17), lay.GetGripperRect());
    EXPECT_EQ(CRect(186, 0, 283, 18), lay.GetScrollBarRect());
    EXPECT_EQ(148, lay.GetTabAreaWidth());

    // 150 % is past the largest x (300 - 4 buttons - h = 219); the share stays.
    lay.SetGripperPosition(150, true);
    EXPECT_EQ(219, lay.GetGripperPosition());
    EXPECT_EQ(150, lay.GetGripperPercent());
    lay.SetClientSize(500, 200);
    lay.SetGripperPosition(lay.GetGripperPercent(), true);
    EXPECT_EQ(500 - 64 - 17, lay.GetGripperPosition());

    // Pixels: the share follows; below 0 clamps to 0.
    lay.SetGripperPosition(125, false);
    EXPECT_EQ(125, lay.GetGripperPosition());
    EXPECT_EQ(25, lay.GetGripperPercent());
    lay.SetGripperPosition(-40, false);
    EXPECT_EQ(0, lay.GetGripperPosition());

    // At the bottom the bar reaches one row up, toward the windows.
    lay = MakeLayout(KX_FTS_HSCROLL | KX_FTS_BOTTOM);
    lay.SetGripperPosition(60, true);
    EXPECT_EQ(CRect(186, 182, 283, 200), lay.GetScrollBarRect());
}

TEST(FlatTabLayout, VisibleTabsAndHitTestAgreeWithAPlainWalk) {
    std::mt19937 rng(20);
    for (int round = 0; round < 200; ++round) {
        const int h = std::uniform_int_distribution<int>(0, 30)(rng);
        CKXFlatTabLayout lay;
        lay.SetMetrics(16, h);
        lay.SetStyle(KX_FTS_HASARROWS);
        lay.SetClientSize(std::uniform_int_distribution<int>(0, 700)(rng), 100);
        const int n = std::uniform_int_distribution<int>(0, 60)(rng);
        for (int i = 0; i < n; ++i)
            lay.InsertTab(i, std::uniform_int_distribution<int>(0, 80)(rng),
                          std::uniform_int_distribution<int>(0, 90)(rng));
        if (n > 0) lay.SetSelIndex(std::uniform_int_distribution<int>(0, n - 1)(rng));
        lay.SetScrollOffset(std::uniform_int_distribution<int>(0, 3000)(rng));
        const int offset = lay.GetScrollOffset(), area = lay.GetTabAreaWidth();

        int nFirst = 0, nLast = 0;
        lay.GetVisibleTabs(nFirst, nLast);
        for (int i = 0; i < n; ++i) {
            const int start = lay.GetTabStart(i), end = start + lay.GetTabWidth(i);
            const bool bMeets = area > 0 && end > offset && start < offset + area;
            const bool bListed = i >= nFirst && i < nLast;
            // Below h = 2 a tab may start before its neighbour: the range
            // then only has to hold every tab that shows.
            if (h >= 2 || bMeets) {
                EXPECT_EQ(bMeets, bListed) << "round " << round << " tab " << i;
            }
        }
        for (int x = -5; x < lay.GetClientWidth() + 5; x += 3) {
            int expected = -1;
            if (x >= lay.GetArrowAreaWidth()) {
                const int xRow = x - lay.GetArrowAreaWidth() + offset;
                for (int i = 0; i < n && expected < 0; ++i) {
                    const int start = lay.GetTabStart(i);
                    const int end = i + 1 < n ? lay.GetTabStart(i + 1) : start + lay.GetTabWidth(i);
                    if (start <= xRow && xRow <= end) expected = i;
                }
            }
            ASSERT_EQ(expected, lay.HitTest(x)) << "round " << round << " x " << x;
        }
    }
}

TEST(FlatTabLayout, HugeValuesSaturateInsteadOfOverflowing) {
    CKXFlatTabLayout lay;
    lay.SetMetrics(INT_MAX, INT_MAX);  // clamped to 32767 each
    EXPECT_EQ(32767, lay.GetTabHeight());
    lay.SetStyle(KX_FTS_HASHOMEEND | KX_FTS_HSCROLL);
    lay.SetClientSize(INT_MAX, INT_MIN);
    for (int i = 0; i < 100; ++i) lay.InsertTab(0, INT_MAX, INT_MAX);
    EXPECT_EQ(INT_MAX, lay.GetTotalTabWidth());
    lay.Select(99);
    lay.ScrollEnd();
    CRect rc;
    ASSERT_TRUE(lay.GetItemRect(99, rc));
    EXPECT_LE(rc.left, rc.right);
    lay.SetGripperPosition(INT_MAX, true);
    lay.SetGripperPosition(INT_MIN, false);
    EXPECT_EQ(0, lay.GetGripperPosition());
    EXPECT_EQ(-1, lay.HitTest(INT_MAX));
    int nFirst = -1, nLast = -1;
    lay.GetVisibleTabs(nFirst, nLast);
    EXPECT_LE(nFirst, nLast);
}

}  // namespace
