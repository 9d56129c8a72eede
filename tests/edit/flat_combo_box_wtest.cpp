// The flat combo box under Wine: the frame follows the real mouse and the
// focus, a read-only box never drops its list, type-ahead completion as the
// user types through a message loop that pre-translates, and switching the
// look off restores the styles the box was made with.
#include "edit/flat_combo_box.h"

#include "edit_fixture.h"
#include "support/capture.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;

class FlatComboTest : public EditTest {
protected:
    kxtest::CursorLock m_cursorLock;  // the frame follows the real cursor

    void Make(DWORD dwType, DWORD dwExtra = 0) {
        ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | dwType | dwExtra,
                                   CRect(20, 20, 220, 200), &m_parent, 100));
        for (const char* p : {"Banana", "Apple", "Apricot", "Cherry"}) m_combo.AddString(p);
        kxtest::PumpUntilIdle();
    }
    void Away() {
        ASSERT_TRUE(kxtest::MoveCursorTo(m_window.hwnd(), POINT{350, 250}));
        kxtest::PumpFor(60);
    }
    void Over() {
        ASSERT_TRUE(kxtest::MoveCursorTo(m_combo.m_hWnd, POINT{40, 8}));
        kxtest::PumpFor(60);
    }
    // The outer ring's top edge and the drop button's left edge, as host
    // pixels: 'F' face, 'S' shadow, 'H' highlight.
    std::string Frame() {
        const kxtest::Capture shot = kxtest::GrabClient(m_window.hwnd());
        CRect rc;
        m_combo.GetWindowRect(&rc);
        m_parent.ScreenToClient(&rc);
        const int xButton = rc.right - 1 - CKXAuxData::Get().cxHThumb - 2;
        const CKXAuxData& aux = CKXAuxData::Get();
        std::string s;
        for (COLORREF c : {shot.At(rc.left + 30, rc.top), shot.At(xButton, rc.top + 6)})
            s += c == aux.clrBtnShadow ? 'S' : c == aux.clrBtnHilite ? 'H' : c == aux.clrBtnFace ? 'F' : '?';
        return s;
    }
    bool TimerRuns() {
        kxtest::MessageRecorder rec;
        rec.Watch(m_combo.m_hWnd, "combo", {WM_TIMER});
        kxtest::PumpFor(80);
        for (const kxtest::RecordedMessage& m : rec.Take())
            if (m.wParam == CKXFlatComboBox::kTimerID) return true;
        return false;
    }
    // A key as the keyboard gives it; the loop's translation makes the character.
    void Key(HWND hWnd, UINT vk) {
        kxtest::PostKeyDown(hWnd, vk);
        PumpTranslated();
        kxtest::PostKeyUp(hWnd, vk);
        PumpTranslated();
    }
    HWND EditPart() {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        return ::GetComboBoxInfo(m_combo.m_hWnd, &info) ? info.hwndItem : nullptr;
    }
    CString Text() {
        CString s;
        m_combo.GetWindowText(s);
        return s;
    }

    CKXFlatComboBox m_combo;
};

TEST_F(FlatComboTest, TheFrameRisesUnderTheMouseAndStaysWithTheFocus) {
    Make(CBS_DROPDOWNLIST);
    Away();
    EXPECT_EQ("FF", Frame());
    EXPECT_FALSE(TimerRuns());

    Over();
    EXPECT_EQ("SH", Frame());  // a thin sunken ring, a raised button
    EXPECT_TRUE(TimerRuns());
    kxtest::WritePng(kxtest::GrabClient(m_window.hwnd()), "hot");

    Away();
    EXPECT_EQ("FF", Frame());
    EXPECT_FALSE(TimerRuns());

    // With the focus the mouse may leave: the frame stays up until the focus goes.
    m_combo.SetFocus();
    Over();
    Away();
    EXPECT_EQ("SH", Frame());
    EXPECT_TRUE(TimerRuns());
    m_parent.SetFocus();
    kxtest::PumpFor(60);
    EXPECT_EQ("FF", Frame());
    EXPECT_FALSE(TimerRuns());
}

TEST_F(FlatComboTest, AReadOnlyBoxNeverDropsItsListAndShowsItsColours) {
    kxtest::NamedLock popupLock("KXTestPopupMenu");  // a dropped list is a popup
    Make(CBS_DROPDOWN);
    m_combo.SetReadOnly(TRUE);
    m_combo.SetReadOnlyColor(RGB(0, 0, 128), RGB(250, 240, 200));
    m_combo.SetCurSel(0);
    CRect rc;
    m_combo.GetClientRect(&rc);
    const POINT ptButton{rc.right - 6, rc.Height() / 2};
    kxtest::PostClick(m_combo.m_hWnd, ptButton);
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(m_combo.GetDroppedState());
    EXPECT_NE(0u, static_cast<UINT>(::GetWindowLongA(EditPart(), GWL_STYLE)) & ES_READONLY);
    EXPECT_PIXEL(kxtest::GrabClient(EditPart()), 60, 3, RGB(250, 240, 200));

    m_combo.SetReadOnly(FALSE);
    kxtest::PostMouseDown(m_combo.m_hWnd, ptButton);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(m_combo.GetDroppedState());
    m_combo.ShowDropDown(FALSE);
    kxtest::PumpUntilIdle();
}

TEST_F(FlatComboTest, TypingCompletesFromTheListAndBackspaceDoesNotComeBack) {
    Make(CBS_DROPDOWN);
    m_combo.EnableAutoCompletion();
    const HWND hEdit = EditPart();
    ASSERT_NE(nullptr, hEdit);
    ::SetFocus(hEdit);
    Key(hEdit, 'A');
    EXPECT_STREQ("Apple", Text());
    Key(hEdit, 'P');
    Key(hEdit, 'R');
    EXPECT_STREQ("Apricot", Text());
    EXPECT_EQ(MAKELONG(3, 7), static_cast<LONG>(m_combo.GetEditSel()));  // "icot" selected

    // Backspace takes the selection away and completes nothing.
    Key(hEdit, VK_BACK);
    EXPECT_STREQ("Apr", Text());
    EXPECT_EQ(MAKELONG(3, 3), static_cast<LONG>(m_combo.GetEditSel()));
    Key(hEdit, VK_BACK);
    EXPECT_STREQ("Ap", Text());
    // Typing again completes again; a text the list does not offer stays.
    Key(hEdit, 'P');
    EXPECT_STREQ("App", Text().Left(3));
    EXPECT_STREQ("Apple", Text());
    Key(hEdit, VK_BACK);
    Key(hEdit, 'X');
    EXPECT_STREQ("Appx", Text());  // the loop's translation types small letters
}

TEST_F(FlatComboTest, SwitchingTheLookOffRestoresTheBorderItWasMadeWith) {
    Make(CBS_DROPDOWNLIST, WS_BORDER);
    m_combo.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_combo.DisableFlatLook(FALSE);
    EXPECT_TRUE(m_combo.IsFlat());
    EXPECT_EQ(0u, m_combo.GetStyle() & WS_BORDER);
    EXPECT_EQ(0u, m_combo.GetExStyle() & WS_EX_CLIENTEDGE);

    m_combo.DisableFlatLook(TRUE);
    EXPECT_FALSE(m_combo.IsFlat());
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER), m_combo.GetStyle() & WS_BORDER);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_CLIENTEDGE), m_combo.GetExStyle() & WS_EX_CLIENTEDGE);
    Over();
    EXPECT_FALSE(TimerRuns());  // no hover without the look
}

}  // namespace
