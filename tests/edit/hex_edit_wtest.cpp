// The hex editor as a user sees and drives it: pixels of its columns and
// selection, typing, keys, clicks and drags, the clipboard in both formats,
// focus leaving by Tab, the scroll bar, the context menu, and thousands of
// create/edit/destroy cycles.
#include "edit/hex_edit.h"

#include "core/aux_data.h"
#include "core/module_state.h"
#include "kxres_ids.h"
#include "support/capture.h"
#include "support/named_lock.h"
#include "support/gdi_leak.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/msg_recorder.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using kxtest::Capture;

constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP;

std::vector<BYTE> Counting(int n, BYTE first = 0x41) {
    std::vector<BYTE> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) v[static_cast<size_t>(i)] = static_cast<BYTE>(first + i);
    return v;
}

// What the clipboard holds under a format, as bytes (empty when nothing).
std::vector<BYTE> ClipboardBlock(UINT nFormat) {
    std::vector<BYTE> out;
    if (!::OpenClipboard(nullptr)) return out;
    if (HGLOBAL h = ::GetClipboardData(nFormat)) {
        if (const BYTE* p = static_cast<const BYTE*>(::GlobalLock(h))) {
            out.assign(p, p + ::GlobalSize(h));
            ::GlobalUnlock(h);
        }
    }
    ::CloseClipboard();
    return out;
}

std::string ClipboardText() {
    const std::vector<BYTE> block = ClipboardBlock(CF_TEXT);
    return std::string(reinterpret_cast<const char*>(block.data()), strnlen(reinterpret_cast<const char*>(block.data()), block.size()));
}

// Puts blocks on the clipboard as another program would.
void SetClipboard(std::initializer_list<std::pair<UINT, std::vector<BYTE>>> blocks) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    for (const auto& [format, bytes] : blocks) {
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (!bytes.empty()) {
            std::memcpy(::GlobalLock(h), bytes.data(), bytes.size());
            ::GlobalUnlock(h);
        }
        ::SetClipboardData(format, h);
    }
    ::CloseClipboard();
}

::testing::AssertionResult SamePixels(const Capture& actual, const Capture& expected) {
    if (actual.width() != expected.width() || actual.height() != expected.height())
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << ", expected "
                                             << expected.width() << "x" << expected.height();
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.At(x, y) != expected.At(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << kxtest::ColourText(actual.At(x, y)) << ", expected "
                                                     << kxtest::ColourText(expected.At(x, y));
    return ::testing::AssertionSuccess();
}

class HexEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, m_host.hwnd());
        m_parent.Attach(m_host.hwnd());
        ASSERT_TRUE(m_hex.Create(kStyle, CRect(10, 10, 390, 250), &m_parent, 100));
    }
    void TearDown() override {
        m_hex.DestroyWindow();
        m_parent.Detach();
        kxtest::PumpUntilIdle();
    }

    void Load(const std::vector<BYTE>& bytes, int nMax = -1) {
        std::vector<BYTE> copy = bytes;
        ASSERT_TRUE(m_hex.SetData(copy.data(), static_cast<int>(copy.size()), nMax));
        kxtest::PumpUntilIdle();
        ASSERT_EQ(0, m_hex.m_bUpdate) << "laid out by the paint";
    }
    std::vector<BYTE> Data() {
        std::vector<BYTE> out(static_cast<size_t>(m_hex.GetData(nullptr, 0)));
        m_hex.GetData(out.data(), static_cast<int>(out.size()));
        return out;
    }
    void Focus() {
        m_hex.SetFocus();
        kxtest::PumpUntilIdle();
    }
    void Type(const char* psz) {
        for (; *psz; ++psz) kxtest::PostChar(m_hex.m_hWnd, *psz);
        kxtest::PumpUntilIdle();
    }
    void Press(UINT vk) {
        kxtest::PostKeyPress(m_hex.m_hWnd, vk);
        kxtest::PumpUntilIdle();
    }
    int Cell() const { return m_hex.m_nNullWidth; }
    int Row() const { return m_hex.m_nLineHeight; }
    // The middle of a hex digit (nibble 0 or 1), of a byte's blank (nibble
    // 2) or of a character, in client coordinates.
    CPoint HexPoint(int nByte, int nNibble) const {
        return CPoint(m_hex.m_nOffHex + (3 * (nByte % 8) + nNibble) * Cell() + Cell() / 2,
                      (nByte / 8) * Row() + Row() / 2);
    }
    CPoint CharPoint(int nByte) const {
        return CPoint(m_hex.m_nOffAscii + (nByte % 8) * Cell() + Cell() / 2, (nByte / 8) * Row() + Row() / 2);
    }
    // Cells of a row of one column, in client pixels.
    CRect Cells(int x, int nRow, int nFirst, int nLast) const {
        return CRect(x + nFirst * Cell(), nRow * Row(), x + nLast * Cell(), (nRow + 1) * Row());
    }
    // text in the control's font and cells, as the control should show it.
    Capture Expected(const char* text, COLORREF clrText, COLORREF clrBack) {
        const int n = static_cast<int>(std::strlen(text));
        return kxtest::Render(
            n * Cell(), Row(),
            [&](HDC hdc) {
                HGDIOBJ hOld = ::SelectObject(hdc, m_hex.m_Font.GetSafeHandle());
                ::SetTextColor(hdc, clrText);
                ::SetBkMode(hdc, TRANSPARENT);
                for (int i = 0; i < n; ++i) ::TextOutA(hdc, i * Cell(), 0, text + i, 1);
                ::SelectObject(hdc, hOld);
            },
            clrBack);
    }
    Capture Shot() { return kxtest::PrintClient(m_hex.m_hWnd, false); }
    // Where the control puts its caret now.  Test programs run side by side
    // and may take the focus away meanwhile: the control gets it back first
    // (and places its caret on getting it).
    CPoint Caret() {
        if (::GetFocus() != m_hex.m_hWnd) Focus();
        return CWnd::GetCaretPos();
    }

    kxtest::HostWindow m_host;
    CWnd m_parent;
    CKXHexEdit m_hex;
};

TEST_F(HexEditTest, PaintsAddressesDigitsAndCharactersOfTheRowsThatExist) {
    Load(Counting(20));  // 'A' ... 'T'
    const COLORREF clrText = ::GetSysColor(COLOR_WINDOWTEXT), clrBack = ::GetSysColor(COLOR_WINDOW);
    ASSERT_GT(Cell(), 0);
    EXPECT_EQ(9 * Cell(), m_hex.m_nOffHex);
    EXPECT_EQ(33 * Cell(), m_hex.m_nOffAscii);
    const Capture shot = Shot();
    kxtest::WritePng(shot, "twenty-bytes");
    EXPECT_TRUE(SamePixels(shot.Crop(Cells(0, 0, 0, 8)), Expected("00000000", clrText, clrBack)));
    EXPECT_TRUE(SamePixels(shot.Crop(Cells(0, 2, 0, 8)), Expected("00000010", clrText, clrBack)));
    EXPECT_TRUE(SamePixels(shot.Crop(Cells(m_hex.m_nOffHex, 1, 0, 24)),
                           Expected("49 4A 4B 4C 4D 4E 4F 50 ", clrText, clrBack)));
    EXPECT_TRUE(SamePixels(shot.Crop(Cells(m_hex.m_nOffAscii, 2, 0, 4)), Expected("QRST", clrText, clrBack)));
    // The short last row is padded; there is no fourth row.
    EXPECT_RECT_COLOUR(shot, Cells(m_hex.m_nOffHex, 2, 12, 24), clrBack);
    EXPECT_RECT_COLOUR(shot, CRect(0, 3 * Row(), shot.width(), shot.height()), clrBack);

    // A full last row is followed by the address of the insertion point.
    Load(Counting(16));
    const Capture full = Shot();
    EXPECT_TRUE(SamePixels(full.Crop(Cells(0, 2, 0, 8)), Expected("00000010", clrText, clrBack)));
    EXPECT_RECT_COLOUR(full, CRect(m_hex.m_nOffHex, 2 * Row(), full.width(), 3 * Row()), clrBack);

    // Base, narrow addresses, hidden columns.
    EXPECT_EQ(0u, m_hex.SetAddressBase(0x1000));
    m_hex.SetOptions(1, 1, 0, 0);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(5 * Cell(), m_hex.m_nOffHex);
    const Capture narrow = Shot();
    EXPECT_TRUE(SamePixels(narrow.Crop(Cells(0, 1, 0, 4)), Expected("1008", clrText, clrBack)));
    EXPECT_RECT_COLOUR(narrow, CRect(m_hex.m_nOffHex + 24 * Cell(), 0, narrow.width(), narrow.height()), clrBack);
    EXPECT_EQ(0x1000u, m_hex.SetAddressBase(0));
}

TEST_F(HexEditTest, SelectionShowsInTheCaretColumnInTheStateColours) {
    Load(Counting(16));
    m_hex.SetSel(5, 2);
    const CKXAuxData& aux = CKXAuxData::Get();
    Capture shot = Shot();
    // Bytes 2 to 4: cells 6 to 14 of the hex column, blanks included.
    EXPECT_RECT_COLOUR(shot, Cells(m_hex.m_nOffHex, 0, 8, 9), aux.clrHilite);
    EXPECT_RECT_COLOUR(shot, Cells(m_hex.m_nOffHex, 0, 14, 15), aux.clrHilite);
    EXPECT_RECT_CONTAINS(shot, Cells(m_hex.m_nOffHex, 0, 6, 8), aux.clrHiliteText);
    EXPECT_RECT_COLOUR(shot, Cells(m_hex.m_nOffHex, 0, 5, 6), aux.clrWindow);
    EXPECT_RECT_COLOUR(shot, Cells(m_hex.m_nOffHex, 0, 17, 18), aux.clrWindow);
    EXPECT_FALSE(kxtest::RectContainsColour("", "", "", shot, Cells(m_hex.m_nOffAscii, 0, 0, 8), aux.clrHilite));

    m_hex.m_nEditMode = KX_HEX_MODE_ASCII;
    m_hex.RedrawWindow();
    shot = Shot();
    EXPECT_RECT_CONTAINS(shot, Cells(m_hex.m_nOffAscii, 0, 2, 5), aux.clrHilite);
    EXPECT_FALSE(kxtest::RectContainsColour("", "", "", shot, Cells(m_hex.m_nOffAscii, 0, 5, 8), aux.clrHilite));
    EXPECT_FALSE(kxtest::RectContainsColour("", "", "", shot, Cells(m_hex.m_nOffHex, 0, 0, 24), aux.clrHilite));

    // Read-only: the disabled background, normal text.  Disabled: grey text
    // and the shadow as selection.
    m_hex.SendMessage(EM_SETREADONLY, TRUE);
    shot = Shot();
    EXPECT_PIXEL(shot, shot.width() - 1, shot.height() - 1, aux.clrBtnFace);
    EXPECT_RECT_CONTAINS(shot, Cells(0, 0, 0, 8), aux.clrWindowText);
    m_hex.SendMessage(EM_SETREADONLY, FALSE);
    m_hex.EnableWindow(FALSE);
    shot = Shot();
    kxtest::WritePng(shot, "disabled");
    EXPECT_PIXEL(shot, shot.width() - 1, shot.height() - 1, aux.clrBtnFace);
    EXPECT_RECT_CONTAINS(shot, Cells(0, 0, 0, 8), aux.clrGrayText);
    EXPECT_RECT_CONTAINS(shot, Cells(m_hex.m_nOffAscii, 0, 2, 5), aux.clrBtnShadow);
    EXPECT_EQ(aux.clrBtnShadow, m_hex.GetActualHighlightBackColor());
}

TEST_F(HexEditTest, TypingEditsNibblesAndCharactersAndGrowsTheBlock) {
    Load({0, 0, 0}, 4);
    Focus();
    EXPECT_EQ(CPoint(m_hex.m_nOffHex, 0), Caret());
    Type("41");
    EXPECT_EQ(CPoint(m_hex.m_nOffHex + 3 * Cell(), 0), Caret());
    Type("aBG");  // G is no digit
    EXPECT_EQ((std::vector<BYTE>{0x41, 0xAB, 0}), Data());
    Type("7");
    EXPECT_EQ(CPoint(m_hex.m_nOffHex + 7 * Cell(), 0), Caret());  // byte 2's low nibble
    Press(VK_RIGHT);
    Type("e5");  // past the end: the block grows to its limit ...
    EXPECT_EQ((std::vector<BYTE>{0x41, 0xAB, 0x70, 0xE5}), Data());
    Type("1");  // ... and no further
    EXPECT_EQ(4u, Data().size());

    // (Characters, insertion and deletion are the model's; its tests have them.)
    // Read-only and disabled controls take no edits.
    const std::vector<BYTE> before = Data();
    m_hex.SendMessage(EM_SETREADONLY, TRUE);
    Type("q");
    Press(VK_DELETE);
    m_hex.SendMessage(EM_SETREADONLY, FALSE);
    m_hex.EnableWindow(FALSE);
    ::SendMessageA(m_hex.m_hWnd, WM_CHAR, 'q', 0);
    EXPECT_EQ(before, Data());
}

TEST_F(HexEditTest, ShiftSelectsAndControlKeysCopyAndPaste) {
    kxtest::ClipboardLock lock;
    Load({0x10, 0x41, 0x00, 0x42, 0x20});
    Focus();
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    {
        kxtest::ScopedKeyState shift({VK_SHIFT});
        for (int i = 0; i < 5; ++i) Press(VK_RIGHT);  // three bytes from byte 1
    }
    EXPECT_EQ(CSize(1, 4), m_hex.GetSel());
    {
        kxtest::ScopedKeyState control({VK_CONTROL});
        Type("\x03");
    }
    EXPECT_EQ("41 00 42 ", ClipboardText());
    EXPECT_EQ((std::vector<BYTE>{0x41, 0x00, 0x42}), ClipboardBlock(KXGetBinaryDataFormat()));

    m_hex.m_nEditMode = KX_HEX_MODE_ASCII;
    {
        kxtest::ScopedKeyState control({VK_CONTROL});
        Type("\x03");
    }
    EXPECT_EQ("A.B", ClipboardText());

    // Pasted back without a selection: inserted at the caret, which stays.
    Press(VK_END);
    Press(VK_LEFT);
    const int nCaret = m_hex.m_nCurrentAddress;
    {
        kxtest::ScopedKeyState control({VK_CONTROL});
        Type("\x16");
    }
    EXPECT_EQ((std::vector<BYTE>{0x10, 0x41, 0x00, 0x42, 0x41, 0x00, 0x42, 0x20}), Data());
    EXPECT_EQ(nCaret, m_hex.m_nCurrentAddress);

    // Cut takes the selection out.
    m_hex.SetSel(0, 4);
    {
        kxtest::ScopedKeyState control({VK_CONTROL});
        Type("\x18");
    }
    EXPECT_EQ((std::vector<BYTE>{0x41, 0x00, 0x42, 0x20}), Data());
    EXPECT_EQ((std::vector<BYTE>{0x10, 0x41, 0x00, 0x42}), ClipboardBlock(KXGetBinaryDataFormat()));
}

TEST_F(HexEditTest, PasteTakesTheBinaryBlockFirstAndTextUpToItsEnd) {
    kxtest::ClipboardLock lock;
    Load({1, 2, 3}, 6);
    const UINT cfBinary = KXGetBinaryDataFormat();
    ASSERT_NE(0u, cfBinary);
    SetClipboard({{CF_TEXT, {'x', 'y', 0, 'j', 'u', 'n', 'k'}}, {cfBinary, {0xB0, 0xB1}}});
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ((std::vector<BYTE>{0xB0, 0xB1, 1, 2, 3}), Data());

    SetClipboard({{CF_TEXT, {'x', 'y', 0, 'j', 'u', 'n', 'k'}}});
    m_hex.SetSel(4, 5);  // replaced; the block is cut to the limit of 6
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ((std::vector<BYTE>{0xB0, 0xB1, 1, 2, 'x', 'y'}), Data());
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_PASTE);  // full: nothing
    SetClipboard({{cfBinary, {}}});                   // an empty block: nothing
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(6u, Data().size());

    // Read-only: no paste; copy still works from the menu.
    SetClipboard({{cfBinary, {9}}});
    m_hex.SetSel(0, 1);
    m_hex.SendMessage(EM_SETREADONLY, TRUE);
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_CUT);
    EXPECT_EQ((std::vector<BYTE>{0xB0, 0xB1, 1, 2, 'x', 'y'}), Data());
    m_hex.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ((std::vector<BYTE>{0xB0}), ClipboardBlock(cfBinary));
}

TEST_F(HexEditTest, ClicksPlaceTheCaretAndDragsSelect) {
    Load(Counting(64));
    kxtest::PostClick(m_hex.m_hWnd, HexPoint(0, 2));  // the blank after byte 0
    kxtest::PumpUntilIdle();
    EXPECT_EQ(m_hex.m_hWnd, ::GetFocus());
    EXPECT_EQ(1, m_hex.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_HIGH, m_hex.m_nEditMode);
    EXPECT_EQ(CPoint(m_hex.m_nOffHex + 3 * Cell(), 0), Caret());

    kxtest::PostClick(m_hex.m_hWnd, HexPoint(9, 1));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(9, m_hex.m_nCurrentAddress);
    EXPECT_EQ(KX_HEX_MODE_LOW, m_hex.m_nEditMode);

    kxtest::PostClick(m_hex.m_hWnd, CPoint(2 * Cell(), 2 * Row() + 2));  // an address
    kxtest::PumpUntilIdle();
    EXPECT_EQ(KX_HEX_MODE_ADDRESS, m_hex.m_nEditMode);
    EXPECT_EQ(16, m_hex.m_nCurrentAddress);
    EXPECT_EQ(8 * Cell(), m_hex.m_nCaretWidth);
    EXPECT_EQ(CPoint(0, 2 * Row()), Caret());

    // Down on character 3, drag to character 13, up.  (The drag detection
    // reads the button's state.)
    kxtest::ScopedKeyState button({VK_LBUTTON});
    kxtest::PostMouseDown(m_hex.m_hWnd, CharPoint(3));
    kxtest::PostMouseMove(m_hex.m_hWnd, CharPoint(4), MK_LBUTTON);  // taken by the drag detection
    kxtest::PostMouseMove(m_hex.m_hWnd, CharPoint(13), MK_LBUTTON);
    kxtest::PostMouseUp(m_hex.m_hWnd, CharPoint(13));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(CSize(3, 13), m_hex.GetSel());
    EXPECT_EQ(nullptr, ::GetCapture());
    // Shift+click moves the end; in the hex column it includes the byte.
    kxtest::PostClick(m_hex.m_hWnd, HexPoint(6, 0), kxtest::MouseButton::Left, MK_SHIFT);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(CSize(3, 7), m_hex.GetSel());
    // A plain click clears it.
    kxtest::PostClick(m_hex.m_hWnd, HexPoint(6, 0));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(CSize(-1, -1), m_hex.GetSel());

    // Dragging below the window scrolls a row per move.
    m_hex.MoveWindow(10, 10, 380, 4 * Row() + 4);
    kxtest::PumpUntilIdle();
    kxtest::PostMouseDown(m_hex.m_hWnd, HexPoint(0, 0));
    kxtest::PostMouseMove(m_hex.m_hWnd, HexPoint(0, 0) + CPoint(0, 50), MK_LBUTTON);
    kxtest::PostMouseMove(m_hex.m_hWnd, CPoint(HexPoint(0, 0).x, 200), MK_LBUTTON);
    kxtest::PostMouseMove(m_hex.m_hWnd, CPoint(HexPoint(0, 0).x, 200), MK_LBUTTON);
    kxtest::PostMouseUp(m_hex.m_hWnd, CPoint(HexPoint(0, 0).x, 200));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(16, m_hex.m_nTopIndex);
    CRect rcClient;
    m_hex.GetClientRect(&rcClient);
    const int nLastRow = (rcClient.Height() - 1) / Row();  // under the last pixel row
    EXPECT_EQ(CSize(0, 16 + 8 * nLastRow + 1), m_hex.GetSel());

    kxtest::PostWheel(m_hex.m_hWnd, CPoint(20, 20), -WHEEL_DELTA);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(24, m_hex.m_nTopIndex);
    kxtest::PostWheel(m_hex.m_hWnd, CPoint(20, 20), WHEEL_DELTA);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(16, m_hex.m_nTopIndex);
}

TEST_F(HexEditTest, AutomaticRowsFitTheWidthOnEveryResize) {
    Load(Counting(64));
    EXPECT_EQ(8, m_hex.m_nBPR);
    m_hex.SetAutoBPR(TRUE);
    const int nWide = m_hex.m_nBPR;
    CRect rc;
    m_hex.GetClientRect(&rc);
    EXPECT_LE(m_hex.TotalCells() * Cell(), rc.Width());
    EXPECT_GT(m_hex.m_nBPR, 1);
    m_hex.MoveWindow(10, 10, 200, 240);
    kxtest::PumpUntilIdle();
    m_hex.GetClientRect(&rc);
    EXPECT_LT(m_hex.m_nBPR, nWide);
    EXPECT_LE(m_hex.TotalCells() * Cell(), rc.Width());
    EXPECT_EQ(0, m_hex.m_nTopIndex % m_hex.m_nBPR);
}

TEST_F(HexEditTest, TabAndShiftTabLeaveForTheNeighbouringTabStops) {
    // Siblings in order: a button, the editor, a static (no tab stop), an edit.
    CWnd before, label, after;
    ASSERT_TRUE(before.CreateEx(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 260, 40, 280), &m_parent, 1));
    ASSERT_TRUE(label.CreateEx(0, "STATIC", "s", WS_CHILD | WS_VISIBLE, CRect(50, 260, 90, 280), &m_parent, 2));
    ASSERT_TRUE(after.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(100, 260, 140, 280), &m_parent, 3));
    const UINT nOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(before.m_hWnd, HWND_TOP, 0, 0, 0, 0, nOrder);
    ::SetWindowPos(m_hex.m_hWnd, before.m_hWnd, 0, 0, 0, 0, nOrder);
    ::SetWindowPos(label.m_hWnd, m_hex.m_hWnd, 0, 0, 0, 0, nOrder);
    ::SetWindowPos(after.m_hWnd, label.m_hWnd, 0, 0, 0, 0, nOrder);
    Load({1, 2});
    Focus();
    Press(VK_TAB);
    EXPECT_EQ(m_hex.m_hWnd, ::GetFocus());  // hex column to characters
    Press(VK_TAB);
    EXPECT_EQ(after.m_hWnd, ::GetFocus());

    Focus();
    {
        kxtest::ScopedKeyState shift({VK_SHIFT});
        Press(VK_TAB);  // characters to hex
        EXPECT_EQ(m_hex.m_hWnd, ::GetFocus());
        EXPECT_EQ(KX_HEX_MODE_HIGH, m_hex.m_nEditMode);
        Press(VK_TAB);
    }
    EXPECT_EQ(before.m_hWnd, ::GetFocus());

    // The last tab stop wraps round to the first.
    after.DestroyWindow();
    Focus();
    m_hex.m_nEditMode = KX_HEX_MODE_ASCII;
    Press(VK_TAB);
    EXPECT_EQ(before.m_hWnd, ::GetFocus());
    EXPECT_EQ(static_cast<UINT>(DLGC_WANTALLKEYS), static_cast<UINT>(m_hex.SendMessage(WM_GETDLGCODE)));
    before.DestroyWindow();
    label.DestroyWindow();
}

TEST_F(HexEditTest, TheScrollBarFollowsTheBlock) {
    Load(Counting(24));
    SCROLLBARINFO sbi = {};
    sbi.cbSize = sizeof sbi;
    ASSERT_TRUE(::GetScrollBarInfo(m_hex.m_hWnd, OBJID_VSCROLL, &sbi));
    EXPECT_TRUE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "everything fits: disabled";

    // A million bytes: 125000 rows, more than a scroll message carries.
    {
        kxtest::MessageRecorder rec;
        rec.Watch(m_hex.m_hWnd, "hex", {WM_VSCROLL});
        std::vector<BYTE> big(1000000, 0x5A);
        ASSERT_TRUE(m_hex.SetData(big.data(), static_cast<int>(big.size()), -1));
        EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {kxtest::ExpectedMessage("hex", WM_VSCROLL, kxtest::kSent)
                                                        .WithWParam(static_cast<WPARAM>(0xFFFFFFFF))}));
    }
    kxtest::PumpUntilIdle();
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(m_hex.m_hWnd, SB_VERT, &si));
    EXPECT_EQ(124999, si.nMax);
    EXPECT_EQ(static_cast<UINT>(m_hex.m_nLinesPerPage - 1), si.nPage);
    ::GetScrollBarInfo(m_hex.m_hWnd, OBJID_VSCROLL, &sbi);
    EXPECT_FALSE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);

    ::SetScrollPos(m_hex.m_hWnd, SB_VERT, 100000, FALSE);
    m_hex.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100000 & 0xFFFF));
    EXPECT_EQ(800000, m_hex.m_nTopIndex);
    m_hex.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(800000 + 8 * (m_hex.m_nLinesPerPage - 1), m_hex.m_nTopIndex);
    m_hex.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(800000 + 8 * (m_hex.m_nLinesPerPage - 2), m_hex.m_nTopIndex);
    ::GetScrollInfo(m_hex.m_hWnd, SB_VERT, &si);
    EXPECT_EQ(m_hex.m_nTopIndex / 8, si.nPos);

    // Ctrl+End takes the caret to the end and the view a page on; typing
    // there grows the block.
    Focus();
    {
        kxtest::ScopedKeyState control({VK_CONTROL});
        Press(VK_END);
    }
    EXPECT_EQ(1000000, m_hex.m_nCurrentAddress);
    Type("7");
    EXPECT_EQ(1000001, m_hex.GetData(nullptr, 0));
}

TEST_F(HexEditTest, ContextMenuOffersTheEditCommandsThatApply) {
    kxtest::ClipboardLock lock;
    SetClipboard({});
    Load(Counting(32));
    m_hex.SetAllowDeletes(false);
    EXPECT_FALSE(m_hex.GetAllowDeletes());
    m_hex.SetSel(2, 6);
    Focus();

    CPoint ptClient(0, 0);
    m_hex.ClientToScreen(&ptClient);
    std::vector<std::pair<UINT, UINT>> states;
    CRect rcPopup;
    const bool bShown = kxtest::WithMenu(
        m_hex.m_hWnd,
        [&] { m_hex.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hex.m_hWnd), MAKELPARAM(-1, -1)); },
        [&](HWND popup) {
            ::GetWindowRect(popup, &rcPopup);
            const HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
            for (UINT id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                            ID_EDIT_SELECT_ALL})
                states.emplace_back(id, ::GetMenuState(hMenu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_OWNERDRAW));
            kxtest::WritePng(kxtest::CaptureMenu(popup), "menu");
            kxtest::PostChar(popup, 'c', 'C');  // "&Copy"
        });
    ASSERT_TRUE(bShown);
    EXPECT_EQ(ptClient + CPoint(5, 5), rcPopup.TopLeft());
    EXPECT_GT(rcPopup.Height(), 8 * 8) << "owner-drawn items were measured";
    const std::vector<std::pair<UINT, UINT>> expected = {
        {ID_EDIT_UNDO, MF_GRAYED | MF_OWNERDRAW},  {ID_EDIT_CUT, MF_GRAYED | MF_OWNERDRAW},
        {ID_EDIT_COPY, MF_OWNERDRAW},              {ID_EDIT_PASTE, MF_GRAYED | MF_OWNERDRAW},
        {ID_EDIT_CLEAR, MF_GRAYED | MF_OWNERDRAW}, {ID_EDIT_SELECT_ALL, MF_OWNERDRAW}};
    EXPECT_EQ(expected, states);
    EXPECT_EQ((std::vector<BYTE>{0x43, 0x44, 0x45, 0x46}), ClipboardBlock(KXGetBinaryDataFormat()));

    // Without a selection copy is off and paste on (the clipboard has data);
    // a mnemonic chooses Select All.
    m_hex.SetSel(-1, -1);
    states.clear();
    kxtest::WithMenu(
        m_hex.m_hWnd, [&] { m_hex.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hex.m_hWnd), MAKELPARAM(300, 300)); },
        [&](HWND popup) {
            ::GetWindowRect(popup, &rcPopup);
            const HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
            for (UINT id : {ID_EDIT_COPY, ID_EDIT_PASTE})
                states.emplace_back(id, ::GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_GRAYED);
            kxtest::PostChar(popup, 'a', 'A');  // "Select &All"
        });
    EXPECT_EQ(CPoint(300, 300), rcPopup.TopLeft());
    EXPECT_EQ((std::vector<std::pair<UINT, UINT>>{{ID_EDIT_COPY, MF_GRAYED}, {ID_EDIT_PASTE, 0u}}), states);
    EXPECT_EQ(CSize(0, 32), m_hex.GetSel());
}

TEST(HexEditLeak, ThousandsOfCreateEditDestroyCyclesLeaveNothing) {
    // A hidden parent: every paint goes through WM_PRINTCLIENT into memory,
    // which is the same drawing without the round trips to the display.
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    std::vector<BYTE> bytes = Counting(200, 0);
    LOGFONT lf = {};
    lf.lfHeight = -15;
    std::strcpy(lf.lfFaceName, "Courier New");
    auto cycle = [&](int i) {
        CKXHexEdit hex;
        hex.Create(kStyle | WS_HSCROLL, CRect(0, 0, 300, 200), &parent, 1);
        hex.SetData(bytes.data(), static_cast<int>(bytes.size()), 400);
        hex.SetFocus();
        hex.SendMessage(WM_CHAR, 'a');
        hex.SendMessage(WM_KEYDOWN, VK_INSERT);
        hex.SetSel(i % 50, 120);
        if (i % 3 == 0) hex.SetHexFont(&lf);
        if (i % 5 == 0) hex.RestoreDefaultFont();
        hex.SendMessage(WM_KEYDOWN, VK_DELETE);
        hex.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
        hex.SendMessage(WM_HSCROLL, SB_LINEDOWN);
        kxtest::PrintClient(hex.m_hWnd, false);
    };
    cycle(0);  // the system's lazily made objects
    kxtest::PumpUntilIdle();
    {
        kxtest::GdiLeakCheck check;
        for (int i = 1; i <= 2000; ++i) cycle(i);
        kxtest::PumpUntilIdle();
    }
    parent.DestroyWindow();
}

}  // namespace
