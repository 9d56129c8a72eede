// Typing, deleting, caret movement, selection replacement and the clipboard
// of a masked edit, on the model over a string.
#include "mask_fake.h"

#include <gtest/gtest.h>


namespace {

using kxtest::FakeMaskEdit;

constexpr const char* kMask = "(999) 999-9999";
constexpr const char* kTemplate = "(___) ___-____";
constexpr const char* kFull = "(555) 123-4567";

class MaskModelTest : public ::testing::Test {
protected:
    // The telephone mask with this text (the template when null), the caret at nCaret.
    FakeMaskEdit& Phone(const char* text = nullptr, int nCaret = 0) {
        m.SetEditMask(kMask, kTemplate, text);
        m.Select(nCaret, nCaret);
        return m;
    }
    void Paste(const char* clip) {
        m.hasClip = true;
        m.clip = clip;
        m.MaskPaste();
    }
    FakeMaskEdit m;
};

TEST_F(MaskModelTest, TypingFillsTheSlotsSkipsTheLiteralsAndBeepsAtWhatDoesNotFit) {
    Phone().Type("555a1234567");
    EXPECT_STREQ(kFull, m.text);
    EXPECT_EQ(14, m.caret);
    EXPECT_EQ(1, m.beeps);  // the letter
    EXPECT_TRUE(m.IsModified());
    m.Type("8");  // no slot left
    EXPECT_EQ(2, m.beeps);
    EXPECT_STREQ(kFull, m.text);

    m.SetEditMask("[00]", "[__]", nullptr);  // the last slot before a literal beeps
    m.Type("12");
    EXPECT_STREQ("[12]", m.text);
    EXPECT_EQ(3, m.caret);
    EXPECT_EQ(3, m.beeps);

    m.SetEditMask(">><<H", "_____", nullptr);
    m.Type("aBcDgf");
    EXPECT_STREQ("ABcdf", m.text);  // g is no hexadecimal digit
}

TEST_F(MaskModelTest, InsertDeleteBackspaceAndSpaceKeepTheLiteralsInPlace) {
    Phone(kFull, 1).Press(FakeMaskEdit::kVkInsert);
    m.Type("9");
    EXPECT_STREQ("(955) 512-3456", m.text);  // on across the literals, the last digit lost
    m.Press(FakeMaskEdit::kVkInsert);
    m.Type("7");
    EXPECT_STREQ("(975) 512-3456", m.text);  // overtype

    Phone(kFull, 1).Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(551) 234-567_", m.text);
    EXPECT_EQ(1, m.caret);

    Phone(kFull, 1).Type("9\b");  // the default text's character comes back
    EXPECT_STREQ(kFull, m.text);
    EXPECT_EQ(1, m.caret);
    Phone().Type("555\b");  // from after the bracket onto the slot before it
    EXPECT_STREQ("(55_) ___-____", m.text);
    EXPECT_EQ(3, m.caret);

    m.SetEditMask("00 99", "__ __", "12 34");
    m.Type(" ");  // a '0' slot takes no space: it empties
    m.Select(3, 3);
    m.Type(" ");
    EXPECT_STREQ("_2  4", m.text);
    m.SetOverType(false);
    m.Select(3, 3);
    m.Type(" ");
    EXPECT_STREQ("_2   ", m.text);

    // A character shifted into a slot that refuses it leaves the slot empty.
    m.SetEditMask("0L-0", "__-_", "5A-3");
    m.Type("7");
    EXPECT_STREQ("7_-_", m.text);
}

TEST_F(MaskModelTest, SelectionsAndTheClipboardTakeTheSlotsOnly) {
    Phone(kFull).Select(6, 9);
    m.Type("9");  // the selection empties and closes up, then the digit goes in
    EXPECT_STREQ("(555) 945-67__", m.text);
    EXPECT_EQ(7, m.caret);

    Phone(kFull).Select(0, 14);
    m.MaskCopy();
    EXPECT_STREQ("5551234567", m.clip);  // no literal, no prompt
    m.Select(6, 9);
    m.MaskCut();
    EXPECT_STREQ("123", m.clip);
    EXPECT_STREQ("(555) 456-7___", m.text);
    EXPECT_EQ(6, m.caret);
    m.Select(0, 4);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(456) 7__-____", m.text);

    Phone().Select(1, 4);
    m.MaskClear();  // nothing to clear
    EXPECT_EQ(1, m.beeps);

    Phone();
    Paste("555-123-4567");  // the hyphens are skipped
    EXPECT_STREQ(kFull, m.text);
    EXPECT_EQ(0, m.caret);
    Phone();
    Paste("12345678901234567890");  // longer than the mask
    EXPECT_STREQ("(123) 456-7890", m.text);
    Phone(kFull, 1);
    Paste("99");  // inserted: what was there moves on
    EXPECT_STREQ("(995) 551-2345", m.text);
    Phone("(12_) ___-____", 3);
    Paste("3\r\nab4");
    EXPECT_STREQ("(123) 4__-____", m.text);
    Phone(kFull).Select(1, 4);
    m.hasClip = false;
    m.MaskPaste();  // an empty clipboard: only the selection goes
    EXPECT_STREQ("(123) 456-7___", m.text);
    EXPECT_EQ(1, m.beeps);
}

TEST_F(MaskModelTest, ReadOnlyUndoAndThePrompt) {
    Phone(kFull, 1);
    m.readOnly = true;
    m.Type("9\b ");
    m.Press(FakeMaskEdit::kVkDelete);
    m.Select(1, 4);
    m.MaskCut();
    EXPECT_STREQ("555", m.clip);  // the copy half works
    Paste("999");
    m.MaskUndo();
    EXPECT_STREQ(kFull, m.text);
    EXPECT_FALSE(m.IsModified());
    m.readOnly = false;

    // Undo returns to the text of the last SetEditMask, a second undo redoes.
    Phone().Type("12");
    m.Select(8, 8);
    m.Type("3");
    EXPECT_STREQ("(12_) __3-____", m.text);
    m.MaskUndo();
    EXPECT_STREQ(kTemplate, m.text);
    m.MaskUndo();
    EXPECT_STREQ("(12_) __3-____", m.text);

    m.SetPromptChar('*');
    EXPECT_STREQ("(12*) **3-****", m.text);
    m.Select(1, 1);
    m.Press(FakeMaskEdit::kVkDelete);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(***) 3**-****", m.text);  // emptied slots take the new prompt
}

TEST_F(MaskModelTest, TheCaretStaysOffTheLeadingLiterals) {
    Phone(kFull).Click(9);
    EXPECT_EQ(10, m.caret);  // clicks land on the next slot
    m.Press(FakeMaskEdit::kVkHome);
    EXPECT_EQ(1, m.caret);
    m.Press(FakeMaskEdit::kVkLeft);
    EXPECT_EQ(1, m.caret);
    m.Click(6);
    m.Press(FakeMaskEdit::kVkLeft);
    EXPECT_EQ(5, m.caret);  // a literal with a slot before it is a place to stand
    m.Click(9);
    m.shift = true;
    m.Press(FakeMaskEdit::kVkHome);
    EXPECT_EQ(10, m.anchor);
    EXPECT_EQ(1, m.caret);
    m.shift = false;

    m.Select(0, 0);
    m.MaskAfterFocus();
    EXPECT_EQ(1, m.caret);
    m.Select(1, 4);  // a double click chose the word "555"
    m.MaskAfterDblClk();
    EXPECT_EQ(6, m.SelEnd());
    m.MaskSelectAll();
    EXPECT_EQ(1, m.SelStart());
    EXPECT_EQ(14, m.SelEnd());
}

TEST_F(MaskModelTest, DateAndTimeDigitsKeepToTheirRanges) {
    m.digits = FakeMaskEdit::Digits::Date;
    m.SetEditMask("00/00/0000", "__/__/____", nullptr);
    m.Type("35");  // day 35
    m.Select(3, 3);
    m.Type("13");  // month 13
    EXPECT_STREQ("3_/1_/____", m.text);
    EXPECT_EQ(2, m.beeps);
    m.Select(0, 0);
    m.Type("00");  // no check that the day exists
    EXPECT_STREQ("00/1_/____", m.text);

    m.digits = FakeMaskEdit::Digits::Time12;
    m.SetEditMask("00:00", "__:__", nullptr);
    m.Type("0960");  // minute 60
    EXPECT_STREQ("09:0_", m.text);
    m.Select(0, 0);
    m.Type("12");
    EXPECT_STREQ("12:0_", m.text);
    m.Select(0, 0);
    m.Type("13");
    EXPECT_STREQ("12:0_", m.text);
    m.digits = FakeMaskEdit::Digits::Time24;
    m.Select(0, 0);
    m.Type("2460");
    EXPECT_STREQ("24:0_", m.text);
    m.Select(0, 0);
    m.Type("25");
    EXPECT_STREQ("24:0_", m.text);
}
}  // namespace
