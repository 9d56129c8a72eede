// The masked edit as a window: keystrokes, clicks and the clipboard reach
// the mask through the platform's messages, and nothing (PreTranslateMessage
// skipped, CEdit::Paste, the context menu's commands) puts unmasked text in.
#include "edit/mask_edit.h"

#include "edit_fixture.h"
#include "kxres_ids.h"
#include "support/input.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kxtest::EditTest;
using kxtest::UpdateState;

constexpr const char* kMask = "(999) 999-9999";
constexpr const char* kTemplate = "(___) ___-____";

std::string Text(CWnd& wnd) {
    CString s;
    wnd.GetWindowText(s);
    return s.GetString();
}

std::pair<int, int> Sel(CEdit& edit) {
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    return {nStart, nEnd};
}

// The message loop's translation step for one key-down.
BOOL Translate(CWnd& wnd, UINT vk) {
    MSG msg = {wnd.m_hWnd, WM_KEYDOWN, vk, 1, 0, {}};
    return CWnd::WalkPreTranslateTree(::GetParent(wnd.m_hWnd), &msg);
}

class MaskEditTest : public EditTest {
protected:
    void Phone(CKXMaskEdit& edit, const char* text = nullptr) {
        edit.SetEditMask(kMask, kTemplate, text);
        edit.SetFocus();
        kxtest::PumpUntilIdle();
    }
};

TEST_F(MaskEditTest, KeystrokesKeepTheShapeWhicheverWayTheControlWasMade) {
    CKXMaskEdit made, subclassed;
    Make(made, CRect(10, 10, 200, 34));
    Subclass(subclassed, CRect(10, 40, 200, 64));
    for (CKXMaskEdit* p : {&made, &subclassed}) {
        SCOPED_TRACE(p == &made ? "made by Create" : "subclassed");
        CKXMaskEdit& edit = *p;
        Phone(edit);
        EXPECT_EQ(std::make_pair(1, 1), Sel(edit));  // the focus put the caret on the first slot
        kxtest::PostTypeText(edit.m_hWnd, "555x1234567");
        kxtest::PumpUntilIdle();
        EXPECT_EQ("(555) 123-4567", Text(edit));
        EXPECT_TRUE(edit.IsModified());

        // Insert mode: the digits move on across the literals.
        kxtest::PostKeyPress(edit.m_hWnd, VK_INSERT);
        edit.SetSel(1, 1);
        kxtest::PostTypeText(edit.m_hWnd, "9");
        kxtest::PumpUntilIdle();
        EXPECT_EQ("(955) 512-3456", Text(edit));
        EXPECT_FALSE(edit.CanOverType());

        // A click on the bracket lands on the next slot.
        const CPoint ptParen = edit.PosFromChar(4);
        kxtest::PostClick(edit.m_hWnd, POINT{ptParen.x, ptParen.y + 3});
        kxtest::PumpUntilIdle();
        EXPECT_EQ(std::make_pair(6, 6), Sel(edit));
        kxtest::PostKeyPress(edit.m_hWnd, VK_HOME);  // the platform's move, then corrected
        kxtest::PumpUntilIdle();
        EXPECT_EQ(std::make_pair(1, 1), Sel(edit));

        // Read-only: typing and deleting change nothing.
        edit.ModifyStyle(0, ES_READONLY);
        kxtest::PostTypeText(edit.m_hWnd, "77\b");
        kxtest::PostKeyPress(edit.m_hWnd, VK_DELETE);
        kxtest::PumpUntilIdle();
        EXPECT_EQ("(955) 512-3456", Text(edit));
        edit.ModifyStyle(ES_READONLY, 0);
    }
}

TEST_F(MaskEditTest, TheClipboardGoesThroughTheMaskByEveryRoute) {
    CKXMaskEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    const HWND hHost = m_window.hwnd();

    // Ctrl+V and Ctrl+C, taken before translation.
    Phone(edit);
    kxtest::SetClipboard(hHost, "555-123-4567");
    {
        kxtest::ScopedKeyState ctrl({VK_CONTROL});
        EXPECT_TRUE(Translate(edit, 'V'));
        EXPECT_EQ("(555) 123-4567", Text(edit));
        edit.SetSel(0, -1);
        EXPECT_TRUE(Translate(edit, 'C'));
        EXPECT_EQ("5551234567", kxtest::ClipboardText(hHost));
        edit.SetSel(6, 9);
        EXPECT_TRUE(Translate(edit, 'X'));
        EXPECT_EQ("123", kxtest::ClipboardText(hHost));
        EXPECT_EQ("(555) 456-7___", Text(edit));
        EXPECT_TRUE(Translate(edit, 'Z'));
        EXPECT_EQ(kTemplate, Text(edit));  // back to the text the mask was set with
    }
    EXPECT_FALSE(Translate(edit, 'V'));  // without Ctrl: for the platform

    // Sent by other code, or typed where no translation step ran.
    kxtest::SetClipboard(hHost, "12ab34");
    edit.SetSel(0, 0);
    edit.Paste();
    EXPECT_EQ("(123) 4__-____", Text(edit));
    edit.SetSel(0, -1);
    edit.SendMessage(WM_CHAR, 0x18);  // Ctrl+X
    EXPECT_EQ("1234", kxtest::ClipboardText(hHost));
    EXPECT_EQ(kTemplate, Text(edit));
    edit.SendMessage(WM_CHAR, 0x16);  // Ctrl+V
    EXPECT_EQ("(123) 4__-____", Text(edit));

    // The context menu's commands, with their enabling.
    edit.SetSel(2, 6);
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_COPY));
    edit.SendMessage(WM_COMMAND, ID_KX_EDIT_COPY);
    EXPECT_EQ("23", kxtest::ClipboardText(hHost));
    edit.SendMessage(WM_COMMAND, ID_KX_EDIT_SELECT_ALL);
    EXPECT_EQ(std::make_pair(1, 14), Sel(edit));
    edit.SendMessage(WM_COMMAND, ID_KX_EDIT_CLEAR);
    EXPECT_EQ(kTemplate, Text(edit));
    edit.SendMessage(WM_COMMAND, ID_KX_EDIT_PASTE);
    EXPECT_EQ("(23_) ___-____", Text(edit));

    // Undo follows the modified flag; read-only leaves the item alone.
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_UNDO));
    edit.SetEditMask(kMask, kTemplate, nullptr);
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_UNDO));
    edit.ModifyStyle(0, ES_READONLY);
    EXPECT_EQ(-1, UpdateState(&edit, ID_KX_EDIT_UNDO));
    edit.ModifyStyle(ES_READONLY, 0);

    // With the mask off, the platform's own clipboard handling.
    edit.SetUseMask(false);
    kxtest::SetClipboard(hHost, "raw");
    edit.SetSel(0, -1);
    edit.SendMessage(WM_COMMAND, ID_KX_EDIT_PASTE);
    EXPECT_EQ("raw", Text(edit));
}

}  // namespace
