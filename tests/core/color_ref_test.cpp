#include "core/color_ref.h"

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
    EXPECT_EQ(CKXColorRef::addColorValue(std::numeric_limits<int>::max(), 1), 255);  // no overflow
    EXPECT_EQ(CKXColorRef::addColorValue(20, -100), 0);
    EXPECT_EQ(CKXColorRef::multiplyColorValue(10, 7, 3), 23);                        // 70 / 3 truncated
    EXPECT_EQ(CKXColorRef::multiplyColorValue(300, 5, 0), 255);                      // scale ignored, clamped
    EXPECT_EQ(CKXColorRef::BlendColor(1, 2, 33), 1);    // (33 + 134) / 100 = 1.67 truncated
    EXPECT_EQ(CKXColorRef::BlendColor(0, 1, 101), 0);   // -1 / 100 truncates toward zero
    EXPECT_EQ(CKXColorRef::BlendColor(255, 0, 200), 255);
    EXPECT_EQ(ColorRefProbe::SafeRGB(300, -5, 128), static_cast<COLORREF>(0x008000FF));
    ExpectRGB(CKXColorRef(256 + 5, -1, 0x1234), 5, 255, 0x34);  // construction keeps the low 8 bits
    CKXColorRef c(static_cast<COLORREF>(0x00112233));
    c.setGValue(0x1AB);
    c.setRValue(-2);
    EXPECT_EQ(static_cast<COLORREF>(c), 0x0011ABFEu);
}

TEST(ColorRef, OperatorsWorkPerChannelSaturateAndClampIntArguments) {
    CKXColorRef c(static_cast<COLORREF>(0x000080));
    c += static_cast<COLORREF>(0x0000A0);  // red 0x80 + 0xA0 = 0x120, capped
    ExpectRGB(c, 255, 0, 0);
    c = CKXColorRef(10, 20, 30);
    c *= RGB(3, 20, 1);  // 30, 400 capped, 30
    ExpectRGB(c, 30, 255, 30);
    c /= RGB(7, 0, 30);  // 30 / 7 = 4; a zero divisor leaves its channel alone
    ExpectRGB(c, 4, 255, 1);

    const CKXColorRef base(250, 10, 0);
    ExpectRGB(base - RGB(5, 20, 1), 245, 0, 0);  // and leaves the operand alone
    // An int argument is clamped to 0..255 first and used as a grey.
    ExpectRGB(base + 300, 255, 255, 255);
    ExpectRGB(base - (-50), 250, 10, 0);
    ExpectRGB(base / -7, 250, 10, 0);  // dividing by a grey that clamps to 0 changes nothing
    c = CKXColorRef(100, 150, 200) - 200;
    c.blend(CKXColorRef::WHITE, 25);  // 255 * 25 / 100 = 63.75, truncated
    ExpectRGB(c, 63, 63, 63);
    c.add(CKXColorRef(200, 1, 2)).subtract(CKXColorRef(0, 150, 1));
    ExpectRGB(c, 255, 0, 64);
}

TEST(ColorRef, IntensityAndHSL) {
    EXPECT_DOUBLE_EQ(CKXColorRef(0, 10, 100).getIntensity(), 17.27);  // (5870 + 11400) / 1000
    double h, s, l;
    CKXColorRef::GRAY_50.toHSL(h, s, l);
    EXPECT_TRUE(h == 0 && s == 0);
    EXPECT_NEAR(l, 128.0 / 255.0, 1e-15);
    // (255, 0, 128): max 1, min 0, l 0.5 (not below it, so s = d / (2 - 1 - 0) = 1);
    // red is the maximum: h = (0 - 0.50196) / 1 / 6 = -0.08366, plus 1.
    CKXColorRef(255, 0, 128).toHSL(h, s, l);
    EXPECT_NEAR(h, 1 - (128.0 / 255.0) / 6, 1e-12);
    // (0, 51, 102): max 0.4, min 0, l 0.2, s = 0.4 / 0.4 = 1; blue is the
    // maximum: h = ((0 - 0.2) / 0.4 + 4) / 6 = 3.5 / 6.
    CKXColorRef(0, 51, 102).toHSL(h, s, l);
    EXPECT_NEAR(h, 3.5 / 6, 1e-12);
    EXPECT_NEAR(l, 0.2, 1e-12);

    // m2 = 0.25 * 2 = 0.5, m1 = 0: green 0.5 * 255 = 127.5 -> 127.
    ExpectRGB(CKXColorRef::fromHSL(1.0 / 3.0, 1, 0.25), 0, 127, 0);
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
    CKXColorRef::WHITE.toHSB(h, s, b);
    EXPECT_TRUE(h == 0 && s == 0 && b == 1);
    // (0, 128, 64): max 128 (green), min 0, s 1; rc = 1, bc = 0.5:
    // h = (2 + 1 - 0.5) / 6.
    CKXColorRef(0, 128, 64).toHSB(h, s, b);
    EXPECT_NEAR(h, 2.5 / 6, 1e-12);
    EXPECT_NEAR(b, 128.0 / 255, 1e-15);

    ExpectRGB(CKXColorRef::fromHSB(1.0 / 3.0, 1, 0.5), 0, 128, 0);  // 127.5 + 0.5 rounds up
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

}  // namespace
