// The flat edit's two rings and which look a repaint shows.
#include "edit/flat_edge.h"

#include <gtest/gtest.h>

namespace {

TEST(FlatEdgeTest, TwoRingsJustOutsideTheClientArea) {
    const KX_FLAT_EDGE_COLORS colors = {RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), RGB(250, 250, 250)};
    KX_FLAT_EDGE_RING rings[2];
    KXFlatEdgeRings(CRect(2, 2, 98, 20), true, true, colors, rings);
    EXPECT_EQ(CRect(1, 1, 99, 21), rings[0].rect);
    EXPECT_EQ(CRect(0, 0, 100, 22), rings[1].rect);
    EXPECT_EQ(colors.clrBtnFace, rings[0].clrTopLeft);
    EXPECT_EQ(colors.clrBtnFace, rings[0].clrBottomRight);
    EXPECT_EQ(colors.clrBtnShadow, rings[1].clrTopLeft);  // sunken: dark above and left
    EXPECT_EQ(colors.clrBtnHilite, rings[1].clrBottomRight);

    KXFlatEdgeRings(CRect(2, 2, 98, 20), false, false, colors, rings);
    EXPECT_EQ(colors.clrWindow, rings[0].clrTopLeft);  // disabled inner ring
    EXPECT_EQ(colors.clrBtnFace, rings[1].clrTopLeft);
    EXPECT_EQ(colors.clrBtnFace, rings[1].clrBottomRight);
}

TEST(FlatEdgeTest, FocusOrTheCursorOverTheControlRaises) {
    // flat, focus, cursor inside, cursor over this window rather than another
    EXPECT_EQ(0, KXFlatEdgeState(false, true, true, true));
    EXPECT_EQ(2, KXFlatEdgeState(true, true, false, false));
    EXPECT_EQ(2, KXFlatEdgeState(true, false, true, true));
    EXPECT_EQ(1, KXFlatEdgeState(true, false, true, false));  // another window on top
    EXPECT_EQ(1, KXFlatEdgeState(true, false, false, false));
}

}  // namespace
