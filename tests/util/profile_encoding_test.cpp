// The INI text form of binary values.
#include "util/profile_encoding.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ProfileEncoding, LowNibbleFirstAndRoundTrip) {
    const BYTE one[] = {0x3C};
    EXPECT_EQ(GfxEncodeProfileBytes(one, 1), "MD");
    const LONG rect[4] = {1, 2, 3, 4};
    EXPECT_EQ(GfxEncodeProfileBytes(reinterpret_cast<const BYTE*>(rect), sizeof rect),
              "BAAAAAAACAAAAAAADAAAAAAAEAAAAAAA");

    BYTE all[256];
    for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
    CString text = GfxEncodeProfileBytes(all, sizeof all);
    ASSERT_EQ(text.GetLength(), 512);
    BYTE back[256] = {};
    UINT n = 0;
    ASSERT_TRUE(GfxDecodeProfileBytes(text, 512, back, sizeof back, &n));
    EXPECT_EQ(n, 256u);
    EXPECT_EQ(0, memcmp(all, back, sizeof all));
    EXPECT_EQ(GfxEncodeProfileBytes(nullptr, 0), "");
}

TEST(ProfileEncoding, BadTextFailsWithoutTouchingTheBuffer) {
    BYTE buf[4] = {0x11, 0x22, 0x33, 0x44};
    const BYTE before[4] = {0x11, 0x22, 0x33, 0x44};
    UINT n = 99;
    for (const char* bad : {"ABC", "AQ", "@A", "aa", "AAAAAAAAAA" /* 5 bytes into 4 */}) {
        EXPECT_FALSE(GfxDecodeProfileBytes(bad, strlen(bad), buf, sizeof buf, &n)) << bad;
        EXPECT_EQ(n, 0u);
        EXPECT_EQ(0, memcmp(buf, before, sizeof buf)) << bad;
    }
    // Fewer bytes than the buffer holds decode as far as they go.
    ASSERT_TRUE(GfxDecodeProfileBytes("PP", 2, buf, sizeof buf, &n));
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(buf[0], 0xFF);
    EXPECT_EQ(buf[1], 0x22);
}
