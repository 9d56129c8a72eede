// The arithmetic of docking: bars in rows along an edge, the edge a dragged
// bar lands on, the outline that follows the mouse, and toolbar rows.
#include "base/dock_layout.h"
#include "base/toolbar_wrap.h"

#include <gtest/gtest.h>

namespace {

int a, b, c, d;  // stand-ins for bars

TEST(DockRows, RowsStackAndBarsKeepTheirPlaces) {
    CDockRows rows;
    rows.Insert(&a, CSize(100, 26));
    rows.Insert(&b, CSize(60, 30));
    EXPECT_EQ(56, rows.Layout(500));  // two rows
    EXPECT_EQ(CRect(0, 0, 100, 26), rows.Find(&a)->rect);
    EXPECT_EQ(CRect(0, 26, 60, 56), rows.Find(&b)->rect);

    // Dropped across the first row at x = 150: joins it after a.
    CRect drop(150, 5, 210, 25);
    rows.Insert(&b, CSize(60, 30), &drop);
    ASSERT_EQ(1u, rows.rows.size());
    EXPECT_EQ(30, rows.Layout(500));
    EXPECT_EQ(CRect(150, 0, 210, 30), rows.Find(&b)->rect);

    // Dropped before x = 150 but over a: placed after a, not on it.
    CRect early(20, 0, 80, 20);
    rows.Insert(&c, CSize(80, 20), &early);
    rows.Layout(500);
    EXPECT_EQ(&a, rows.rows[0][0].pBar);
    EXPECT_EQ(&c, rows.rows[0][1].pBar);
    EXPECT_EQ(CRect(100, 0, 180, 20), rows.Find(&c)->rect);
    EXPECT_EQ(180, rows.Find(&b)->rect.left);  // pushed on by c

    // Above every row (negative across) and below: rows of their own.
    CRect above(0, -20, 50, -2), below(0, 60, 50, 80);
    rows.Insert(&d, CSize(50, 22), &above);
    EXPECT_EQ(&d, rows.rows[0][0].pBar);
    rows.Layout(500);
    rows.Insert(&d, CSize(50, 22), &below);
    EXPECT_EQ(&d, rows.rows.back()[0].pBar);
    EXPECT_EQ(2u, rows.rows.size());
    EXPECT_EQ(4, rows.GetCount());

    // Removing the last bar of a row removes the row; unknown bars are refused.
    EXPECT_TRUE(rows.Remove(&d));
    EXPECT_EQ(1u, rows.rows.size());
    EXPECT_FALSE(rows.Remove(&d));
}

TEST(DockRows, ShortEdgePullsBarsBackAndHiddenBarsTakeNothing) {
    CDockRows rows;
    CRect r1(0, 0, 100, 20), r2(300, 0, 400, 20);
    rows.Insert(&a, CSize(100, 20), &r1);
    rows.Layout(1000);
    rows.Insert(&b, CSize(100, 20), &r2);
    // 250 long: b cannot stay at 300; it ends at the edge.
    rows.Layout(250);
    EXPECT_EQ(CRect(150, 0, 250, 20), rows.Find(&b)->rect);
    // 150 long: b goes no further back than a's end; the row overflows.
    rows.Layout(150);
    EXPECT_EQ(CRect(0, 0, 100, 20), rows.Find(&a)->rect);
    EXPECT_EQ(CRect(100, 0, 200, 20), rows.Find(&b)->rect);
    // A hidden bar keeps its slot but takes no room; a row of hidden bars no thickness.
    rows.Find(&a)->bVisible = false;
    rows.Insert(&c, CSize(40, 10));
    rows.Find(&c)->bVisible = false;
    EXPECT_EQ(20, rows.Layout(1000));
    EXPECT_TRUE(rows.Find(&a)->rect.IsRectEmpty());
    EXPECT_EQ(1, rows.GetVisibleCount());
}

TEST(DockEdge, FirstAllowedEdgeThatTheOutlineMeets) {
    // A 400 x 300 frame client at (100, 100) with empty edges (zero thickness).
    const CRect edges[4] = {CRect(100, 100, 500, 100), CRect(100, 400, 500, 400), CRect(100, 100, 100, 400),
                            CRect(500, 100, 500, 400)};
    const DWORD any = 0xF000;
    // Over the top edge, in the horizontal outline.
    EXPECT_EQ(0x2000u, AfxChooseDockEdge(edges, any, CRect(150, 90, 250, 115), CRect(150, 90, 175, 190)));
    // Not allowed on top: the vertical outline meets nothing either.
    EXPECT_EQ(0u, AfxChooseDockEdge(edges, 0x8000 | 0x4000, CRect(150, 90, 250, 115), CRect(150, 90, 175, 190)));
    // The vertical outline across the left edge.
    EXPECT_EQ(0x1000u, AfxChooseDockEdge(edges, any, CRect(90, 200, 190, 225), CRect(90, 200, 115, 300)));
    // Both meet (a corner): top comes first.
    EXPECT_EQ(0x2000u, AfxChooseDockEdge(edges, any, CRect(90, 95, 190, 120), CRect(90, 95, 115, 195)));
    // Inside the client, away from the edges: float.
    EXPECT_EQ(0u, AfxChooseDockEdge(edges, any, CRect(200, 200, 300, 225), CRect(200, 200, 225, 300)));
}

TEST(DockDrag, OutlinesFollowTheMouseAndControlKeyFloats) {
    const CRect edges[4] = {CRect(0, 0, 800, 30), CRect(0, 600, 800, 600), CRect(0, 30, 0, 600),
                            CRect(800, 30, 800, 600)};
    CDockDragTracker drag;
    // A 200 x 30 bar on top grabbed at (10, 15).
    drag.Start(CPoint(10, 15), CRect(0, 0, 200, 30), CSize(200, 30), CSize(30, 200), CSize(210, 50));
    EXPECT_EQ(CRect(0, 0, 200, 30), drag.GetHorzRect());
    EXPECT_EQ(CRect(0, 0, 30, 200), drag.GetVertRect());
    // The floating outline keeps the grabbed point inside.
    EXPECT_TRUE(drag.GetFloatRect().PtInRect(CPoint(10, 15)));

    drag.Move(CPoint(20, 20), false, edges, 0xF000);
    EXPECT_EQ(0x2000u, drag.GetDockEdge());
    EXPECT_EQ(CRect(10, 5, 210, 35), drag.GetOutline());
    drag.Move(CPoint(20, 20), true, edges, 0xF000);  // Ctrl: no docking
    EXPECT_EQ(0u, drag.GetDockEdge());
    EXPECT_EQ(drag.GetFloatRect(), drag.GetOutline());
    drag.Move(CPoint(400, 300), false, edges, 0xF000);
    EXPECT_EQ(0u, drag.GetDockEdge());
    drag.Move(CPoint(795, 300), false, edges, 0xF000);
    EXPECT_EQ(0x4000u, drag.GetDockEdge());
    EXPECT_EQ(drag.GetVertRect(), drag.GetOutline());
}

AFX_TBLAYOUTBUTTON Btn(int cx, int cy = 22) {
    AFX_TBLAYOUTBUTTON b;
    b.size = CSize(cx, cy);
    b.idCommand = 100 + cx;
    return b;
}
AFX_TBLAYOUTBUTTON Sep() {
    AFX_TBLAYOUTBUTTON b;
    b.size = CSize(8, 22);
    b.fsStyle = kAfxTbSep;
    return b;
}

TEST(ToolBarWrap, RowsBreakAtSeparatorsAndColumnsWrapEveryButton) {
    // [23 23] | [23 23 23]
    AFX_TBLAYOUTBUTTON bar[] = {Btn(23), Btn(23), Sep(), Btn(23), Btn(23), Btn(23)};
    const int n = 6;
    EXPECT_EQ(1, AfxWrapToolBar(bar, n, 32767));
    EXPECT_EQ(CSize(123, 22), AfxToolBarLayoutSize(bar, n));

    // 100 wide: the break goes on the separator, which becomes the line between rows.
    EXPECT_EQ(2, AfxWrapToolBar(bar, n, 100));
    EXPECT_TRUE(bar[2].fsState & kAfxTbWrap);
    EXPECT_FALSE(bar[4].fsState & kAfxTbWrap);
    EXPECT_EQ(CSize(69, 22 + 5 + 22), AfxToolBarLayoutSize(bar, n));  // 2/3 of the separator

    // No separator in reach: the break goes before the button that overflows.
    EXPECT_EQ(3, AfxWrapToolBar(bar, n, 50));
    EXPECT_TRUE(bar[2].fsState & kAfxTbWrap);
    EXPECT_TRUE(bar[4].fsState & kAfxTbWrap);

    // One column; wrap states of an earlier layout do not survive.
    EXPECT_EQ(5, AfxWrapToolBar(bar, n, 0));
    EXPECT_EQ(CSize(23, 5 * 22 + 5), AfxToolBarLayoutSize(bar, n));
    AfxWrapToolBar(bar, n, 32767);
    for (const AFX_TBLAYOUTBUTTON& b : bar) EXPECT_FALSE(b.fsState & kAfxTbWrap);

    // Hidden buttons take no room.
    bar[0].fsState |= kAfxTbHidden;
    EXPECT_EQ(CSize(100, 22), AfxToolBarLayoutSize(bar, n));
}

TEST(ToolBarWrap, FitFindsTheNarrowestShapeForAHeight) {
    AFX_TBLAYOUTBUTTON bar[] = {Btn(23), Btn(23), Btn(23), Btn(23), Btn(23), Btn(23)};
    // 70 high fits three rows of two.
    EXPECT_EQ(CSize(46, 66), AfxFitToolBar(bar, 6, 70, false));
    // Too short for any wrapping: one row.
    EXPECT_EQ(CSize(138, 22), AfxFitToolBar(bar, 6, 10, false));
    // Horizontal: as many per row as the width allows.
    EXPECT_EQ(CSize(92, 44), AfxFitToolBar(bar, 6, 100, true));
    EXPECT_EQ(CSize(), AfxFitToolBar(nullptr, 0, 100, true));
}

}  // namespace

TEST(DockSizing, TheDraggedEdgesMoveAndTheOthersStay) {
    const CRect asked(100, 100, 260, 180);
    const CSize got(140, 60);
    EXPECT_EQ(CRect(100, 100, 240, 160), AfxFitSizingRect(asked, got, 2));  // right
    EXPECT_EQ(CRect(120, 100, 260, 160), AfxFitSizingRect(asked, got, 1));  // left
    EXPECT_EQ(CRect(100, 120, 240, 180), AfxFitSizingRect(asked, got, 3));  // top
    EXPECT_EQ(CRect(120, 120, 260, 180), AfxFitSizingRect(asked, got, 4));  // top left
    EXPECT_EQ(CRect(100, 100, 240, 160), AfxFitSizingRect(asked, got, 8));  // bottom right
    EXPECT_EQ(CRect(120, 100, 260, 160), AfxFitSizingRect(asked, got, 7));  // bottom left
    EXPECT_TRUE(AfxSizingByHeight(3));
    EXPECT_TRUE(AfxSizingByHeight(6));
    for (unsigned side : {1u, 2u, 4u, 5u, 7u, 8u}) EXPECT_FALSE(AfxSizingByHeight(side));
}
