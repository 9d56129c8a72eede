// What each mask character accepts, and the per-digit ranges of dates and
// times.
#include "edit/mask_chars.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The probe characters a slot with this mask accepts, in probe order.
std::string Accepted(char chMask) {
    const std::string probe = std::string("0 9+-aAzZgG!~\x7F\x1F") + '\xE9';
    std::string accepted;
    for (char c : probe) {
        UINT ch = static_cast<unsigned char>(c);
        if (KXMaskAccepts(chMask, ch)) accepted += c;
    }
    return accepted;
}

TEST(MaskCharsTest, EachMaskCharacterAcceptsItsClass) {
    EXPECT_EQ("09", Accepted('0'));
    EXPECT_EQ("0 9", Accepted('9'));
    EXPECT_EQ("0 9+-", Accepted('#'));
    EXPECT_EQ("aAzZgG", Accepted('L'));
    EXPECT_EQ(" aAzZgG", Accepted('?'));
    EXPECT_EQ("09aAzZgG", Accepted('A'));
    EXPECT_EQ("0 9aAzZgG", Accepted('a'));
    EXPECT_EQ(std::string("0 9+-aAzZgG!~") + '\xE9', Accepted('&'));  // DEL and control bytes never
    EXPECT_EQ("09aA", Accepted('H'));
    EXPECT_EQ("0 9aA", Accepted('X'));
    EXPECT_EQ("aAzZgG", Accepted('>'));
    EXPECT_EQ("aAzZgG", Accepted('<'));
    EXPECT_EQ("", Accepted('Q'));
    EXPECT_EQ("", Accepted('_'));

    UINT ch = 'a';
    ASSERT_TRUE(KXMaskAccepts('>', ch));
    EXPECT_EQ(static_cast<UINT>('A'), ch);
    ASSERT_TRUE(KXMaskAccepts('<', ch));
    EXPECT_EQ(static_cast<UINT>('a'), ch);
    ch = 0x100;  // not a byte
    EXPECT_FALSE(KXMaskAccepts('&', ch));
}

// Each digit at pos of the text, as a string of verdicts: '+' accepted,
// 'r' out of range, 'x' not a digit slot.
std::string DateVerdicts(const char* text, int pos) {
    std::string s;
    for (char d = '0'; d <= '9'; ++d) {
        const eKXDIGITCHECK r = KXCheckDateDigit("00/00/0000", text, pos, static_cast<UINT>(d));
        s += r == KX_DIGIT_OK ? '+' : r == KX_DIGIT_OUT_OF_RANGE ? 'r' : 'x';
    }
    return s;
}

std::string TimeVerdicts(const char* text, int pos, bool b24) {
    std::string s;
    for (char d = '0'; d <= '9'; ++d) {
        const eKXDIGITCHECK r = KXCheckTimeDigit("00:00", text, pos, static_cast<UINT>(d), b24);
        s += r == KX_DIGIT_OK ? '+' : r == KX_DIGIT_OUT_OF_RANGE ? 'r' : 'x';
    }
    return s;
}

TEST(MaskCharsTest, DateDigitsFollowDayMonthYear) {
    EXPECT_EQ("++++rrrrrr", DateVerdicts("__/__/____", 0));
    EXPECT_EQ("++rrrrrrrr", DateVerdicts("3_/__/____", 1));
    EXPECT_EQ("++++++++++", DateVerdicts("2_/__/____", 1));
    EXPECT_EQ("++++++++++", DateVerdicts("0_/__/____", 1));  // day 00 passes: no check that it exists
    EXPECT_EQ("++rrrrrrrr", DateVerdicts("__/__/____", 3));
    EXPECT_EQ("+++rrrrrrr", DateVerdicts("__/1_/____", 4));
    EXPECT_EQ("++++++++++", DateVerdicts("__/0_/____", 4));
    EXPECT_EQ("++++++++++", DateVerdicts("__/__/____", 9));
    EXPECT_EQ("xxxxxxxxxx", DateVerdicts("__/__/____", 2));   // the slash
    EXPECT_EQ("xxxxxxxxxx", DateVerdicts("__/__/____", 10));  // past the mask
    EXPECT_EQ(KX_DIGIT_NOT_DIGIT, KXCheckDateDigit("00/00/0000", "", 0, 'a'));
}

TEST(MaskCharsTest, TimeDigitsFollowTheClock) {
    EXPECT_EQ("++rrrrrrrr", TimeVerdicts("__:__", 0, false));
    EXPECT_EQ("+++rrrrrrr", TimeVerdicts("__:__", 0, true));
    EXPECT_EQ("+++rrrrrrr", TimeVerdicts("1_:__", 1, false));  // 10 to 12
    EXPECT_EQ("++++++++++", TimeVerdicts("0_:__", 1, false));  // 00 to 09
    EXPECT_EQ("+++++rrrrr", TimeVerdicts("2_:__", 1, true));   // 20 to 24
    EXPECT_EQ("++++++++++", TimeVerdicts("1_:__", 1, true));
    EXPECT_EQ("++++++rrrr", TimeVerdicts("__:__", 3, true));
    EXPECT_EQ("++++++++++", TimeVerdicts("__:5_", 4, false));
    EXPECT_EQ("xxxxxxxxxx", TimeVerdicts("__:__", 2, true));
}

}  // namespace
