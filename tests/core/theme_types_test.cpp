#include "core/theme_types.h"

#include <gtest/gtest.h>

TEST(ThemeFromNames, OnlyTheThreeLunaSchemesAreKnown) {
    const char* kLuna = "C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    EXPECT_EQ(KXTHEME_BLUE, KXThemeFromNames(kLuna, "NormalColor"));
    EXPECT_EQ(KXTHEME_BLUE, KXThemeFromNames(kLuna, "NORMALCOLOR"));
    EXPECT_EQ(KXTHEME_OLIVE, KXThemeFromNames(kLuna, "HomeStead"));
    EXPECT_EQ(KXTHEME_SILVER, KXThemeFromNames(kLuna, "Metallic"));
    EXPECT_EQ(KXTHEME_UNKNOWN, KXThemeFromNames(kLuna, "Royale"));
    EXPECT_EQ(KXTHEME_UNKNOWN, KXThemeFromNames("C:\\Themes\\Royale.msstyles", "NormalColor"));
    EXPECT_EQ(KXTHEME_UNKNOWN, KXThemeFromNames("", ""));
    EXPECT_EQ(KXTHEME_UNKNOWN, KXThemeFromNames(nullptr, nullptr));
}
