// Typing, deleting, caret movement, selection replacement and the clipboard
// of a masked edit, on the model over a string.
#include "mask_fake.h"

#include <gtest/gtest.h>

namespace {

using kxtest::FakeMaskEdit;

constexpr const char* kPhoneMask = "(999) 999-9999";
constexpr const char* kPhoneTemplate = "(___) ___-____";
constexpr const char* kPhoneFull = "(555) 123-4567";

class MaskModelTest : public ::testing::Test {
protected:
    void Phone(const char* text = nullptr) { m.SetEditMask(kPhoneMask, kPhoneTemplate, text); }
    FakeMaskEdit m;
};

TEST_F(MaskModelTest, TypingFillsTheSlotsAndSkipsTheLiterals) {
    Phone();
    EXPECT_STREQ(kPhoneTemplate, m.text);
    EXPECT_FALSE(m.IsModified());
    const int carets[10] = {2, 3, 6, 7, 8, 10, 11, 12, 13, 14};
    for (int i = 0; i < 10; ++i) {
        m.Type(CString(kPhoneFull[i < 3 ? 1 + i : i < 6 ? 3 + i : 4 + i], 1));
        EXPECT_EQ(carets[i], m.caret) << i;
    }
    EXPECT_STREQ(kPhoneFull, m.text);
    EXPECT_EQ(0, m.beeps);
    EXPECT_TRUE(m.IsModified());

    m.Type("8");  // no slot left
    EXPECT_EQ(1, m.beeps);
    EXPECT_STREQ(kPhoneFull, m.text);

    Phone();
    m.Type("a");
    EXPECT_EQ(2, m.beeps);
    EXPECT_STREQ(kPhoneTemplate, m.text);
    EXPECT_EQ(1, m.caret);  // the caret went to the first slot

    // Typing the last slot before trailing literals beeps once, the caret
    // standing after the slot.
    m.SetEditMask("[00]", "[__]", nullptr);
    m.Type("12");
    EXPECT_STREQ("[12]", m.text);
    EXPECT_EQ(3, m.caret);
    EXPECT_EQ(3, m.beeps);
}

TEST_F(MaskModelTest, InsertModeShiftsLaterSlotsAcrossLiterals) {
    Phone(kPhoneFull);
    m.Press(FakeMaskEdit::kVkInsert);
    EXPECT_FALSE(m.CanOverType());
    m.Click(1);
    m.Type("9");
    EXPECT_STREQ("(955) 512-3456", m.text);
    EXPECT_EQ(2, m.caret);

    // Overtype replaces the slot's character.
    m.Press(FakeMaskEdit::kVkInsert);
    m.Type("7");
    EXPECT_STREQ("(975) 512-3456", m.text);

    // A character shifted into a slot that does not accept it leaves the
    // slot empty: the digit does not land in the letter slot.
    m.SetEditMask("0L-0", "__-_", "5A-3");
    m.SetOverType(false);
    m.Type("7");
    EXPECT_STREQ("7_-_", m.text);  // the A cannot go to the digit slot either
}

TEST_F(MaskModelTest, DeleteClosesUpAndBackspaceRestoresTheDefault) {
    Phone(kPhoneFull);
    m.Click(1);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(551) 234-567_", m.text);
    EXPECT_EQ(1, m.caret);

    // Backspace gives the slot the default text's character back, no close-up.
    Phone(kPhoneFull);
    m.Click(1);
    m.Type("9");
    EXPECT_STREQ("(955) 123-4567", m.text);
    m.Type("\b");
    EXPECT_STREQ(kPhoneFull, m.text);
    EXPECT_EQ(1, m.caret);

    Phone();
    m.Type("555\b");
    EXPECT_STREQ("(55_) ___-____", m.text);
    EXPECT_EQ(3, m.caret);
    // Backspace across a literal lands on the slot before it.
    m.Type("5");
    m.Click(6);
    m.Type("\b");
    EXPECT_STREQ("(55_) ___-____", m.text);
    EXPECT_EQ(3, m.caret);
    // At the first slot there is nothing before: a beep, nothing changes.
    m.Click(1);
    const int beeps = m.beeps;
    m.Type("\b");
    EXPECT_EQ(beeps + 1, m.beeps);
    EXPECT_STREQ("(55_) ___-____", m.text);

    // Delete with a selection clears the selected slots.
    Phone(kPhoneFull);
    m.Select(0, 4);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(123) 456-7___", m.text);
    EXPECT_EQ(0, m.caret);
}

TEST_F(MaskModelTest, SpaceEmptiesDigitSlotsAndFillsSpaceSlots) {
    m.SetEditMask("00 99", "__ __", "12 34");
    m.Click(0);
    m.Type(" ");
    EXPECT_STREQ("_2 34", m.text);  // a '0' slot takes no space: it empties
    EXPECT_EQ(1, m.caret);
    m.Click(3);
    m.Type(" ");
    EXPECT_STREQ("_2  4", m.text);
    m.SetOverType(false);
    m.Click(3);
    m.Type(" ");
    EXPECT_STREQ("_2   ", m.text);  // inserted: the 4 moved on and out
}

TEST_F(MaskModelTest, TypingOverASelectionReplacesIt) {
    Phone(kPhoneFull);
    m.Select(6, 9);
    m.Type("9");
    EXPECT_STREQ("(555) 945-67__", m.text);
    EXPECT_EQ(7, m.caret);

    // Select all, type: only the typed character remains.
    Phone(kPhoneFull);
    m.Select(0, 14);
    m.Type("1");
    EXPECT_STREQ("(1__) ___-____", m.text);
}

TEST_F(MaskModelTest, CopyAndCutTakeTheTypedCharactersOnly) {
    Phone(kPhoneFull);
    m.Select(0, 14);
    m.MaskCopy();
    EXPECT_STREQ("5551234567", m.clip);

    Phone("(5_5) 123-____");
    m.Select(0, 14);
    m.MaskCopy();
    EXPECT_STREQ("55123", m.clip);

    m.hasClip = false;
    m.Select(3, 3);
    m.MaskCopy();  // nothing selected: the clipboard stays as it was
    EXPECT_FALSE(m.hasClip);

    Phone(kPhoneFull);
    m.Select(6, 9);
    m.MaskCut();
    EXPECT_STREQ("123", m.clip);
    EXPECT_STREQ("(555) 456-7___", m.text);
    EXPECT_EQ(6, m.caret);

    // Clearing slots that are all empty beeps and changes nothing.
    Phone();
    m.Select(1, 4);
    m.MaskClear();
    EXPECT_EQ(1, m.beeps);
    EXPECT_STREQ(kPhoneTemplate, m.text);
}

TEST_F(MaskModelTest, PasteTakesWhatTheSlotsAccept) {
    Phone();
    m.hasClip = true;
    m.clip = "555-123-4567";
    m.MaskPaste();
    EXPECT_STREQ(kPhoneFull, m.text);
    EXPECT_EQ(0, m.caret);
    EXPECT_EQ(0, m.beeps);

    // Longer than the mask: the walk stops when the slots are used up.
    Phone();
    m.clip = "12345678901234567890";
    m.MaskPaste();
    EXPECT_STREQ("(123) 456-7890", m.text);

    // Inserted: what was there moves on and the last characters drop out.
    Phone(kPhoneFull);
    m.Click(1);
    m.clip = "99";
    m.MaskPaste();
    EXPECT_STREQ("(995) 551-2345", m.text);

    // Nothing accepted (letters, line breaks): the text stays.
    Phone("(12_) ___-____");
    m.clip = "ab\r\ncd";
    m.MaskPaste();
    EXPECT_STREQ("(12_) ___-____", m.text);
    m.clip = "3\r\n4";
    m.Click(3);
    m.MaskPaste();
    EXPECT_STREQ("(123) 4__-____", m.text);

    // An empty clipboard: the selection is cleared, nothing else.
    Phone(kPhoneFull);
    m.hasClip = false;
    m.Select(1, 4);
    m.MaskPaste();
    EXPECT_STREQ("(123) 456-7___", m.text);
    EXPECT_EQ(0, m.beeps);
}

TEST_F(MaskModelTest, CaseConversionHexAndPrompt) {
    m.SetEditMask(">><<H", "_____", nullptr);
    m.Type("aBcDg");
    EXPECT_STREQ("ABcd_", m.text);
    EXPECT_EQ(1, m.beeps);  // G is not hexadecimal
    m.Type("f");
    EXPECT_STREQ("ABcdf", m.text);

    Phone("(5__) ___-____");
    m.SetPromptChar('*');
    EXPECT_STREQ("(5**) ***-****", m.text);
    EXPECT_STREQ("(***) ***-****", m.Template());
    EXPECT_EQ('*', m.GetPromptChar());
    m.Click(1);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("(***) ***-****", m.text);  // the new prompt fills the emptied slot
    m.SetPromptChar('\0');                    // refused
    EXPECT_EQ('*', m.GetPromptChar());
}

TEST_F(MaskModelTest, ReadOnlyAllowsCopyAndCaretMovementOnly) {
    Phone(kPhoneFull);
    m.readOnly = true;
    m.hasClip = true;
    m.clip = "999";
    m.Click(1);
    m.Type("9\b ");
    m.Press(FakeMaskEdit::kVkDelete);
    m.Select(1, 4);
    m.MaskCut();
    EXPECT_STREQ("555", m.clip);  // the copy half of cut works
    m.MaskPaste();
    m.MaskClear();
    m.MaskUndo();
    m.shift = true;
    m.Press(FakeMaskEdit::kVkInsert);
    m.shift = false;
    EXPECT_STREQ(kPhoneFull, m.text);
    EXPECT_FALSE(m.IsModified());

    m.Click(8);
    m.Press(FakeMaskEdit::kVkHome);
    EXPECT_EQ(1, m.caret);
}

TEST_F(MaskModelTest, UndoReturnsToTheMaskTextAndRedoes) {
    Phone();
    m.Type("12");
    m.Click(8);
    m.Type("3");
    const CString edited = m.text;
    EXPECT_STREQ("(12_) __3-____", edited);
    m.MaskUndo();
    EXPECT_STREQ(kPhoneTemplate, m.text);
    EXPECT_TRUE(m.Undone());
    m.MaskUndo();
    EXPECT_STREQ(edited, m.text);
    EXPECT_FALSE(m.Undone());
    m.MaskUndo();
    m.Type("9");  // a change after undo: the next undo undoes again
    EXPECT_FALSE(m.Undone());
    EXPECT_TRUE(m.IsModified());
    m.SetEditMask(kPhoneMask, kPhoneTemplate, nullptr);
    EXPECT_FALSE(m.IsModified());
}

TEST_F(MaskModelTest, CaretStaysOffTheLeadingLiterals) {
    Phone(kPhoneFull);
    m.Click(9);
    m.Press(FakeMaskEdit::kVkHome);
    EXPECT_EQ(1, m.caret);
    m.Press(FakeMaskEdit::kVkLeft);
    EXPECT_EQ(1, m.caret);
    m.Click(6);
    m.Press(FakeMaskEdit::kVkLeft);
    EXPECT_EQ(5, m.caret);  // a literal with a slot before it is a place to stand
    m.Click(4);
    EXPECT_EQ(6, m.caret);  // clicks land on the next slot
    m.Click(0);
    EXPECT_EQ(1, m.caret);
    m.Click(14);
    EXPECT_EQ(14, m.caret);  // past the last slot nothing to correct

    m.Click(9);
    EXPECT_EQ(10, m.caret);
    m.shift = true;
    m.Press(FakeMaskEdit::kVkHome);  // Shift+Home keeps the far end
    EXPECT_EQ(10, m.anchor);
    EXPECT_EQ(1, m.caret);
    m.shift = false;

    m.Select(0, 0);
    m.MaskAfterFocus();
    EXPECT_EQ(1, m.caret);
    m.Select(1, 4);  // a double click selected the word "555"
    m.MaskAfterDblClk();
    EXPECT_EQ(1, m.SelStart());
    EXPECT_EQ(6, m.SelEnd());

    m.MaskSelectAll();
    EXPECT_EQ(1, m.SelStart());
    EXPECT_EQ(14, m.SelEnd());
}

TEST_F(MaskModelTest, CorrectPositionBoundaries) {
    Phone(kPhoneFull);
    int pos = 14;
    EXPECT_FALSE(m.CorrectPosition(pos, true, true));  // the end of the text
    EXPECT_EQ(1, m.beeps);
    pos = -1;
    EXPECT_FALSE(m.CorrectPosition(pos, true, true));  // outside: no beep
    EXPECT_EQ(1, m.beeps);
    pos = 4;
    EXPECT_TRUE(m.CorrectPosition(pos, true, false));
    EXPECT_EQ(6, pos);
    pos = 5;
    EXPECT_TRUE(m.CorrectPosition(pos, false, false));
    EXPECT_EQ(3, pos);
    pos = 0;
    EXPECT_FALSE(m.CorrectPosition(pos, false, true));
    EXPECT_EQ(1, pos);  // one on, where the first slot is
    EXPECT_EQ(2, m.beeps);
    EXPECT_TRUE(m.PosInRange(13));
    EXPECT_FALSE(m.PosInRange(14));
    EXPECT_STREQ("5551234567", m.GetMaskedText(0));
    EXPECT_STREQ("4567", m.GetMaskedText(10));
}

TEST_F(MaskModelTest, DatesAndTimesRefuseOutOfRangeDigits) {
    m.digits = FakeMaskEdit::Digits::Date;
    m.SetEditMask("00/00/0000", "__/__/____", nullptr);
    m.Type("35");
    EXPECT_STREQ("3_/__/____", m.text);
    EXPECT_EQ(1, m.beeps);
    m.Click(3);
    m.Type("13");
    EXPECT_STREQ("3_/1_/____", m.text);
    EXPECT_EQ(2, m.beeps);
    m.Click(0);
    m.Type("00");
    EXPECT_STREQ("00/1_/____", m.text);  // no check that the day exists

    m.digits = FakeMaskEdit::Digits::Time12;
    m.SetEditMask("00:00", "__:__", nullptr);
    m.Type("09");
    EXPECT_STREQ("09:__", m.text);
    m.Click(0);
    m.Type("12");
    EXPECT_STREQ("12:__", m.text);
    m.Click(0);
    m.beeps = 0;
    m.Type("13");
    EXPECT_STREQ("12:__", m.text);
    EXPECT_GT(m.beeps, 0);
    m.Click(3);
    m.Type("60");
    EXPECT_STREQ("12:0_", m.text);  // 6 refused, then 0 typed

    m.digits = FakeMaskEdit::Digits::Time24;
    m.SetEditMask("00:00", "__:__", nullptr);
    m.Type("2459");
    EXPECT_STREQ("24:59", m.text);
    m.Click(0);
    m.Type("25");
    EXPECT_STREQ("24:59", m.text);  // the 2 overtypes the 2; the 5 is refused
}

TEST_F(MaskModelTest, TextsThatDoNotMatchTheTemplateStayIntact) {
    // A date edit showing an invalid value: typing edits the slots it has.
    m.digits = FakeMaskEdit::Digits::Date;
    m.SetEditMask("00/00/0000", "__/__/____", "Invalid DateTime");
    m.Type("12");
    EXPECT_STREQ("12valid DateTime", m.text);
    m.Select(0, 16);
    m.Press(FakeMaskEdit::kVkDelete);
    EXPECT_STREQ("__v__i____teTime", m.text);  // slots emptied, the rest untouched
    EXPECT_EQ(16, m.text.GetLength());

    // Shorter than the template, and a mask shorter than the template.
    m.digits = FakeMaskEdit::Digits::None;
    m.SetEditMask("00", "____", "1");
    m.Type("5678");
    EXPECT_EQ(1, m.text.GetLength());
    m.SetEditMask("00", "____", "____");
    m.Click(2);
    m.Type("7");
    EXPECT_STREQ("____", m.text);
    EXPECT_GT(m.beeps, 0);

    // No mask: keys go to the platform.
    m.SetEditMask(nullptr, nullptr, "abc");
    m.Click(2);
    m.Press(FakeMaskEdit::kVkHome);
    EXPECT_EQ(0, m.caret);
}

TEST_F(MaskModelTest, ClipboardKeysAndKeypadSigns) {
    m.SetEditMask("#00", "___", nullptr);
    EXPECT_TRUE(m.MaskTranslateKey(FakeMaskEdit::kVkSubtract, false));
    EXPECT_STREQ("-__", m.text);
    m.Select(0, 3);
    EXPECT_TRUE(m.MaskTranslateKey('c', true));
    EXPECT_STREQ("-", m.clip);
    EXPECT_TRUE(m.MaskTranslateKey('X', true));
    EXPECT_STREQ("___", m.text);
    EXPECT_TRUE(m.MaskTranslateKey('Z', true));
    EXPECT_STREQ("___", m.text);  // back to the text SetEditMask set
    EXPECT_TRUE(m.MaskTranslateKey('V', true));
    EXPECT_STREQ("-__", m.text);
    EXPECT_FALSE(m.MaskTranslateKey('V', false));
    EXPECT_FALSE(m.MaskTranslateKey('A', true));

    // The control characters the platform would act on go to the mask's
    // operations; Ctrl+Backspace does nothing.
    m.Select(0, 3);
    EXPECT_TRUE(m.MaskChar(0x18));
    EXPECT_STREQ("___", m.text);
    EXPECT_TRUE(m.MaskChar(0x7F));
    EXPECT_FALSE(m.MaskChar('\r'));

    m.SetUseMask(false);
    EXPECT_FALSE(m.MaskTranslateKey('C', true));
    UINT ch = '1';
    EXPECT_FALSE(m.CheckChar(ch, 0));
}

}  // namespace
