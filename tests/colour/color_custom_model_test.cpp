#include "colour/color_custom_model.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ColorCustomModel, HslRoundTripsWithinAStep) {
    const COLORREF colours[] = {RGB(0, 0, 0),      RGB(255, 255, 255), RGB(255, 0, 0), RGB(0, 128, 0),
                                RGB(12, 200, 99),  RGB(128, 128, 128), RGB(0, 0, 255), RGB(250, 240, 10)};
    for (COLORREF clr : colours) {
        const COLORREF back = KXColorFromHSL(KXColorToHSL(clr));
        EXPECT_LE(std::abs(GetRValue(back) - GetRValue(clr)), 3) << std::hex << clr;
        EXPECT_LE(std::abs(GetGValue(back) - GetGValue(clr)), 3) << std::hex << clr;
        EXPECT_LE(std::abs(GetBValue(back) - GetBValue(clr)), 3) << std::hex << clr;
    }
    const KX_HSL red = KXColorToHSL(RGB(255, 0, 0));
    EXPECT_EQ(0, red.h);
    EXPECT_EQ(240, red.s);
    EXPECT_EQ(120, red.l);
    EXPECT_EQ(80, KXColorToHSL(RGB(0, 255, 0)).h);
    EXPECT_EQ(160, KXColorToHSL(RGB(0, 0, 255)).h);
    // Out of range components clamp; a full turn of hue is red again.
    EXPECT_EQ(RGB(255, 0, 0), KXColorFromHSL(KX_HSL{240, 240, 120}));
    EXPECT_EQ(RGB(255, 255, 255), KXColorFromHSL(KX_HSL{-5, 999, 999}));
}

TEST(ColorCustomModel, FieldAndBarMapPixels) {
    // Corners of the field: hue 0 and 240 across, saturation 240 at the top.
    int h = -1, s = -1;
    KXSpectrumFromPoint(CPoint(0, 0), 177, 107, h, s);
    EXPECT_EQ(0, h);
    EXPECT_EQ(240, s);
    KXSpectrumFromPoint(CPoint(176, 106), 177, 107, h, s);
    EXPECT_EQ(240, h);
    EXPECT_EQ(0, s);
    // Outside points clamp to the edge.
    KXSpectrumFromPoint(CPoint(-40, 500), 177, 107, h, s);
    EXPECT_EQ(0, h);
    EXPECT_EQ(0, s);
    for (int v : {0, 37, 120, 239, 240}) {
        KXSpectrumFromPoint(KXSpectrumPoint(v, v, 241, 241), 241, 241, h, s);
        EXPECT_EQ(v, h);
        EXPECT_EQ(v, s);
        EXPECT_EQ(v, KXLuminanceFromY(KXLuminanceY(v, 241), 241));
    }
    EXPECT_EQ(240, KXLuminanceFromY(0, 100));
    EXPECT_EQ(0, KXLuminanceFromY(99, 100));
    // A one-pixel or empty area maps everything to its only pixel.
    EXPECT_EQ(CPoint(0, 0), KXSpectrumPoint(120, 120, 0, 1));
    EXPECT_EQ(240, KXLuminanceFromY(5, 0));
}

TEST(ColorCustomModel, TypedComponents) {
    EXPECT_EQ(0, KXParseComponent("0", 255));
    EXPECT_EQ(128, KXParseComponent("128", 255));
    EXPECT_EQ(255, KXParseComponent("999", 255));
    EXPECT_EQ(240, KXParseComponent("300", 240));
    for (const char* bad : {"", "-1", "12a", " 5", "0x10", "99999999999"})
        EXPECT_EQ(-1, KXParseComponent(bad, 255)) << bad;
    EXPECT_EQ(-1, KXParseComponent(nullptr, 255));
}

}  // namespace
