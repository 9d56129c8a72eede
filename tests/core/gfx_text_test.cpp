#include "core/gfx_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CString Stripped(const char* psz) {
    CString s(psz);
    GfxStripMnemonics(s);
    return s;
}

TEST(GfxStripMnemonics, SingleAmpersandsGoDoubledOnesStay) {
    EXPECT_STREQ("Fish && Chips", Stripped("&Fish && C&hips"));
    EXPECT_STREQ("", Stripped("&"));
    EXPECT_STREQ("", Stripped(""));
    EXPECT_STREQ("a&&b", Stripped("a&&&b"));  // a doubled pair, then a single one
}

TEST(GfxPathFindNextComponent, TextAfterTheFirstBackslash) {
    EXPECT_STREQ("Windows\\notepad.exe", GfxPathFindNextComponent("C:\\Windows\\notepad.exe"));
    EXPECT_STREQ("", GfxPathFindNextComponent("readme.txt"));
    EXPECT_STREQ("", GfxPathFindNextComponent("trailing\\"));
    EXPECT_EQ(nullptr, GfxPathFindNextComponent(""));
    EXPECT_EQ(nullptr, GfxPathFindNextComponent(nullptr));
    // An overlong remainder is cut to the buffer.
    const std::string longPath = "C:\\" + std::string(5000, 'x');
    const char* p = GfxPathFindNextComponent(longPath.c_str());
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(static_cast<size_t>(KX_PATH_BUFFER - 1), std::string(p).size());
    EXPECT_EQ(std::string(KX_PATH_BUFFER - 1, 'x'), p);
}

}  // namespace
