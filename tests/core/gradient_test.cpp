#include "core/gradient.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

TEST(BlendColors, EndsMiddleAndRange) {
    EXPECT_EQ(kRed, KXBlendColors(kRed, kBlue, 1.0f));
    EXPECT_EQ(kBlue, KXBlendColors(kRed, kBlue, 0.0f));
    EXPECT_EQ(0x7F7F7Fu, KXBlendColors(kWhite, kBlack, 0.5f));
    // Channels never leave 0..255, whatever t is.
    EXPECT_EQ(kWhite, KXBlendColors(kWhite, kBlack, 3.0f));
    EXPECT_EQ(kBlack, KXBlendColors(kWhite, kBlack, -2.0f));
    // Channels do not leak into one another.
    EXPECT_EQ(0x00407F00u, KXBlendColors(0x0080FF00, 0x00000000, 0.5f));
}

TEST(AverageColors, HalvesEachChannelDownward) {
    EXPECT_EQ(0x7F7F7Fu, KXAverageColors(kWhite, kBlack));
    EXPECT_EQ(0x010304u, KXAverageColors(0x020406, 0x010203));
}

TEST(GradientBars, ColumnsRunFromStartToEnd) {
    const CKXGradientBars bars(CRect(10, 5, 20, 8), CRect(), kWhite, kBlack, TRUE);
    ASSERT_EQ(10, bars.GetCount());
    EXPECT_EQ(CRect(10, 5, 11, 8), bars.GetBar(0));
    EXPECT_EQ(CRect(19, 5, 20, 8), bars.GetBar(9));
    EXPECT_EQ(kWhite, bars.GetColor(0));
    EXPECT_EQ(0x7F7F7Fu, bars.GetColor(5));  // t = 1 - 5/10
    EXPECT_EQ(0x191919u, bars.GetColor(9));  // t = 0.1: never quite the end colour
}

TEST(GradientBars, RowsWhenVertical) {
    const CKXGradientBars bars(CRect(0, 0, 4, 4), CRect(), kRed, kBlue, FALSE);
    ASSERT_EQ(4, bars.GetCount());
    EXPECT_EQ(CRect(0, 2, 4, 3), bars.GetBar(2));
    EXPECT_EQ(KXBlendColors(kRed, kBlue, 0.5f), bars.GetColor(2));
}

TEST(GradientBars, OnlyTheClipBoxIsCoveredWithUnclippedColours) {
    const CRect rect(0, 0, 100, 10);
    const CKXGradientBars whole(rect, CRect(), kWhite, kBlack, TRUE);
    const CKXGradientBars clipped(rect, CRect(40, 2, 60, 50), kWhite, kBlack, TRUE);
    ASSERT_EQ(20, clipped.GetCount());
    EXPECT_EQ(CRect(40, 2, 41, 10), clipped.GetBar(0));
    for (int i = 0; i < clipped.GetCount(); ++i) EXPECT_EQ(whole.GetColor(40 + i), clipped.GetColor(i));

    EXPECT_EQ(0, CKXGradientBars(rect, CRect(200, 0, 300, 10), kWhite, kBlack, TRUE).GetCount());
}

TEST(GradientBars, DegenerateRectangles) {
    // One pixel wide: a single bar in the start colour.
    const CKXGradientBars thin(CRect(3, 0, 4, 10), CRect(), kRed, kBlue, TRUE);
    ASSERT_EQ(1, thin.GetCount());
    EXPECT_EQ(kRed, thin.GetColor(0));
    EXPECT_EQ(0, CKXGradientBars(CRect(5, 5, 5, 9), CRect(), kRed, kBlue, TRUE).GetCount());
    EXPECT_EQ(0, CKXGradientBars(CRect(9, 9, 5, 5), CRect(), kRed, kBlue, FALSE).GetCount());
    // Coordinates far apart neither overflow nor draw without bound.
    const CKXGradientBars huge(CRect(-0x7FFFFFFF, 0, 0x7FFFFFFF, 1), CRect(0, 0, 2, 1), kWhite, kBlack, TRUE);
    EXPECT_EQ(2, huge.GetCount());
    EXPECT_EQ(0x7F7F7Fu, huge.GetColor(0));
}

}  // namespace
