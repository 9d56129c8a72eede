#include "bars/menu_item_layout.h"

#include "bars/menu_check_glyph.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

TEST(MenuItemLayout, CellsSitInTheImageColumn) {
    // A 19-pixel item with the default 16 x 15 icon: no room to centre.
    KX_MENU_ITEM_LAYOUT lay = KXLayoutMenuItem(CRect(10, 100, 210, 119), 16, 15, true, false);
    EXPECT_EQ(0, lay.dy);
    EXPECT_EQ(CRect(10, 100, 30, 119), lay.rcImageCell);
    EXPECT_EQ(CRect(11, 101, 29, 118), lay.rcImageInside);
    EXPECT_EQ(CPoint(12, 102), lay.ptImage);
    EXPECT_EQ(CRect(11, 102, 27, 117), lay.rcCheck);
    EXPECT_EQ(CRect(31, 100, 210, 119), lay.rcHighlight);
    EXPECT_EQ(CRect(35, 100, 210, 119), lay.rcText);

    // A taller item centres the cell; a tab pulls the text's right edge in.
    lay = KXLayoutMenuItem(CRect(0, 0, 100, 30), 16, 15, false, true);
    EXPECT_EQ(5, lay.dy);
    EXPECT_EQ(CRect(0, 5, 20, 24), lay.rcImageCell);
    EXPECT_EQ(CRect(0, 0, 100, 30), lay.rcHighlight);  // no image column kept
    EXPECT_EQ(CRect(25, 0, 84, 30), lay.rcText);

    // An item lower than its icon never moves the cell up.
    EXPECT_EQ(0, KXLayoutMenuItem(CRect(0, 0, 100, 10), 20, 20, true, false).dy);
}

TEST(MenuItemLayout, MeasuredSizes) {
    EXPECT_EQ(CSize(0, 9), KXMeasureMenuItem(true, 500, 19, 16, 15));
    EXPECT_EQ(CSize(40 + 33, 19), KXMeasureMenuItem(false, 40, 19, 16, 15));
    EXPECT_EQ(CSize(40 + 41, 24), KXMeasureMenuItem(false, 40, 19, 20, 20));
    // The first shell generation: (w + 3) widened by three average characters.
    EXPECT_EQ(63 + 3 * (63 / 10), KXWidenOldShellTextWidth(60, 10));
    EXPECT_EQ(3, KXWidenOldShellTextWidth(0, 0));  // empty text: no division
}

TEST(MenuCheckGlyph, TwentyOnePixelsThreePerColumn) {
    POINT pts[KX_CHECK_GLYPH_PIXELS];
    KXCheckGlyphPixels(10, 20, pts);
    std::set<std::pair<int, int>> set;
    for (const POINT& pt : pts) set.insert({pt.x, pt.y});
    ASSERT_EQ(21u, set.size());
    const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int col = 0; col < 7; ++col)
        for (int row = -1; row <= 3; ++row)
            EXPECT_EQ(row >= 0 && row < 3, set.count({10 + col, 20 + tops[col] + row}) == 1)
                << "column " << col << " row " << row;
}

}  // namespace
