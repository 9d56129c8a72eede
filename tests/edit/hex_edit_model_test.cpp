#include "edit/hex_edit_model.h"

#include "edit/hex_edit_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// 8-pixel cells, 16-pixel rows, a 400 x 160 client area: 10 rows of 8 bytes.
constexpr int kCell = 8, kRow = 16;

class HexModel : public ::testing::Test {
protected:
    void Load(std::vector<BYTE> bytes, int nMax = -1) {
        ASSERT_TRUE(m.SetData(bytes.data(), static_cast<int>(bytes.size()), nMax));
        m.Layout(kCell, kRow, 400, 160);
    }
    std::vector<BYTE> Bytes() const { return std::vector<BYTE>(m.m_pData, m.m_pData + m.m_nLength); }
    void Type(const std::string& s) {
        for (char ch : s) m.Char(static_cast<BYTE>(ch), false, true);
    }
    std::string Text() const {
        std::string s(m.SelectionTextSize(), '?');
        m.FormatSelectionText(s.data());
        return s.substr(0, s.size() - 1);
    }
    // Client x of cell `col` and y of the middle of row `row`.
    static int X(int col) { return col * kCell + 2; }
    static int Y(int row) { return row * kRow + kRow / 2; }

    CKXHexEditModel m;
};

TEST(HexText, ColumnsAndDigits) {
    char sz[KX_HEX_ADDRESS_CHARS];
    EXPECT_EQ(8, KXHexFormatAddress(0x10, true, sz));
    EXPECT_STREQ("00000010", sz);
    KXHexFormatAddress(0xABC, false, sz);
    EXPECT_STREQ("0ABC", sz);
    KXHexFormatAddress(0x12345, false, sz);  // a width, not a cut
    EXPECT_STREQ("12345", sz);
    KXHexFormatAddress(0xFFFFFFFF, true, sz);
    EXPECT_STREQ("FFFFFFFF", sz);

    const BYTE bytes[] = {0x41, 0x00, 0x7F, 0x20, 0xE9, 0x7E};
    char out[18];
    KXHexFormatBytes(bytes, 6, out);
    EXPECT_EQ("41 00 7F 20 E9 7E ", std::string(out, 18));
    KXHexFormatChars(bytes, 6, out);
    EXPECT_EQ("A..\x20.~", std::string(out, 6));

    EXPECT_EQ(10, KXHexDigitValue('a'));
    EXPECT_EQ(11, KXHexDigitValue('B'));
    EXPECT_EQ(9, KXHexDigitValue('9'));
    EXPECT_EQ(-1, KXHexDigitValue('G'));
    EXPECT_EQ(-1, KXHexDigitValue(0x100 + '1'));
}

TEST_F(HexModel, DataInAndOutAndBadBlocksChangeNothing) {
    EXPECT_FALSE(m.HasData());
    EXPECT_EQ(0u, m.Char('4', false, true));  // nothing to edit yet
    Load({1, 2, 3}, 2);
    EXPECT_EQ(3, m.m_nMaxLength);  // never below the length
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    BYTE out[2] = {};
    EXPECT_EQ(3, m.GetData(out, 2));
    EXPECT_EQ(2, out[1]);
    EXPECT_EQ(3, m.GetData(nullptr, 10));

    EXPECT_FALSE(m.SetData(nullptr, 5, 10));
    const BYTE b = 9;
    EXPECT_FALSE(m.SetData(&b, -1, 10));
    EXPECT_EQ(3, m.m_nLength);
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), Bytes());

    // An empty block is data: typing grows it.
    ASSERT_TRUE(m.SetData(nullptr, 0, -1));
    EXPECT_TRUE(m.HasData());
    EXPECT_EQ(-1, m.m_nMaxLength);
    Type("7f");
    EXPECT_EQ((std::vector<BYTE>{0x7F}), Bytes());
}

TEST_F(HexModel, LayoutOffsetsFollowTheColumnsAndTheHorizontalScroll) {
    Load(std::vector<BYTE>(20));
    EXPECT_EQ(0, m.m_nOffAddress);
    EXPECT_EQ(9 * kCell, m.m_nOffHex);
    EXPECT_EQ(9 * kCell + 24 * kCell, m.m_nOffAscii);
    EXPECT_EQ(10, m.m_nLinesPerPage);
    EXPECT_EQ(0, m.m_bUpdate);
    EXPECT_EQ(9 + 24 + 8, m.TotalCells());

    m.SetOptions(true, false, true, false);
    EXPECT_EQ(1, m.m_bUpdate);
    m.Layout(kCell, kRow, 400, 160);
    EXPECT_EQ(5 * kCell, m.m_nOffHex);
    EXPECT_EQ(m.m_nOffHex, m.m_nOffAscii);  // no hex column

    // A narrow client area scrolls horizontally by cells.
    m.SetOptions(true, true, true, true);
    m.Layout(kCell, kRow, 20 * kCell, 160);
    EXPECT_EQ(20, m.PageCells());
    EXPECT_TRUE(m.HScroll(KX_HEX_SB_PAGEDOWN, 0));
    EXPECT_EQ(20, m.GetHorzPos());
    EXPECT_TRUE(m.HScroll(KX_HEX_SB_PAGEDOWN, 0));
    EXPECT_EQ(41 - 20, m.GetHorzPos());  // clamped to the last page
    EXPECT_FALSE(m.HScroll(KX_HEX_SB_LINEDOWN, 0));
    m.Layout(kCell, kRow, 20 * kCell, 160);
    EXPECT_EQ(-21 * kCell, m.m_nOffAddress);
    EXPECT_EQ(-12 * kCell, m.m_nOffHex);
    EXPECT_TRUE(m.HScroll(KX_HEX_SB_THUMBTRACK, 3));
    EXPECT_FALSE(m.HScroll(KX_HEX_SB_THUMBTRACK, 3));

    EXPECT_FALSE(m.SetBPR(0));
    EXPECT_FALSE(m.SetBPR(KX_HEX_MAX_BPR + 1));
    EXPECT_EQ(8, m.m_nBPR);

    // Fitting the width right of the addresses (400 - 72 = 328 pixels):
    // two thirds into 3-cell bytes with both columns, else all of it.
    EXPECT_FALSE(m.FitBPR(400));  // off unless asked for
    m.m_bAutoBPR = 1;
    m.m_nTopIndex = 40;
    EXPECT_TRUE(m.FitBPR(400));
    EXPECT_EQ(328 * 2 / 3 / 24, m.m_nBPR);
    EXPECT_EQ(36, m.m_nTopIndex);  // a whole row again
    m.SetOptions(true, true, false, true);
    m.FitBPR(400);
    EXPECT_EQ(328 / 24, m.m_nBPR);
    m.SetOptions(true, false, true, true);
    m.FitBPR(400);
    EXPECT_EQ(328 / 8, m.m_nBPR);
    m.FitBPR(10);
    EXPECT_EQ(1, m.m_nBPR);
}

TEST_F(HexModel, TypingOverwritesNibblesAndCharacters) {
    Load({0, 0, 0, 0});
    Type("41");
    EXPECT_EQ(0x41, m.m_pData[0]);
    EXPECT_EQ(1, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    Type("aB");
    EXPECT_EQ(0xAB, m.m_pData[1]);
    Type("G");  // not a digit: nothing
    EXPECT_EQ(2, m.m_nCurrentAddress);
    EXPECT_EQ(0, m.m_pData[2]);
    Type("5");
    EXPECT_EQ(0x50, m.m_pData[2]);
    EXPECT_EQ(KX_HEX_MODE_LOW, m.m_nEditMode);
    Type("x");  // the low nibble stays too
    EXPECT_EQ(0x50, m.m_pData[2]);

    m.m_nEditMode = KX_HEX_MODE_ASCII;
    m.m_nCurrentAddress = 3;
    EXPECT_EQ(KX_HEX_REDRAW | KX_HEX_CARET, m.Char('\r', false, true));  // any code in this column
    EXPECT_EQ(0x0D, m.m_pData[3]);
    EXPECT_EQ(4, m.m_nCurrentAddress);

    // Disabled or read-only, Tab, and the address column change nothing.
    EXPECT_EQ(0u, m.Char('z', false, false));
    EXPECT_EQ(0u, m.Char('\t', false, true));
    m.m_nEditMode = KX_HEX_MODE_ADDRESS;
    m.m_nCurrentAddress = 0;
    m.Char('1', false, true);
    EXPECT_EQ((std::vector<BYTE>{0x41, 0xAB, 0x50, 0x0D}), Bytes());
}

TEST_F(HexModel, TypingPastTheEndGrowsUpToTheLimit) {
    std::vector<BYTE> sixteen(16, 0xEE);
    Load(sixteen, 17);
    m.m_nCurrentAddress = 16;
    EXPECT_EQ(0u, m.Char('G', false, true) & KX_HEX_SCROLLED);  // refused before the block grows
    EXPECT_EQ(16, m.m_nLength);
    Type("12");
    EXPECT_EQ(17, m.m_nLength);
    EXPECT_EQ(0x12, m.m_pData[16]);
    EXPECT_EQ(17, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_BEEP, m.Char('3', false, true));  // at the limit
    EXPECT_EQ(17, m.m_nLength);

    Load(sixteen, 16);
    m.m_nCurrentAddress = 16;
    EXPECT_EQ(KX_HEX_BEEP, m.Char('1', false, true));
    m.m_nEditMode = KX_HEX_MODE_ASCII;
    EXPECT_EQ(KX_HEX_BEEP, m.Char('A', false, true));
    EXPECT_EQ(sixteen, Bytes());

    // Without a limit the block keeps growing, in the character column too.
    Load({}, -1);
    m.m_nEditMode = KX_HEX_MODE_ASCII;
    for (int i = 0; i < 1000; ++i) m.Char('a' + i % 26, false, true);
    EXPECT_EQ(1000, m.m_nLength);
    EXPECT_EQ('a' + 999 % 26, m.m_pData[999]);
}

TEST_F(HexModel, ControlKeysAskTheWindowForTheClipboard) {
    Load({1, 2, 3});
    EXPECT_EQ(0u, m.Char(0x03, true, true));  // nothing selected to copy
    EXPECT_EQ(KX_HEX_PASTE, m.Char(0x16, true, true));
    m.SetSel(0, 2);
    EXPECT_EQ(KX_HEX_COPY, m.Char(0x03, true, true));
    EXPECT_EQ(KX_HEX_CUT, m.Char(0x18, true, true));
    EXPECT_EQ(0u, m.Char(0x1A, true, true));
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), Bytes());
}

TEST_F(HexModel, CopiedTextDependsOnTheColumn) {
    Load({0x10, 0x41, 0x00, 0x42, 0x20});
    m.SetSel(4, 1);  // reversed ends select the same bytes
    EXPECT_EQ(3, m.NormalizeSelection());
    EXPECT_EQ(1, m.m_nSelStart);
    EXPECT_EQ(0x41, m.SelectionBytes()[0]);
    EXPECT_EQ("41 00 42 ", Text());
    m.m_nEditMode = KX_HEX_MODE_ASCII;
    EXPECT_EQ("A.B", Text());
    m.m_nEditMode = KX_HEX_MODE_ADDRESS;
    EXPECT_EQ("41 00 42 ", Text());
    m.ClearSelection();
    EXPECT_EQ("", Text());
}

TEST_F(HexModel, PasteInsertsAtTheCaretAndKeepsIt) {
    const BYTE block[] = {0xA, 0xB, 0xC};
    Load({1, 2, 3, 4});
    m.m_nCurrentAddress = 1;
    m.Paste(block, 3, true);
    EXPECT_EQ((std::vector<BYTE>{1, 0xA, 0xB, 0xC, 2, 3, 4}), Bytes());
    EXPECT_EQ(1, m.m_nCurrentAddress);

    // On a low nibble the block goes after the caret's byte.
    Load({1, 2});
    m.m_nEditMode = KX_HEX_MODE_LOW;
    m.Paste(block, 1, true);
    EXPECT_EQ((std::vector<BYTE>{1, 0xA, 2}), Bytes());

    // A selection is replaced.
    Load({1, 2, 3, 4, 5});
    m.m_nCurrentAddress = 4;
    m.SetSel(3, 1);
    m.Paste(block, 3, true);
    EXPECT_EQ((std::vector<BYTE>{1, 0xA, 0xB, 0xC, 4, 5}), Bytes());
    EXPECT_FALSE(m.IsAnchored());
    EXPECT_EQ(4, m.m_nCurrentAddress);

    // The limit cuts the block; a full block refuses it.
    Load({1, 2}, 3);
    m.Paste(block, 3, true);
    EXPECT_EQ((std::vector<BYTE>{0xA, 1, 2}), Bytes());
    EXPECT_EQ(KX_HEX_BEEP, m.Paste(block, 3, true) & KX_HEX_BEEP);
    EXPECT_EQ(0u, m.Paste(block, 3, false));
    EXPECT_EQ(0u, m.Paste(nullptr, 3, true));
    EXPECT_EQ((std::vector<BYTE>{0xA, 1, 2}), Bytes());
}

TEST_F(HexModel, InsertDeleteAndBackspace) {
    Load({1, 2, 3, 4, 5, 6});
    m.m_nCurrentAddress = 1;
    m.KeyDown(KX_HEX_VK_INSERT, false, false, true);  // no selection: one byte
    EXPECT_EQ((std::vector<BYTE>{1, 0, 2, 3, 4, 5, 6}), Bytes());
    m.SetSel(2, 6);
    m.KeyDown(KX_HEX_VK_INSERT, false, false, true);  // four selected: four bytes
    EXPECT_EQ(11, m.m_nLength);
    EXPECT_EQ(0, m.m_pData[4]);
    EXPECT_FALSE(m.IsAnchored());
    EXPECT_EQ(0u, m.KeyDown(KX_HEX_VK_INSERT, false, false, false));

    Load({1, 2, 3, 4, 5, 6});
    m.m_nCurrentAddress = 2;
    m.KeyDown(KX_HEX_VK_DELETE, false, false, true);
    EXPECT_EQ((std::vector<BYTE>{1, 2, 4, 5, 6}), Bytes());
    m.SetSel(4, 1);  // Delete with a selection clears it and puts the caret at its start
    m.KeyDown(KX_HEX_VK_DELETE, true, false, true);
    EXPECT_EQ((std::vector<BYTE>{1, 6}), Bytes());
    EXPECT_EQ(1, m.m_nCurrentAddress);
    m.m_nCurrentAddress = 2;
    EXPECT_EQ(KX_HEX_BEEP, m.KeyDown(KX_HEX_VK_DELETE, false, false, true));  // nothing after the caret

    m.Char('\b', false, true);
    EXPECT_EQ((std::vector<BYTE>{1}), Bytes());
    EXPECT_EQ(1, m.m_nCurrentAddress);
    m.Char('\b', false, true);
    EXPECT_EQ(KX_HEX_BEEP, m.Char('\b', false, true));  // at byte 0
    EXPECT_EQ(0, m.m_nLength);

    // Without deletes nothing goes; Insert still works.
    Load({1, 2, 3});
    m.m_bAllowDeletes = false;
    m.m_nCurrentAddress = 1;
    EXPECT_EQ(0u, m.KeyDown(KX_HEX_VK_DELETE, false, false, true));
    EXPECT_EQ(KX_HEX_BEEP, m.Char('\b', false, true));
    m.SetSel(0, 2);
    EXPECT_EQ(0u, m.Clear(true));
    m.SelDelete(0, 3);
    EXPECT_EQ(3, m.m_nLength);
    m.KeyDown(KX_HEX_VK_INSERT, false, false, true);
    EXPECT_EQ((std::vector<BYTE>{1, 0, 0, 2, 3}), Bytes());

    // Insert is cut to the limit; no room left beeps.
    Load({1, 2}, 3);
    m.SetSel(0, 2);
    m.KeyDown(KX_HEX_VK_INSERT, false, false, true);
    EXPECT_EQ(3, m.m_nLength);
    EXPECT_EQ(KX_HEX_BEEP, m.KeyDown(KX_HEX_VK_INSERT, false, false, true));
}

TEST_F(HexModel, HitTestingFindsNibblesCharactersAndAddresses) {
    Load(std::vector<BYTE>(20));
    // Cells 0-7 address digits, 8 the blank, 9/10 byte 0, 11 its blank, ...
    m.CalcPos(X(9), Y(0));
    EXPECT_EQ(0, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    m.CalcPos(X(10), Y(1));
    EXPECT_EQ(8, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_LOW, m.m_nEditMode);
    m.CalcPos(X(11), Y(0));  // the blank after byte 0: byte 1's high nibble
    EXPECT_EQ(1, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    m.CalcPos(X(8), Y(0));  // the blank after the address: byte 0
    EXPECT_EQ(0, m.m_nCurrentAddress);

    EXPECT_EQ(CPoint(0, 2), m.CalcPos(X(3), Y(2)));
    EXPECT_EQ(16, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_ADDRESS, m.m_nEditMode);

    m.CalcPos(X(32), Y(1));  // the blank after the last hex byte: the first character
    EXPECT_EQ(8, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_ASCII, m.m_nEditMode);
    m.CalcPos(X(33 + 7), Y(1));
    EXPECT_EQ(15, m.m_nCurrentAddress);
    m.CalcPos(X(33 + 7), Y(2));  // past the end: after the last byte
    EXPECT_EQ(20, m.m_nCurrentAddress);
    m.CalcPos(X(22), Y(5));
    EXPECT_EQ(20, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);

    EXPECT_EQ(CPoint(-1, -1), m.CalcPos(X(33 + 8), Y(0)));  // right of the characters
    EXPECT_EQ(20, m.m_nCurrentAddress);
    m.SetOptions(false, true, true, true);
    m.Layout(kCell, kRow, 400, 160);
    EXPECT_EQ(CPoint(-1, -1), m.CalcPos(-20, Y(0)));
    m.CalcPos(X(0), Y(0));  // without addresses byte 0 starts the row
    EXPECT_EQ(0, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    m.CalcPos(X(2), Y(0));
    EXPECT_EQ(1, m.m_nCurrentAddress);
}

TEST_F(HexModel, CaretCellsAndFarAway) {
    Load(std::vector<BYTE>(100));
    m.m_nEditMode = KX_HEX_MODE_LOW;
    EXPECT_TRUE(m.PlaceCaret(10));  // row 1, byte 2
    EXPECT_EQ(9 * kCell + 7 * kCell, m.m_nCaretX);
    EXPECT_EQ(kRow, m.m_nCaretY);
    EXPECT_EQ(kCell, m.m_nCaretWidth);
    m.m_nEditMode = KX_HEX_MODE_ASCII;
    m.PlaceCaret(10);
    EXPECT_EQ(33 * kCell + 2 * kCell, m.m_nCaretX);
    m.m_nEditMode = KX_HEX_MODE_ADDRESS;
    m.PlaceCaret(10);
    EXPECT_EQ(0, m.m_nCaretX);
    EXPECT_EQ(8 * kCell, m.m_nCaretWidth);
    EXPECT_FALSE(m.PlaceCaret(80));  // row 10: just below the client area

    // A row two billion bytes away does not wrap into view.
    m.m_nBPR = 1;
    m.m_nTopIndex = 0;
    m.m_nEditMode = KX_HEX_MODE_HIGH;
    EXPECT_FALSE(m.PlaceCaret(INT_MAX));
    EXPECT_EQ(INT_MAX, m.m_nCaretY);
    m.m_nTopIndex = INT_MAX - 1;
    EXPECT_FALSE(m.PlaceCaret(0));
    EXPECT_EQ(INT_MIN, m.m_nCaretY);
}

TEST_F(HexModel, MovingByNibblesRowsAndTheView) {
    Load(std::vector<BYTE>(200));  // 25 rows, 10 shown
    m.Move(1, 0);
    EXPECT_EQ(KX_HEX_MODE_LOW, m.m_nEditMode);
    EXPECT_EQ(0, m.m_nCurrentAddress);
    m.Move(1, 0);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    EXPECT_EQ(1, m.m_nCurrentAddress);
    m.Move(-1, 0);
    EXPECT_EQ(KX_HEX_MODE_LOW, m.m_nEditMode);
    EXPECT_EQ(0, m.m_nCurrentAddress);
    m.Move(0, 1);
    EXPECT_EQ(8, m.m_nCurrentAddress);
    m.Move(-1, 0);
    m.Move(-1, 0);  // low -> high -> previous low
    EXPECT_EQ(7, m.m_nCurrentAddress);

    m.m_nEditMode = KX_HEX_MODE_ASCII;
    m.Move(-1, -1);  // clamped at 0
    EXPECT_EQ(0, m.m_nCurrentAddress);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(0u, m.Move(0, 1) & KX_HEX_SCROLLED);
    EXPECT_EQ(72, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_SCROLLED, m.Move(0, 1) & KX_HEX_SCROLLED);  // row 10: the view follows a row
    EXPECT_EQ(8, m.m_nTopIndex);
    m.m_nCurrentAddress = 8;
    m.Move(0, -1);
    EXPECT_EQ(0, m.m_nTopIndex);
    m.m_nCurrentAddress = 199;
    m.Move(5, 0);
    EXPECT_EQ(200, m.m_nCurrentAddress);

    m.m_nEditMode = KX_HEX_MODE_ADDRESS;
    m.m_nCurrentAddress = 16;
    m.Move(1, 1);
    EXPECT_EQ(16, m.m_nCurrentAddress);
}

TEST_F(HexModel, VerticalScrollRules) {
    Load(std::vector<BYTE>(200));  // rows 0-24 and the insertion row 25
    EXPECT_EQ(24, m.VScrollMax());
    EXPECT_EQ(9, m.VScrollPage());
    EXPECT_FALSE(m.FitsVertically());
    m.VScroll(KX_HEX_SB_PAGEDOWN, 0, false);
    EXPECT_EQ(9, m.TopRow());
    m.VScroll(KX_HEX_SB_THUMBTRACK, 16, false);
    EXPECT_EQ(16, m.TopRow());
    m.VScroll(KX_HEX_SB_LINEDOWN, 0, false);  // the last page: rows 16-25
    EXPECT_EQ(16, m.TopRow());
    m.VScroll(KX_HEX_SB_PAGEDOWN, 0, false);  // to the maximum, then pulled back
    EXPECT_EQ(24, m.TopRow());
    m.AdjustView();
    EXPECT_EQ(17, m.TopRow());
    m.VScroll(KX_HEX_SB_THUMBTRACK, 1000, false);
    EXPECT_EQ(24, m.TopRow());

    // The caret moves with the view; page up at the top takes it to byte 0.
    m.VScroll(KX_HEX_SB_THUMBTRACK, 0, false);
    m.m_nCurrentAddress = 21;
    m.KeyDown(KX_HEX_VK_NEXT, false, false, true);
    EXPECT_EQ(9, m.TopRow());
    EXPECT_EQ(21 + 72, m.m_nCurrentAddress);
    m.KeyDown(KX_HEX_VK_PRIOR, false, false, true);
    EXPECT_EQ(21, m.m_nCurrentAddress);
    m.KeyDown(KX_HEX_VK_PRIOR, false, false, true);
    EXPECT_EQ(0, m.m_nCurrentAddress);

    // A block that fits goes back to the top.
    Load(std::vector<BYTE>(72));
    EXPECT_TRUE(m.FitsVertically());
    m.m_nTopIndex = 16;
    EXPECT_EQ(KX_HEX_REDRAW, m.AdjustView());
    EXPECT_EQ(0, m.m_nTopIndex);
    Load({1, 2});  // fewer bytes than a row: no negative top
    m.VScroll(KX_HEX_SB_PAGEDOWN, 0, false);
    EXPECT_EQ(0, m.m_nTopIndex);
}

TEST_F(HexModel, ShiftKeysSelect) {
    Load(std::vector<BYTE>(64));
    m.m_nCurrentAddress = 4;
    m.KeyDown(KX_HEX_VK_RIGHT, true, false, true);  // low nibble of byte 4: byte 4 selected
    EXPECT_EQ(CSize(4, 5), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.KeyDown(KX_HEX_VK_RIGHT, true, false, true);
    m.KeyDown(KX_HEX_VK_RIGHT, true, false, true);
    EXPECT_EQ(CSize(4, 6), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.KeyDown(KX_HEX_VK_DOWN, true, false, true);
    EXPECT_EQ(CSize(4, 14), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.KeyDown(KX_HEX_VK_UP, true, false, true);  // going back the end stays on the caret
    EXPECT_EQ(CSize(4, 5), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.KeyDown(KX_HEX_VK_UP, true, false, true);
    EXPECT_EQ(CSize(4, 0), CSize(m.m_nSelStart, m.m_nSelEnd));
    EXPECT_EQ(4, m.NormalizeSelection());

    m.KeyDown(KX_HEX_VK_LEFT, false, false, true);
    EXPECT_FALSE(m.IsAnchored());
    m.m_nCurrentAddress = 13;
    m.m_nEditMode = KX_HEX_MODE_LOW;
    m.KeyDown(KX_HEX_VK_HOME, false, false, true);
    EXPECT_EQ(8, m.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    m.KeyDown(KX_HEX_VK_END, true, false, true);
    EXPECT_EQ(CSize(8, 15), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.KeyDown(KX_HEX_VK_END, false, true, true);
    EXPECT_EQ(64, m.m_nCurrentAddress);
    EXPECT_FALSE(m.IsAnchored());
    m.KeyDown(KX_HEX_VK_HOME, false, true, true);
    EXPECT_EQ(0, m.m_nCurrentAddress);
    EXPECT_EQ(0, m.m_nTopIndex);
    m.KeyDown(KX_HEX_VK_END, true, true, true);
    EXPECT_EQ(CSize(0, 63), CSize(m.m_nSelStart, m.m_nSelEnd));

    m.SelectAll();
    EXPECT_EQ(CSize(0, 64), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.SetSel(10, 1000);  // beyond the end: cut
    EXPECT_EQ(CSize(10, 64), CSize(m.m_nSelStart, m.m_nSelEnd));
    m.SetSel(-5, 3);
    EXPECT_FALSE(m.IsAnchored());
}

TEST_F(HexModel, TabWalksTheColumnsThenLeaves) {
    Load({1});
    m.m_nEditMode = KX_HEX_MODE_ADDRESS;
    m.KeyDown(KX_HEX_VK_TAB, false, false, true);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    m.KeyDown(KX_HEX_VK_TAB, false, false, true);
    EXPECT_EQ(KX_HEX_MODE_ASCII, m.m_nEditMode);
    EXPECT_EQ(KX_HEX_FOCUS_NEXT, m.KeyDown(KX_HEX_VK_TAB, false, false, true));
    m.KeyDown(KX_HEX_VK_TAB, true, false, true);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m.m_nEditMode);
    EXPECT_EQ(KX_HEX_FOCUS_PREV, m.KeyDown(KX_HEX_VK_TAB, true, false, true));
    m.SetOptions(true, true, false, true);  // no characters: Tab leaves from the hex column
    EXPECT_EQ(KX_HEX_FOCUS_NEXT, m.KeyDown(KX_HEX_VK_TAB, false, false, true));

    CKXHexEditModel empty;
    EXPECT_EQ(KX_HEX_FOCUS_NEXT, empty.KeyDown(KX_HEX_VK_TAB, false, false, true));
}

}  // namespace
