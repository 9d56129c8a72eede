#include "colour/color_grid_layout.h"

#include <gtest/gtest.h>

namespace {

const KX_COLOR_MARGINS kPopup{4, 4, 10, 10};

TEST(ColorGridLayout, WindowSizeAndLastIndex) {
    const CRect anchor(100, 50, 180, 70);
    KX_COLOR_GRID_SIZE g = KXColorGridSize(anchor, kPopup, 0, 0);
    EXPECT_EQ(CRect(100, 70, 100 + 158, 70 + 124 - 28), g.rcWindow);
    EXPECT_EQ(2, g.nRows);
    EXPECT_EQ(17, g.nLast);

    g = KXColorGridSize(anchor, kPopup, KXCPS_40COLORS | KXCPS_USERCOLORS, 0);
    EXPECT_EQ(124 + 34, g.rcWindow.Height());
    EXPECT_EQ(5, g.nRows);
    EXPECT_EQ(41, g.nLast);

    // User colours add a row and extend L; ignored without the style bit.
    g = KXColorGridSize(anchor, kPopup, KXCPS_USERCOLORS, 3);
    EXPECT_EQ(124 + 18 + 8, g.rcWindow.Height());
    EXPECT_EQ(20, g.nLast);
    EXPECT_EQ(17, KXColorGridSize(anchor, kPopup, 0, 3).nLast);
}

TEST(ColorGridLayout, CellsOf16ColourGrid) {
    const auto cells = KXLayoutColorCells(158, kPopup, 0, 0x00FF00, 0x000000, {});
    ASSERT_EQ(17u, cells.size());  // no bottom item without the user-colour bit
    EXPECT_EQ(CRect(4, 4, 148, 27), cells[0].rc);
    EXPECT_EQ(IDS_KXCOLOR_AUTO, cells[0].nTextID);
    EXPECT_FALSE(cells[0].bSelected);
    EXPECT_EQ(CRect(4, 50, 22, 68), cells[1].rc);       // grid 46 below the margin
    EXPECT_EQ(CRect(130, 68, 148, 86), cells[16].rc);   // row 2, column 8
    EXPECT_EQ(19030u, cells[1].nTipID);
    EXPECT_EQ(19076u, cells[16].nTipID);
    for (const auto& c : cells)
        EXPECT_EQ(c.nIndex == 13, c.bSelected) << c.nIndex;  // 0x00FF00 is the 13th
    EXPECT_EQ(13, KXColorCellFromPoint(cells, CPoint(4 + 18 * 4, 68)));
    EXPECT_EQ(-1, KXColorCellFromPoint(cells, CPoint(4, 30)));
}

TEST(ColorGridLayout, SelectionFollowsTheFoundFlag) {
    const std::vector<COLORREF> user{0x123456, 0x000000};
    const DWORD style = KXCPS_40COLORS | KXCPS_USERCOLORS;
    // Current equals default: the automatic item takes the selection, the
    // grid's black does not, but a matching user colour still does.
    auto cells = KXLayoutColorCells(158, kPopup, style, 0x000000, 0x000000, user);
    ASSERT_EQ(44u, cells.size());
    EXPECT_TRUE(cells[0].bSelected);
    EXPECT_FALSE(cells[1].bSelected);
    EXPECT_FALSE(cells[41].bSelected);
    EXPECT_TRUE(cells[42].bSelected);
    EXPECT_EQ(CRect(4, 31 + 90 + 4, 22, 31 + 90 + 22), cells[41].rc);
    EXPECT_EQ(KXCELL_BOTTOM, cells[43].dwType);
    EXPECT_EQ(CRect(4, 31 + 94 + 22, 148, 31 + 94 + 22 + 23), cells[43].rc);
    EXPECT_FALSE(cells[43].bSelected);

    // A custom colour selects only the bottom item; "no fill" selects nothing.
    cells = KXLayoutColorCells(158, kPopup, style | KXCPS_NOFILL, 0xABCDEF, 0, {});
    EXPECT_EQ(IDS_KXCOLOR_NOFILL, cells[0].nTextID);
    EXPECT_TRUE(cells.back().bSelected);
    EXPECT_EQ(0xABCDEFu, cells.back().clr);
    cells = KXLayoutColorCells(158, kPopup, style | KXCPS_NOFILL, KXCOLOR_NOFILL, 0, {});
    for (const auto& c : cells)
        EXPECT_FALSE(c.bSelected);
}

TEST(ColorGridLayout, DialogColoursKeepOneRow) {
    std::vector<COLORREF> user;
    for (COLORREF c = 1; c <= 9; ++c)
        KXAppendDialogColor(user, c);
    ASSERT_EQ(8u, user.size());
    EXPECT_EQ(2u, user.front());
    EXPECT_EQ(9u, user.back());
    EXPECT_EQ(0u, KXFixedColorString(true, 40));
    EXPECT_EQ(0u, KXFixedColorString(false, -1));
}

}  // namespace
