// Thousands of edit controls made, typed into, painted and destroyed, and
// their context menu opened and closed, leave no GDI object and no window
// behind.
#include "edit/date_edit.h"

#include "edit_fixture.h"
#include "support/gdi_leak.h"
#include "support/menu_loop.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

using kxtest::EditTest;
using kxtest::UserObjectCount;

// One life of a control: made, typed into, painted, destroyed.
template <class T>
void Cycle(CWnd* pParent, int i) {
    T ctrl;
    if (!ctrl.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), pParent, 100)) {
        ADD_FAILURE() << "Create failed at " << i;
        return;
    }
    if constexpr (std::is_base_of_v<CKXMaskEdit, T>) {
        if constexpr (std::is_same_v<T, CKXMaskEdit>) ctrl.SetEditMask("(999) 999-9999", "(___) ___-____", nullptr);
        else if constexpr (std::is_same_v<T, CKXTimeEdit>) ctrl.SetTime(i % 24, i % 60);
        else ctrl.SetDateTime(COleDateTime(2000 + i % 20, 1 + i % 12, 1 + i % 28, 0, 0, 0));
    }
    for (char c : {'1', '2', 'a', '3'}) ctrl.SendMessage(WM_CHAR, static_cast<WPARAM>(c));
    ctrl.SendMessage(WM_KEYDOWN, VK_HOME);
    ctrl.SendMessage(WM_KEYDOWN, VK_DELETE);
    ctrl.SendMessage(WM_KEYDOWN, VK_BACK);
    ctrl.SetSel(0, -1);
    ctrl.SendMessage(WM_COPY);
    ctrl.SendMessage(WM_PASTE);
    ctrl.EnableWindow(i % 2);
    ctrl.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    ctrl.DestroyWindow();
}

template <class T>
void Cycles(CWnd* pParent, int n) {
    SCOPED_TRACE(RUNTIME_CLASS(T)->m_lpszClassName);
    Cycle<T>(pParent, 0);  // what the system makes once, on first use
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 1; i <= n; ++i) Cycle<T>(pParent, i);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
}

TEST_F(EditTest, ThousandsOfControlsLeaveNothingBehind) {
    kxtest::SetClipboard(m_window.hwnd(), "42");
    const int n = 1000;
    Cycles<CKXEdit>(&m_parent, n);
    Cycles<CKXFlatEdit>(&m_parent, n);
    Cycles<CKXMaskEdit>(&m_parent, n);
    Cycles<CKXDateEdit>(&m_parent, n);
    Cycles<CKXTimeEdit>(&m_parent, n);
}

TEST_F(EditTest, ContextMenusLeaveNothingBehind) {
    CKXFlatEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    edit.SetWindowText("text");
    auto open = [&] {
        kxtest::WithMenu(
            m_window.hwnd(), [&] { edit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit.m_hWnd), -1); },
            [](HWND) {});
    };
    open();
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 40; ++i) open();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
}

}  // namespace
