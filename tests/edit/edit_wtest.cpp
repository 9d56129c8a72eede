// The edit control: both ways of making it, its colours by state, the six
// editing commands on the text and the clipboard, and its context menu.
#include "edit/date_edit.h"

#include "edit_fixture.h"
#include "kxres_ids.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;
using kxtest::UpdateState;

// Reads what the two ways of making a control must agree on.
template <class T>
class Inspect : public T {
public:
    bool InitsOnCreate() const { return this->m_bInitOnCreate; }
    COLORREF BrushColour() const {
        LOGBRUSH lb = {};
        ::GetObjectA(this->m_hBrush, sizeof lb, &lb);
        return lb.lbColor;
    }
    DWORD SavedStyle() const { return this->m_dwStyle; }
    DWORD SavedExStyle() const { return this->m_dwExStyle; }
};

// A point of the client area that the text never reaches (the right end).
COLORREF Background(HWND hWnd) {
    const kxtest::Capture shot = kxtest::PrintClient(hWnd);
    return shot.At(shot.width() - 2, shot.height() / 2);
}

TEST_F(EditTest, BothWaysOfMakingTheControlGiveTheSameControl) {
    Inspect<CKXDateEdit> made, subclassed;
    Make(made, CRect(10, 10, 200, 34));
    Subclass(subclassed, CRect(10, 40, 200, 64));
    const WPARAM hShared = reinterpret_cast<WPARAM>(CKXAuxData::Get().fontRegular.GetSafeHandle());
    ASSERT_NE(0u, hShared);
    for (Inspect<CKXDateEdit>* p : {&made, &subclassed}) {
        EXPECT_EQ(hShared, static_cast<WPARAM>(p->SendMessage(WM_GETFONT)));
        EXPECT_EQ(CKXAuxData::Get().clrWindow, p->BrushColour());
        EXPECT_EQ(CKXAuxData::Get().clrWindow, Background(*p));
    }
    EXPECT_TRUE(made.InitsOnCreate());
    EXPECT_FALSE(subclassed.InitsOnCreate());
    EXPECT_EQ(made.SavedStyle() & ~WS_TABSTOP, subclassed.SavedStyle() & ~WS_TABSTOP);
    EXPECT_EQ(made.SavedExStyle(), subclassed.SavedExStyle());

    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CKXEdit), RUNTIME_CLASS(CKXFlatEdit), RUNTIME_CLASS(CKXMaskEdit),
                                  RUNTIME_CLASS(CKXDateEdit), RUNTIME_CLASS(CKXTimeEdit)}) {
        CObject* pObject = pClass->CreateObject();
        ASSERT_NE(nullptr, pObject) << pClass->m_lpszClassName;
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CKXEdit)));
        delete pObject;
    }
    EXPECT_STREQ("CKXTimeEdit", RUNTIME_CLASS(CKXTimeEdit)->m_lpszClassName);
}

TEST_F(EditTest, ColoursFollowTheStateWithoutTheApplication) {
    const CKXAuxData& aux = CKXAuxData::Get();
    CKXEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    edit.SetWindowText("WWWWWW");
    edit.SetBkColor(RGB(255, 255, 192));
    EXPECT_EQ(RGB(255, 255, 192), Background(edit));

    // Read-only through ModifyStyle: the background switches at once, and
    // the control is read-only indeed.
    edit.ModifyStyle(0, ES_READONLY);
    EXPECT_PIXEL(kxtest::GrabClient(m_window.hwnd()), 195, 22, aux.clrBtnFace);
    edit.SendMessage(WM_CHAR, 'a');
    EXPECT_EQ(6, edit.GetWindowTextLength());
    edit.SetReadOnlyColor(RGB(255, 0, 0), RGB(200, 220, 255));
    kxtest::Capture shot = kxtest::PrintClient(edit);
    EXPECT_PIXEL(shot, shot.width() - 2, shot.height() / 2, RGB(200, 220, 255));
    EXPECT_RECT_CONTAINS(shot, CRect(0, 0, shot.width(), shot.height()), RGB(255, 0, 0));

    // Disabled: the button face whatever the colours; enabled again: its own.
    edit.EnableWindow(FALSE);
    EXPECT_EQ(aux.clrBtnFace, Background(edit));
    edit.EnableWindow(TRUE);
    EXPECT_EQ(RGB(200, 220, 255), Background(edit));
    edit.ModifyStyle(ES_READONLY, 0);
    edit.SetTextColor(RGB(0, 0, 255));
    shot = kxtest::PrintClient(edit);
    EXPECT_PIXEL(shot, shot.width() - 2, shot.height() / 2, RGB(255, 255, 192));
    EXPECT_RECT_CONTAINS(shot, CRect(0, 0, shot.width(), shot.height()), RGB(0, 0, 255));
}

TEST_F(EditTest, EditingCommandsActOnTheTextAndTheClipboard) {
    CKXEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    auto command = [&](UINT nID) { edit.SendMessage(WM_COMMAND, nID); };
    auto text = [&] {
        CString s;
        edit.GetWindowText(s);
        return std::string(s.GetString());
    };
    kxtest::SetClipboard(m_window.hwnd(), nullptr);
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_SELECT_ALL));  // empty
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_PASTE));
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_UNDO));
    edit.SetWindowText("hello world");
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_CUT));  // nothing selected
    edit.SetSel(0, 5);
    for (UINT nID : {ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_CLEAR, ID_KX_EDIT_SELECT_ALL})
        EXPECT_EQ(1, UpdateState(&edit, nID)) << nID;

    command(ID_KX_EDIT_COPY);
    EXPECT_EQ("hello", kxtest::ClipboardText(m_window.hwnd()));
    command(ID_KX_EDIT_CUT);
    EXPECT_EQ(" world", text());
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_UNDO));
    command(ID_KX_EDIT_UNDO);
    EXPECT_EQ("hello world", text());
    command(ID_KX_EDIT_SELECT_ALL);
    EXPECT_EQ(MAKELONG(0, 11), static_cast<LONG>(edit.GetSel()));
    command(ID_KX_EDIT_PASTE);
    EXPECT_EQ("hello", text());
    edit.SetSel(1, 3);
    command(ID_KX_EDIT_CLEAR);
    EXPECT_EQ("hlo", text());
    edit.ModifyStyle(0, ES_READONLY);  // read-only changes no enabling rule
    edit.SetSel(0, 1);
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_CLEAR));
}

// The popup's items undo, cut, copy, paste, delete, select all: '+'
// enabled, '-' greyed.
std::string ItemStates(HWND hPopup) {
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hPopup, MN_GETHMENU, 0, 0));
    std::string s;
    for (UINT nID : {ID_KX_EDIT_UNDO, ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_PASTE, ID_KX_EDIT_CLEAR,
                     ID_KX_EDIT_SELECT_ALL})
        s += (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) ? '-' : '+';
    return s;
}

TEST_F(EditTest, ContextMenuOpensWhereAskedWithItsItemsEnabledByState) {
    CKXEdit edit;
    Make(edit, CRect(20, 20, 220, 44));
    edit.SetWindowText("abc");
    edit.SetFocus();
    edit.SetSel(0, 1);
    kxtest::SetClipboard(m_window.hwnd(), nullptr);
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    edit.ClientToScreen(&rcClient);
    // From the keyboard (-1, -1), or at a screen point; the callback then
    // chooses an item by its mnemonic.
    auto open = [&](LPARAM lParam, char chChoose, std::string& states, CRect& rcPopup) {
        return kxtest::WithMenu(
            m_window.hwnd(), [&] { edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), lParam); },
            [&](HWND hPopup) {
                states = ItemStates(hPopup);
                ::GetWindowRect(hPopup, &rcPopup);
                kxtest::WritePng(kxtest::CaptureMenu(hPopup), "menu");
                kxtest::PostChar(hPopup, chChoose);
            });
    };
    std::string states;
    CRect rcPopup;
    ASSERT_TRUE(open(-1, 'a', states, rcPopup));  // "Select &All"
    EXPECT_EQ("-++-++", states);
    EXPECT_EQ(rcClient.TopLeft() + CPoint(5, 5), rcPopup.TopLeft());
    EXPECT_EQ(MAKELONG(0, 3), static_cast<LONG>(edit.GetSel()));

    kxtest::SetClipboard(m_window.hwnd(), "xyz");
    edit.SetSel(3, 3);
    const CPoint pt = rcClient.TopLeft() + CPoint(40, 8);
    ASSERT_TRUE(open(MAKELPARAM(pt.x, pt.y), 'p', states, rcPopup));  // "&Paste"
    EXPECT_EQ("---+-+", states);
    EXPECT_EQ(pt, rcPopup.TopLeft());
    CString str;
    edit.GetWindowText(str);
    EXPECT_STREQ("abcxyz", str);
}

}  // namespace
