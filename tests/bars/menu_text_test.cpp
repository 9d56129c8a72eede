#include "bars/menu_text.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuText, SplitsAtTheFirstAndLastTab) {
    KX_MENU_TEXT_PARTS p = KXSplitMenuText(L"&Open\tCtrl+O");
    EXPECT_TRUE(p.bHasTab);
    EXPECT_EQ(L"&Open", p.strCommand);
    EXPECT_EQ(L"Ctrl+O", p.strAccelerator);
    p = KXSplitMenuText(L"a\tb\tc");
    EXPECT_EQ(L"a", p.strCommand);
    EXPECT_EQ(L"c", p.strAccelerator);
    p = KXSplitMenuText(L"Plain");
    EXPECT_FALSE(p.bHasTab);
    EXPECT_EQ(L"Plain", p.strCommand);
}

TEST(MenuText, MnemonicFirstMatchAnyCase) {
    const std::vector<std::wstring> texts = {L"Undo", L"E&xit", L"Ne&w", L"&Xray", L"Fish && Chips"};
    EXPECT_EQ(1, KXFindMnemonicItem(texts, 'x'));
    EXPECT_EQ(1, KXFindMnemonicItem(texts, 'X'));
    EXPECT_EQ(2, KXFindMnemonicItem(texts, 'W'));
    EXPECT_EQ(-1, KXFindMnemonicItem(texts, 'u'));  // "Undo" marks nothing
    EXPECT_EQ(-1, KXFindMnemonicItem(texts, 'q'));
    EXPECT_EQ(4, KXFindMnemonicItem(texts, '&'));   // a literal ampersand pair
    EXPECT_EQ(-1, KXFindMnemonicItem({}, 'x'));
}

// Every character is 5 pixels wide, a space 2.
int Width(const std::wstring& s) {
    int cx = 0;
    for (wchar_t ch : s) cx += ch == L' ' ? 2 : 5;
    return cx;
}

TEST(MenuText, PaddingLinesUpAccelerators) {
    std::vector<std::wstring> texts = {L"Open\tCtrl+O", L"Save As...\tF12", L"Recent", L"", L"Go\tA\tB"};
    EXPECT_TRUE(KXPadMenuCommandParts(texts, Width));
    // The widest command part ("Save As..." = 9 x 5 + 2 = 47) plus a space: 49.
    for (const std::wstring& t : {texts[0], texts[1], texts[4]}) {
        const std::wstring command = t.substr(0, t.find(L'\t'));
        EXPECT_GE(Width(command), 49) << command.size();
        EXPECT_LT(Width(command.substr(0, command.size() - 1)), 49);
    }
    EXPECT_EQ(L"Open", texts[0].substr(0, 4));
    EXPECT_EQ(L"\tCtrl+O", texts[0].substr(texts[0].find(L'\t')));
    EXPECT_EQ(L"\tA\tB", texts[4].substr(texts[4].find(L'\t')));  // the rest is kept whole
    EXPECT_EQ(L"Recent", texts[2]);                               // no tab: untouched

    // Texts without tabs change nothing; a measure that ignores spaces stops.
    std::vector<std::wstring> plain = {L"One", L"Two"};
    EXPECT_FALSE(KXPadMenuCommandParts(plain, Width));
    std::vector<std::wstring> stuck = {L"Long command\tX", L"A\tY"};
    EXPECT_TRUE(KXPadMenuCommandParts(stuck, [](const std::wstring& s) {
        return static_cast<int>(s.find_last_not_of(L' ') + 1) * 5;
    }));
    EXPECT_LE(stuck[1].size(), 300u);
}

}  // namespace
