#include "tabs/flat_tab_shape.h"

#include "tabs/flat_tab_layout.h"

#include <gtest/gtest.h>

namespace {

bool Same(const KX_FLATTAB_LINE& line, eKXFLATTABPEN ePen, CPoint from, CPoint to) {
    return line.ePen == ePen && line.ptFrom == from && line.ptTo == to;
}

TEST(FlatTabShape, UnselectedTabAlongTheTop) {
    // h = 17 (hh = 8), caption 30 wide and 13 high, at x = 5.
    const KX_FLATTAB_SHAPE s = KXLayoutFlatTab(CPoint(5, 0), 17, 30, 13, false, false);
    EXPECT_EQ(55, s.cxTab);
    // Wide side at the bottom, facing the windows.
    EXPECT_EQ(CPoint(5, 16), s.ptPolygon[0]);
    EXPECT_EQ(CPoint(12, 0), s.ptPolygon[1]);
    EXPECT_EQ(CPoint(51, 0), s.ptPolygon[2]);
    EXPECT_EQ(CPoint(59, 16), s.ptPolygon[3]);
    EXPECT_EQ(CRect(17, 1, 47, 14), s.rcCaption);
    ASSERT_EQ(3, s.nLines);
    EXPECT_TRUE(Same(s.lines[0], KX_FTPEN_HILITE, CPoint(6, 16), CPoint(14, 33)));
    EXPECT_TRUE(Same(s.lines[1], KX_FTPEN_SHADOW, CPoint(5, 16), CPoint(60, 16)));
    EXPECT_TRUE(Same(s.lines[2], KX_FTPEN_SHADOW, CPoint(13, 0), CPoint(51, 0)));
}

TEST(FlatTabShape, SelectedTabOpensIntoTheWindows) {
    const KX_FLATTAB_SHAPE s = KXLayoutFlatTab(CPoint(5, 0), 17, 30, 13, true, false);
    ASSERT_EQ(2, s.nLines);
    EXPECT_TRUE(Same(s.lines[0], KX_FTPEN_SHADOW, CPoint(13, 0), CPoint(50, 0)));
    // The wide side painted over inside the outline's corners.
    EXPECT_TRUE(Same(s.lines[1], KX_FTPEN_SELBACK, CPoint(6, 16), CPoint(59, 16)));

    // Along the bottom edge the figure is mirrored: the wide side on top.
    const KX_FLATTAB_SHAPE b = KXLayoutFlatTab(CPoint(5, 0), 17, 30, 13, true, true);
    EXPECT_EQ(CPoint(5, 0), b.ptPolygon[0]);
    EXPECT_EQ(CPoint(12, 16), b.ptPolygon[1]);
    EXPECT_EQ(CPoint(51, 16), b.ptPolygon[2]);
    EXPECT_EQ(CPoint(59, 0), b.ptPolygon[3]);
    EXPECT_TRUE(Same(b.lines[0], KX_FTPEN_SHADOW, CPoint(13, 16), CPoint(50, 16)));
    EXPECT_TRUE(Same(b.lines[1], KX_FTPEN_SELBACK, CPoint(6, 0), CPoint(59, 0)));
    const KX_FLATTAB_SHAPE u = KXLayoutFlatTab(CPoint(5, 0), 17, 30, 13, false, true);
    EXPECT_TRUE(Same(u.lines[0], KX_FTPEN_HILITE, CPoint(6, 0), CPoint(14, 17)));

    // An even height and a tall caption: the caption box rises above the tab.
    const KX_FLATTAB_SHAPE e = KXLayoutFlatTab(CPoint(0, 0), 16, 10, 20, false, false);
    EXPECT_EQ(CRect(12, -3, 22, 17), e.rcCaption);
    EXPECT_EQ(CPoint(33, 15), e.ptPolygon[3]);
}

TEST(FlatTabShape, ArrowsPointAndStop) {
    // A 16 x 16 button: s = 10, top 4, first column 5 in from the edge.
    auto right = KXLayoutFlatTabArrow(CRect(0, 1, 16, 17), 0);
    ASSERT_EQ(5u, right.size());
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Same(right[i], KX_FTPEN_TEXT, CPoint(5 + i, 4 + i), CPoint(5 + i, 14 - i))) << i;

    // Pointing left: the mirror image, the stop bar one column past the tip.
    auto home = KXLayoutFlatTabArrow(CRect(16, 1, 32, 17), KX_FTB_POINTLEFT | KX_FTB_STOPBAR);
    ASSERT_EQ(6u, home.size());
    EXPECT_TRUE(Same(home[0], KX_FTPEN_TEXT, CPoint(26, 4), CPoint(26, 14)));
    EXPECT_TRUE(Same(home[4], KX_FTPEN_TEXT, CPoint(22, 8), CPoint(22, 10)));
    EXPECT_TRUE(Same(home[5], KX_FTPEN_TEXT, CPoint(21, 4), CPoint(21, 14)));

    auto end = KXLayoutFlatTabArrow(CRect(0, 0, 15, 16), KX_FTB_STOPBAR);  // odd width: s = 9
    ASSERT_EQ(6u, end.size());
    EXPECT_TRUE(Same(end[4], KX_FTPEN_TEXT, CPoint(8, 7), CPoint(8, 8)));
    EXPECT_TRUE(Same(end[5], KX_FTPEN_TEXT, CPoint(9, 3), CPoint(9, 12)));

    EXPECT_TRUE(KXLayoutFlatTabArrow(CRect(0, 0, -10, 5), 0).empty());
}

}  // namespace
