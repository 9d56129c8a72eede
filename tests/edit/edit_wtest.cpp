// The edit control: both ways of making it, its colours by state, the six
// editing commands on the text and the clipboard, and its context menu.
#include "edit/date_edit.h"
#include "edit/edit.h"

#include "edit_fixture.h"
#include "kxres_ids.h"
#include "support/capture.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;
using kxtest::UpdateState;

// Reads what the tests compare between the two ways of making a control.
template <class T>
class Inspect : public T {
public:
    bool InitsOnCreate() const { return this->m_bInitOnCreate; }
    HBRUSH Brush() const { return this->m_hBrush; }
};

template <class T>
class InspectFlat : public Inspect<T> {
public:
    DWORD SavedStyle() const { return this->m_dwStyle; }
    DWORD SavedExStyle() const { return this->m_dwExStyle; }
};

COLORREF BrushColour(HBRUSH hBrush) {
    LOGBRUSH lb = {};
    ::GetObjectA(hBrush, sizeof lb, &lb);
    return lb.lbColor;
}

// A point of the client area that text never reaches (the right end).
COLORREF Background(HWND hWnd) {
    const kxtest::Capture shot = kxtest::PrintClient(hWnd);
    return shot.At(shot.width() - 2, shot.height() / 2);
}

template <class T>
void ExpectSameControl(T& made, T& subclassed) {
    const HFONT hShared = static_cast<HFONT>(CKXAuxData::Get().fontRegular.GetSafeHandle());
    ASSERT_NE(nullptr, hShared);
    for (T* p : {&made, &subclassed}) {
        SCOPED_TRACE(p == &made ? "made by Create" : "subclassed");
        EXPECT_EQ(reinterpret_cast<WPARAM>(hShared), static_cast<WPARAM>(p->SendMessage(WM_GETFONT)));
        EXPECT_EQ(CKXAuxData::Get().clrWindow, BrushColour(p->Brush()));
        EXPECT_EQ(CKXAuxData::Get().clrWindow, Background(p->m_hWnd));
        EXPECT_EQ(static_cast<DWORD>(WS_EX_CLIENTEDGE), p->GetExStyle() & WS_EX_CLIENTEDGE);
    }
    EXPECT_TRUE(made.InitsOnCreate());
    EXPECT_FALSE(subclassed.InitsOnCreate());
}

TEST_F(EditTest, BothWaysOfMakingTheControlGiveTheSameControl) {
    {
        Inspect<CKXEdit> made, subclassed;
        Make(made, CRect(10, 10, 200, 34));
        Subclass(subclassed, CRect(10, 40, 200, 64));
        ExpectSameControl(made, subclassed);
    }
    {
        InspectFlat<CKXFlatEdit> made, subclassed;
        Make(made, CRect(10, 10, 200, 34));
        Subclass(subclassed, CRect(10, 40, 200, 64));
        ExpectSameControl(made, subclassed);
        EXPECT_EQ(made.SavedStyle() & ~WS_TABSTOP, subclassed.SavedStyle() & ~WS_TABSTOP);
        EXPECT_EQ(made.SavedExStyle(), subclassed.SavedExStyle());
    }
    {
        InspectFlat<CKXDateEdit> made, subclassed;
        Make(made, CRect(10, 10, 200, 34));
        Subclass(subclassed, CRect(10, 40, 200, 64));
        ExpectSameControl(made, subclassed);
        for (CKXDateEdit* p : {static_cast<CKXDateEdit*>(&made), static_cast<CKXDateEdit*>(&subclassed)}) {
            p->SetDateTime("__/__/____");
            p->SetFocus();
            kxtest::PostTypeText(p->m_hWnd, "2503x2024");
            kxtest::PumpUntilIdle();
            EXPECT_EQ(CString("25/03/2024"), p->GetWindowDateTime());
        }
    }

    // Every class has its run-time class and can be made dynamically.
    const struct {
        CRuntimeClass* pClass;
        const char* pszName;
    } classes[] = {{RUNTIME_CLASS(CKXEdit), "CKXEdit"},
                   {RUNTIME_CLASS(CKXFlatEdit), "CKXFlatEdit"},
                   {RUNTIME_CLASS(CKXMaskEdit), "CKXMaskEdit"},
                   {RUNTIME_CLASS(CKXDateEdit), "CKXDateEdit"},
                   {RUNTIME_CLASS(CKXTimeEdit), "CKXTimeEdit"}};
    for (const auto& c : classes) {
        EXPECT_STREQ(c.pszName, c.pClass->m_lpszClassName);
        CObject* pObject = c.pClass->CreateObject();
        ASSERT_NE(nullptr, pObject) << c.pszName;
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CKXEdit))) << c.pszName;
        delete pObject;
    }
    EXPECT_TRUE(RUNTIME_CLASS(CKXTimeEdit)->IsDerivedFrom(RUNTIME_CLASS(CKXMaskEdit)));
}

TEST_F(EditTest, ColoursFollowTheStateWithoutTheApplication) {
    const CKXAuxData& aux = CKXAuxData::Get();
    CKXEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    edit.SetWindowText("WWWWWW");
    EXPECT_EQ(aux.clrWindow, Background(edit));

    edit.SetBkColor(RGB(255, 255, 192));
    EXPECT_EQ(RGB(255, 255, 192), Background(edit));

    // ES_READONLY through ModifyStyle switches the background at once.
    edit.ModifyStyle(0, ES_READONLY);
    kxtest::Capture shot = kxtest::GrabClient(m_window.hwnd());
    EXPECT_PIXEL(shot, 195, 22, aux.clrBtnFace);
    edit.SendMessage(WM_CHAR, 'a');
    EXPECT_EQ(6, edit.GetWindowTextLength());  // really read-only
    edit.SetReadOnlyColor(RGB(255, 0, 0), RGB(200, 220, 255));
    shot = kxtest::PrintClient(edit);
    EXPECT_PIXEL(shot, shot.width() - 2, shot.height() / 2, RGB(200, 220, 255));
    EXPECT_RECT_CONTAINS(shot, CRect(0, 0, shot.width(), shot.height()), RGB(255, 0, 0));

    // Disabled: the button face, whatever the control's colours; enabled
    // again: its own colours without any call.
    edit.EnableWindow(FALSE);
    EXPECT_EQ(aux.clrBtnFace, Background(edit));
    edit.EnableWindow(TRUE);
    EXPECT_EQ(RGB(200, 220, 255), Background(edit));
    edit.ModifyStyle(ES_READONLY, 0);
    EXPECT_EQ(RGB(255, 255, 192), Background(edit));

    edit.SetTextColor(RGB(0, 0, 255));
    shot = kxtest::PrintClient(edit);
    EXPECT_RECT_CONTAINS(shot, CRect(0, 0, shot.width(), shot.height()), RGB(0, 0, 255));
    kxtest::WritePng(shot, "coloured");
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

    // Empty control: nothing to select, undo, cut, copy or delete.
    kxtest::SetClipboard(m_window.hwnd(), nullptr);
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_SELECT_ALL));
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_PASTE));
    EXPECT_EQ(0, UpdateState(&edit, ID_KX_EDIT_UNDO));

    edit.SetWindowText("hello world");
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_SELECT_ALL));
    for (UINT nID : {ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_CLEAR}) EXPECT_EQ(0, UpdateState(&edit, nID));
    edit.SetSel(0, 5);
    for (UINT nID : {ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_CLEAR}) EXPECT_EQ(1, UpdateState(&edit, nID));

    command(ID_KX_EDIT_COPY);
    EXPECT_EQ("hello", kxtest::ClipboardText(m_window.hwnd()));
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_PASTE));
    command(ID_KX_EDIT_CUT);
    EXPECT_EQ(" world", text());
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_UNDO));
    command(ID_KX_EDIT_UNDO);
    EXPECT_EQ("hello world", text());
    command(ID_KX_EDIT_SELECT_ALL);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(11, nEnd);
    command(ID_KX_EDIT_PASTE);
    EXPECT_EQ("hello", text());
    edit.SetSel(1, 3);
    command(ID_KX_EDIT_CLEAR);
    EXPECT_EQ("hlo", text());

    // Read-only changes none of the enabling rules.
    edit.ModifyStyle(0, ES_READONLY);
    edit.SetSel(0, 1);
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_CUT));
    EXPECT_EQ(1, UpdateState(&edit, ID_KX_EDIT_PASTE));
}

// The popup's item states, in command order undo, cut, copy, paste, delete,
// select all: '+' enabled, '-' greyed.
std::string ItemStates(HWND hPopup) {
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hPopup, MN_GETHMENU, 0, 0));
    std::string s;
    for (UINT nID : {ID_KX_EDIT_UNDO, ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_PASTE, ID_KX_EDIT_CLEAR,
                     ID_KX_EDIT_SELECT_ALL}) {
        const UINT nState = ::GetMenuState(hMenu, nID, MF_BYCOMMAND);
        s += nState == static_cast<UINT>(-1) ? '?' : (nState & MF_GRAYED) ? '-' : '+';
    }
    return s;
}

TEST_F(EditTest, ContextMenuFromTheKeyboardOpensBesideTheCornerAndRuns) {
    CKXEdit edit;
    Make(edit, CRect(20, 20, 220, 44));
    edit.SetWindowText("abc");
    edit.SetFocus();
    edit.SetSel(0, 1);
    kxtest::SetClipboard(m_window.hwnd(), nullptr);
    CRect rcClient;
    edit.GetClientRect(&rcClient);
    edit.ClientToScreen(&rcClient);

    std::string states;
    CRect rcPopup;
    const bool bShown = kxtest::DriveMenu(
        m_window.hwnd(), [&] { edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), -1); },
        [&](HWND hPopup) {
            states = ItemStates(hPopup);
            ::GetWindowRect(hPopup, &rcPopup);
            kxtest::WritePng(kxtest::CaptureMenu(hPopup), "menu");
            kxtest::PostChar(hPopup, 'a');  // "Select &All"
        });
    ASSERT_TRUE(bShown);
    EXPECT_EQ("-++-++", states);
    EXPECT_EQ(rcClient.TopLeft() + CPoint(5, 5), rcPopup.TopLeft());
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(3, nEnd);

    // From the mouse, at the point; Paste with text on the clipboard.
    kxtest::SetClipboard(m_window.hwnd(), "xyz");
    edit.SetSel(3, 3);
    const CPoint pt = rcClient.TopLeft() + CPoint(40, 8);
    ASSERT_TRUE(kxtest::DriveMenu(
        m_window.hwnd(),
        [&] { edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), MAKELPARAM(pt.x, pt.y)); },
        [&](HWND hPopup) {
            states = ItemStates(hPopup);
            ::GetWindowRect(hPopup, &rcPopup);
            kxtest::PostChar(hPopup, 'p');
        }));
    EXPECT_EQ("---+-+", states);
    EXPECT_EQ(pt, rcPopup.TopLeft());
    CString str;
    edit.GetWindowText(str);
    EXPECT_STREQ("abcxyz", str);
}

}  // namespace
