// The INI text form of binary values.
#include "util/profile_encoding.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ProfileEncoding, LowNibbleFirstRoundTripsAndBadTextLeavesTheBufferAlone) {
    const BYTE one[] = {0x3C};
    EXPECT_EQ(GfxEncodeProfileBytes(one, 1), "MD");
    EXPECT_EQ(GfxEncodeProfileBytes(nullptr, 0), "");
    BYTE all[256], back[256] = {};
    for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
    const CString text = GfxEncodeProfileBytes(all, sizeof all);
    UINT n = 0;
    ASSERT_TRUE(GfxDecodeProfileBytes(text, static_cast<size_t>(text.GetLength()), back, sizeof back, &n));
    EXPECT_EQ(n, 256u);
    EXPECT_EQ(0, memcmp(all, back, sizeof all));

    BYTE buf[4] = {0x11, 0x22, 0x33, 0x44};
    const BYTE before[4] = {0x11, 0x22, 0x33, 0x44};
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
