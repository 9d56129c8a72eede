// The INI text form of binary values.
#include "base/profile_binary.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ProfileBinary, LowNibbleFirstRoundTripsAndEveryPairDecodesByItsArithmetic) {
    const BYTE one[] = {0x3C};
    EXPECT_EQ(AfxEncodeProfileBinary(one, 1), "MD");
    EXPECT_EQ(AfxEncodeProfileBinary(nullptr, 0), "");
    BYTE all[256], back[256] = {};
    for (int i = 0; i < 256; ++i) all[i] = static_cast<BYTE>(i);
    const CString text = AfxEncodeProfileBinary(all, sizeof all);
    UINT n = 0;
    ASSERT_TRUE(AfxDecodeProfileBinary(text, static_cast<size_t>(text.GetLength()), back, sizeof back, &n));
    EXPECT_EQ(n, 256u);
    EXPECT_EQ(0, memcmp(all, back, sizeof all));

    // Hand-written text: an odd last letter is dropped, letters beyond 'P'
    // and other characters count their distance from 'A', kept to 8 bits.
    BYTE buf[4] = {0x11, 0x22, 0x33, 0x44};
    ASSERT_TRUE(AfxDecodeProfileBinary("MDZ", 3, buf, sizeof buf, &n));
    EXPECT_EQ(n, 1u);
    EXPECT_EQ(buf[0], 0x3C);
    EXPECT_EQ(buf[1], 0x22);
    ASSERT_TRUE(AfxDecodeProfileBinary("AQ@Aaa", 6, buf, sizeof buf, &n));
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(buf[0], 0x00);              // 0 + 16 * 16 ('Q' - 'A'), kept to 8 bits
    EXPECT_EQ(buf[1], BYTE(-1));          // '@' - 'A' = -1
    EXPECT_EQ(buf[2], BYTE(32 + 16 * 32));  // 'a' - 'A' = 32

    // Only a block that does not fit fails, and it writes nothing.
    const BYTE before[4] = {0x11, 0x22, 0x33, 0x44};
    memcpy(buf, before, sizeof buf);
    EXPECT_FALSE(AfxDecodeProfileBinary("AAAAAAAAAA", 10, buf, sizeof buf, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(0, memcmp(buf, before, sizeof buf));
}
