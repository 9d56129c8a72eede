#include "core/color_ref.h"

#include "core/color_manager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Opens the protected helpers to the tests.
struct ColorRefProbe : CKXColorRef {
    using CKXColorRef::HuetoRGB;
    using CKXColorRef::SafeRGB;
};

void ExpectRGB(const CKXColorRef& c, int r, int g, int b) {
    EXPECT_EQ(c.getRValue(), r);
    EXPECT_EQ(c.getGValue(), g);
    EXPECT_EQ(c.getBValue(), b);
}

TEST(ColorRef, ChannelHelpersSaturateAndTruncate) {
    EXPECT_EQ(CKXColorRef::fixColorValue(-1), 0);
    EXPECT_EQ(CKXColorRef::fixColorValue(256), 255);
    EXPECT_EQ(CKXColorRef::fixColorValue(77), 77);
    EXPECT_EQ(CKXColorRef::addColorValue(200, 100), 255);
    EXPECT_EQ(CKXColorRef::addColorValue(20, -100), 0);
    EXPECT_EQ(CKXColorRef::addColorValue(std::numeric_limits<int>::max(), 1), 255);  // no overflow
    EXPECT_EQ(CKXColorRef::multiplyColorValue(200, 200, 100), 255);                 // 400 capped
    EXPECT_EQ(CKXColorRef::multiplyColorValue(10, 7, 3), 23);                        // 70 / 3 truncated
    EXPECT_EQ(CKXColorRef::multiplyColorValue(300, 5, 0), 255);                      // scale ignored, clamped
    EXPECT_EQ(CKXColorRef::BlendColor(200, 100, 30), 130);  // (6000 + 7000) / 100
    EXPECT_EQ(CKXColorRef::BlendColor(10, 250, 0), 250);
    EXPECT_EQ(CKXColorRef::BlendColor(1, 2, 33), 1);    // (33 + 134) / 100 = 1.67 truncated
    EXPECT_EQ(CKXColorRef::BlendColor(0, 1, 101), 0);   // -1 / 100 truncates toward zero
    EXPECT_EQ(CKXColorRef::BlendColor(255, 0, 200), 255);
    EXPECT_EQ(ColorRefProbe::SafeRGB(300, -5, 128), static_cast<COLORREF>(0x008000FF));
}

TEST(ColorRef, ConstructionAndChannelAccess) {
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef()), 0u);
    ExpectRGB(CKXColorRef(256 + 5, -1, 0x1234), 5, 255, 0x34);  // low 8 bits, no clamping
    CKXColorRef c(static_cast<COLORREF>(0x00112233));
    c.setGValue(0x1AB);
    EXPECT_EQ(static_cast<COLORREF>(c), 0x0011AB33u);
    c.setRValue(-2);
    c.setBValue(0x7F);
    EXPECT_EQ(static_cast<COLORREF>(c), 0x007FABFEu);
    c = static_cast<COLORREF>(0x0000FF);
    EXPECT_EQ(c.getRValue(), 255);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::GRAY_25), 0x404040u);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::GRAY_50), 0x808080u);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::GRAY_75), 0xC0C0C0u);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::WHITE), 0xFFFFFFu);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::BLACK), 0u);
}

TEST(ColorRef, ColourOperatorsWorkPerChannelAndSaturate) {
    CKXColorRef c(static_cast<COLORREF>(0x000080));
    c += static_cast<COLORREF>(0x0000A0);  // red 0x80 + 0xA0 = 0x120, capped
    ExpectRGB(c, 255, 0, 0);
    c = static_cast<COLORREF>(0x000080);
    c -= static_cast<COLORREF>(0x0000A0);  // red floored, the others stay 0
    ExpectRGB(c, 0, 0, 0);

    c = CKXColorRef(10, 20, 30);
    c *= RGB(3, 20, 1);  // 30, 400 capped, 30
    ExpectRGB(c, 30, 255, 30);
    c /= RGB(7, 2, 30);  // 30 / 7 = 4, 255 / 2 = 127, 30 / 30 = 1
    ExpectRGB(c, 4, 127, 1);
    c = CKXColorRef(90, 80, 70);
    c /= RGB(0, 3, 0);  // a zero divisor leaves its channel alone
    ExpectRGB(c, 90, 26, 70);

    const CKXColorRef base(250, 10, 0);
    ExpectRGB(base + RGB(10, 10, 10), 255, 20, 10);
    ExpectRGB(base - RGB(5, 20, 1), 245, 0, 0);
    ExpectRGB(base * RGB(1, 2, 3), 250, 20, 0);
    ExpectRGB(base / RGB(2, 2, 2), 125, 5, 0);
    ExpectRGB(base, 250, 10, 0);  // binary forms leave the operand alone
}

TEST(ColorRef, IntOperatorsClampTheArgumentAndUseItsGrey) {
    const CKXColorRef base(250, 10, 0);
    ExpectRGB(base + 15, 255, 25, 15);
    ExpectRGB(base + 300, 255, 255, 255);  // 300 clamps to 255 first
    ExpectRGB(base - 20, 230, 0, 0);
    ExpectRGB(base - (-50), 250, 10, 0);  // -50 clamps to 0
    ExpectRGB(base * 2, 255, 20, 0);
    ExpectRGB(base / 3, 83, 3, 0);
    ExpectRGB(base / 0, 250, 10, 0);     // division by the grey 0 changes nothing
    ExpectRGB(base / -7, 250, 10, 0);    // so does anything that clamps to 0

    CKXColorRef c(100, 150, 200);
    c += 60;
    ExpectRGB(c, 160, 210, 255);
    c -= 200;
    ExpectRGB(c, 0, 10, 55);
    c *= 4;
    ExpectRGB(c, 0, 40, 220);
    c /= 10;
    ExpectRGB(c, 0, 4, 22);
}

TEST(ColorRef, WholeColourOperations) {
    CKXColorRef c = CKXColorRef::BLACK;
    c.blend(CKXColorRef::WHITE, 25);  // 255 * 25 / 100 = 63.75, truncated
    ExpectRGB(c, 63, 63, 63);
    c = CKXColorRef(200, 0, 100);
    c.blend(CKXColorRef(0, 255, 100), 40);  // (200*60)/100, (255*40)/100, 100
    ExpectRGB(c, 120, 102, 100);
    c.add(CKXColorRef(200, 1, 2)).subtract(CKXColorRef(0, 150, 1));
    ExpectRGB(c, 255, 0, 101);
}

TEST(ColorRef, Intensity) {
    EXPECT_DOUBLE_EQ(CKXColorRef(static_cast<COLORREF>(0x0000FF)).getIntensity(), 76.245);  // 299 * 255 / 1000
    EXPECT_DOUBLE_EQ(CKXColorRef::WHITE.getIntensity(), 255.0);                            // 1000 * 255 / 1000
    EXPECT_DOUBLE_EQ(CKXColorRef::BLACK.getIntensity(), 0.0);
    EXPECT_DOUBLE_EQ(CKXColorRef(0, 10, 100).getIntensity(), 17.27);  // (5870 + 11400) / 1000
}

TEST(ColorRef, ToHSL) {
    double h, s, l;
    CKXColorRef(static_cast<COLORREF>(0x0000FF)).toHSL(h, s, l);
    EXPECT_DOUBLE_EQ(h, 0);
    EXPECT_DOUBLE_EQ(s, 1);
    EXPECT_DOUBLE_EQ(l, 0.5);
    CKXColorRef::GRAY_50.toHSL(h, s, l);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 0);
    EXPECT_NEAR(l, 128.0 / 255.0, 1e-15);
    // (255, 0, 128): max 1, min 0, l 0.5 (not below it, so s = d / (2 - 1 - 0) = 1);
    // red is the maximum: h = (0 - 0.50196) / 1 / 6 = -0.08366, plus 1.
    CKXColorRef(255, 0, 128).toHSL(h, s, l);
    EXPECT_NEAR(h, 1 - (128.0 / 255.0) / 6, 1e-12);
    EXPECT_DOUBLE_EQ(s, 1);
    // (0, 51, 102): max 0.4, min 0, l 0.2, s = 0.4 / 0.4 = 1; blue is the
    // maximum: h = ((0 - 0.2) / 0.4 + 4) / 6 = 3.5 / 6.
    CKXColorRef(0, 51, 102).toHSL(h, s, l);
    EXPECT_NEAR(h, 3.5 / 6, 1e-12);
    EXPECT_NEAR(s, 1, 1e-12);
    EXPECT_NEAR(l, 0.2, 1e-12);
}

TEST(ColorRef, FromHSLTruncates) {
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::fromHSL(0, 1, 0.5)), 0x0000FFu);
    EXPECT_EQ(static_cast<COLORREF>(CKXColorRef::fromHSL(2.0 / 3.0, 1, 0.5)), 0xFF0000u);
    // m2 = 0.25 * 2 = 0.5, m1 = 0: green 0.5 * 255 = 127.5 -> 127.
    ExpectRGB(CKXColorRef::fromHSL(1.0 / 3.0, 1, 0.25), 0, 127, 0);
    ExpectRGB(CKXColorRef::fromHSL(0.7, 0, 0.3), 76, 76, 76);  // 76.5 truncated
    // h 1/12, s 0.5, l 0.75: m2 = 0.75 + 0.5 - 0.375 = 0.875, m1 = 0.625;
    // red: h + 1/3 = 5/12 -> m2; green: 6h = 0.5 -> 0.625 + 0.25 * 0.5 = 0.75;
    // blue: -1/4 + 1 = 3/4 -> m1.  Channels 223.125, 191.25, 159.375.
    ExpectRGB(CKXColorRef::fromHSL(1.0 / 12, 0.5, 0.75), 223, 191, 159);
    // -0.9 wraps to 0.1, on the rising edge: 0.2 + 0.6 * 0.1 * 6.
    EXPECT_NEAR(ColorRefProbe::HuetoRGB(0.2, 0.8, -0.9), 0.56, 1e-12);
    // 1.5 wraps to 0.5, on the falling edge: 0.2 + 0.6 * (2/3 - 0.5) * 6.
    EXPECT_NEAR(ColorRefProbe::HuetoRGB(0.2, 0.8, 1.5), 0.8, 1e-12);
    // Out-of-range and non-numeric components stay inside the channels.
    ExpectRGB(CKXColorRef::fromHSL(0, 0, 2.0), 255, 255, 255);
    ExpectRGB(CKXColorRef::fromHSL(0, 0, std::nan("")), 0, 0, 0);
}

TEST(ColorRef, HSB) {
    double h, s, b;
    CKXColorRef::BLACK.toHSB(h, s, b);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(b, 0);
    CKXColorRef::WHITE.toHSB(h, s, b);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 0);
    EXPECT_DOUBLE_EQ(b, 1);
    // (0, 128, 64): max 128 (green), min 0, s 1; rc = 1, bc = 0.5:
    // h = (2 + 1 - 0.5) / 6.
    CKXColorRef(0, 128, 64).toHSB(h, s, b);
    EXPECT_NEAR(h, 2.5 / 6, 1e-12);
    EXPECT_DOUBLE_EQ(s, 1);
    EXPECT_NEAR(b, 128.0 / 255, 1e-15);

    ExpectRGB(CKXColorRef::fromHSB(1.0 / 3.0, 1, 0.5), 0, 128, 0);  // 127.5 + 0.5 rounds up
    ExpectRGB(CKXColorRef::fromHSB(0.9, 0, 0.3), 77, 77, 77);       // 76.5 + 0.5
    // h 0.75: f6 4.5, sector 4, f 0.5; b 1, s 0.5: t = 1 - 0.25, p = 0.5.
    ExpectRGB(CKXColorRef::fromHSB(0.75, 0.5, 1), 191, 128, 255);
    ExpectRGB(CKXColorRef::fromHSB(-0.25, 0.5, 1), 191, 128, 255);  // the same turn
    ExpectRGB(CKXColorRef::fromHSB(std::nan(""), 1, 1), 0, 0, 0);  // no sector: black
    ExpectRGB(CKXColorRef::fromHSB(0, 0, std::nan("")), 0, 0, 0);
}

TEST(ColorRef, RoundTripsThroughTheColourModels) {
    // HSB rounds, so every colour comes back exactly; HSL truncates, so a
    // channel may come back one lower, never higher.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 5) {
                const CKXColorRef c(r, g, b);
                double x, y, z;
                c.toHSB(x, y, z);
                ASSERT_EQ(static_cast<COLORREF>(CKXColorRef::fromHSB(x, y, z)), static_cast<COLORREF>(c))
                    << r << "," << g << "," << b;
                c.toHSL(x, y, z);
                const CKXColorRef back = CKXColorRef::fromHSL(x, y, z);
                ASSERT_LE(std::abs(back.getRValue() - r), 1) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(back.getGValue() - g), 1) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(back.getBValue() - b), 1) << r << "," << g << "," << b;
                ASSERT_LE(back.getRValue() + back.getGValue() + back.getBValue(), r + g + b);
            }
}

TEST(ColorRef, GetColorReadsThePaletteUpTo55) {
    EXPECT_EQ(CKXColorRef::GetColor(56), 56u);
    EXPECT_EQ(CKXColorRef::GetColor(0x123456), 0x123456u);
    EXPECT_EQ(CKXColorRef::GetColor(COLOR_BLACK), 0u);
    EXPECT_EQ(CKXColorRef::GetColor(XPCOLOR_SYS_FACE2), CKXColorManager::s_managerInstance.GetColor(55));
}

}  // namespace
