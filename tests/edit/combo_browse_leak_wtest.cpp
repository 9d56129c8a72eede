// Thousands of flat combo boxes, browse edits and in-place editors made,
// used, painted and destroyed leave no GDI object and no window behind.
#include "edit/flat_combo_box.h"
#include "edit/item_edit.h"

#include "edit_fixture.h"
#include "support/gdi_leak.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;
using kxtest::UserObjectCount;

void ComboCycle(CWnd* pParent, int i) {
    CKXFlatComboBox combo;
    const DWORD dwType = i % 2 ? CBS_DROPDOWN : CBS_DROPDOWNLIST;
    if (!combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | dwType, CRect(10, 10, 200, 150), pParent, 100)) {
        ADD_FAILURE() << "Create failed at " << i;
        return;
    }
    combo.EnableAutoCompletion();
    for (const char* p : {"Apple", "Apricot", "Banana"}) combo.AddString(p);
    combo.SetReadOnly(i % 3 == 0);
    combo.SetReadOnlyColor(RGB(0, 0, i % 256), RGB(255, 255, 200));
    combo.SetCurSel(i % 3);
    combo.SendMessage(WM_TIMER, CKXFlatComboBox::kTimerID);
    combo.DisableFlatLook(i % 4 == 0);
    combo.EnableWindow(i % 5 != 0);
    combo.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    combo.DestroyWindow();
}

void BrowseCycle(CWnd* pParent, int i) {
    CKXBrowseEdit edit;
    edit.SetBrowseStyle(static_cast<DWORD>(i % 8));
    if (!edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 200, 34), pParent, 100)) {
        ADD_FAILURE() << "Create failed at " << i;
        return;
    }
    edit.SetWindowText("C:\\folder");
    edit.MoveWindow(CRect(10, 40, 250, 64));
    edit.EnableWindow(i % 2);
    edit.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    edit.DestroyWindow();

    CString strText = "item";
    auto* pItem = new CKXItemEdit(pParent, CRect(10, 80, 200, 102), strText, i % 2 ? 1 : 4);
    pItem->SendMessage(WM_CHAR, i % 2 ? VK_RETURN : VK_ESCAPE);
}

template <class F>
void Cycles(CWnd* pParent, int n, F cycle) {
    // What the system makes once, on first use of each variant.
    for (int i = 0; i < 20; ++i) cycle(pParent, i);
    kxtest::PumpUntilIdle();
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 1; i <= n; ++i) {
        cycle(pParent, i);
        if (i % 10 == 0) kxtest::PumpUntilIdle();  // the editors close by posted messages
    }
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
}

TEST_F(EditTest, ThousandsOfCombosAndBrowseEditsLeaveNothingBehind) {
    // A browse cycle repaints the parent each time its button moves: fewer of them.
    Cycles(&m_parent, 1000, ComboCycle);
    Cycles(&m_parent, 250, BrowseCycle);
}

}  // namespace
