#include "colour/color_grid_nav.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorGridNav, WrapsAndClampsIn40ColourGrid) {
    const int L = 41, rows = 5;
    EXPECT_EQ(33, KXColorGridMove(KXColorKey::Up, 41, L, rows, 0));
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Right, 41, L, rows, 0));
    EXPECT_EQ(41, KXColorGridMove(KXColorKey::Left, 0, L, rows, 0));
    EXPECT_EQ(41, KXColorGridMove(KXColorKey::Up, 0, L, rows, 0));
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Up, 5, L, rows, 0));   // c - n, at least 0
    EXPECT_EQ(1, KXColorGridMove(KXColorKey::Down, 0, L, rows, 0));
    EXPECT_EQ(41, KXColorGridMove(KXColorKey::Down, 38, L, rows, 0));  // at most L
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Down, 41, L, rows, 0));
}

TEST(ColorGridNav, NothingHighlighted) {
    EXPECT_EQ(17, KXColorGridMove(KXColorKey::Left, -1, 17, 2, 0));
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Right, -1, 17, 2, 0));
    EXPECT_EQ(17, KXColorGridMove(KXColorKey::Up, -1, 17, 2, 0));
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Down, -1, 17, 2, 0));
    // An index beyond L counts as none; an empty grid stays empty.
    EXPECT_EQ(0, KXColorGridMove(KXColorKey::Right, 99, 17, 2, 0));
    EXPECT_EQ(-1, KXColorGridMove(KXColorKey::Up, 3, -1, 2, 0));
}

TEST(ColorGridNav, UserColoursAddRowsForUp) {
    // 16 colours, 3 user colours: L = 20; Up from L lands on the user row.
    EXPECT_EQ(17, KXColorGridMove(KXColorKey::Up, 20, 20, 2, 3));
    // Twelve user colours count two rows; the result stays within L.
    EXPECT_EQ(25, KXColorGridMove(KXColorKey::Up, 29, 29, 2, 12));
}

}  // namespace
