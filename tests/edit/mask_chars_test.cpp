// What each mask character accepts (the date and time ranges are typed in
// mask_model_test.cpp).
#include "edit/mask_chars.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(MaskCharsTest, EachMaskCharacterAcceptsItsClass) {
    const std::string probe = std::string("0 +-aZg!\x7F") + '\xE9';
    const std::pair<char, const char*> expected[] = {
        {'0', "0"},      {'9', "0 "},     {'#', "0 +-"},    {'L', "aZg"},  {'?', " aZg"},
        {'A', "0aZg"},   {'a', "0 aZg"},  {'&', "0 +-aZg!\xE9"}, {'H', "0a"}, {'X', "0 a"},
        {'>', "aZg"},    {'<', "aZg"},    {'Q', ""},
    };
    for (const auto& [chMask, pszAccepted] : expected) {
        std::string accepted;
        for (char c : probe) {
            UINT ch = static_cast<unsigned char>(c);
            if (KXMaskAccepts(chMask, ch)) accepted += c;
        }
        EXPECT_EQ(pszAccepted, accepted) << chMask;
    }
}

}  // namespace
