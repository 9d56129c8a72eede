#include "colour/color_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorText, HexTextRoundTrips) {
    EXPECT_STREQ("Hex: 0C0B0A", (const char*)KXColorToHex(0x000A0B0C));
    EXPECT_STREQ("Hex: 0080FF", (const char*)KXColorToHex(0x00FF8000));
    EXPECT_STREQ("Hex: FFFFFF", (const char*)KXColorToHex(0xFFFFFFFF));  // high byte ignored
    COLORREF c = 0x42;
    EXPECT_TRUE(KXColorFromHex("Hex: 0c0B0a", &c));
    EXPECT_EQ(0x000A0B0Cu, c);
    EXPECT_TRUE(KXColorFromHex("0080FF", &c));
    EXPECT_EQ(0x00FF8000u, c);
    // Not hexadecimal, too short or long: refused, value unchanged.
    for (const char* bad : {"Hex: 0G0000", "12345", "1234567", "", "Hex:123456", " 123456"}) {
        EXPECT_FALSE(KXColorFromHex(bad, &c)) << bad;
        EXPECT_EQ(0x00FF8000u, c);
    }
    EXPECT_FALSE(KXColorFromHex(nullptr, &c));
}

TEST(ColorText, ContrastThresholdIsMidGrey) {
    EXPECT_EQ(0xFFFFFFu, KXContrastColor(0x808080));
    EXPECT_EQ(0x000000u, KXContrastColor(0x818181));
    EXPECT_EQ(0x000000u, KXContrastColor(0x00FFFF));  // yellow is light
    EXPECT_EQ(0xFFFFFFu, KXContrastColor(0xFF0000));  // blue is dark
}

}  // namespace
