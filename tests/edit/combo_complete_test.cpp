// Type-ahead completion: what the list offers for a typed prefix, how case
// is treated, and where the selection lands.
#include "edit/combo_complete.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

class Items : public IKXComboItems {
public:
    Items(std::initializer_list<const char*> texts) {
        for (const char* p : texts) m_items.emplace_back(p);
    }
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    CString GetText(int nIndex) const override { return m_items[static_cast<size_t>(nIndex)]; }

private:
    std::vector<CString> m_items;
};

TEST(ComboCompleteTest, TheFirstItemFromTheTopThatBeginsWithTheTextIsOffered) {
    const Items items{"Banana", "apple", "Apricot", "Apple pie", "\xC9t\xE9"};
    EXPECT_EQ(1, KXComboFindPrefix(items, "A"));      // letters of either case alike
    EXPECT_EQ(1, KXComboFindPrefix(items, "APP"));
    EXPECT_EQ(2, KXComboFindPrefix(items, "apr"));
    EXPECT_EQ(3, KXComboFindPrefix(items, "Apple "));
    EXPECT_EQ(1, KXComboFindPrefix(items, "apple"));  // the whole item begins with itself
    EXPECT_EQ(-1, KXComboFindPrefix(items, "apples"));
    EXPECT_EQ(-1, KXComboFindPrefix(items, ""));      // nothing typed completes nothing
    EXPECT_EQ(4, KXComboFindPrefix(items, "\xC9"));   // bytes above ASCII match exactly
    EXPECT_EQ(-1, KXComboFindPrefix(items, "\xE9"));
    EXPECT_EQ(-1, KXComboFindPrefix(Items{}, "a"));
}

TEST(ComboCompleteTest, TypingNarrowsTheItemAndSelectsWhatWasNotTyped) {
    const Items items{"Apple", "Apricot"};
    // "A" typed at the end: Apple, "pple" selected.
    KX_COMBO_COMPLETION done = KXComboComplete(items, "A", 1, 1);
    EXPECT_EQ(0, done.nItem);
    EXPECT_STREQ("Apple", done.strText);
    EXPECT_EQ(1, done.nSelStart);
    EXPECT_EQ(-1, done.nSelEnd);
    // "p" over the selection, then "r": Apricot with "icot" selected; the
    // list's own capitals replace what was typed.
    done = KXComboComplete(items, "Ap", 2, 2);
    EXPECT_STREQ("Apple", done.strText);
    done = KXComboComplete(items, "apr", 3, 3);
    EXPECT_EQ(1, done.nItem);
    EXPECT_STREQ("Apricot", done.strText);
    EXPECT_EQ(3, done.nSelStart);
    EXPECT_EQ(-1, done.nSelEnd);

    // A selection that ends inside the text (editing in the middle) stays;
    // one that could not be read selects the rest, as at the end.
    done = KXComboComplete(items, "Apri", 1, 2);
    EXPECT_EQ(MAKELONG(1, 2), MAKELONG(done.nSelStart, done.nSelEnd));
    done = KXComboComplete(items, "Apri", -1, -1);
    EXPECT_EQ(MAKELONG(4, -1), MAKELONG(done.nSelStart, done.nSelEnd));
}

}  // namespace
