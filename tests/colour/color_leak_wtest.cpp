// Thousands of popups opened from a picker, painted and closed, and the
// colour dialog opened on both pages and closed again, leave no GDI object
// and no window behind.
#include "colour/color_fixture.h"

#include "colour/color_dialog.h"
#include "colour/color_picker.h"
#include "support/gdi_leak.h"
#include "support/input.h"
#include "support/named_lock.h"

#include <gtest/gtest.h>

namespace {

using ColorLeakTest = kxtest::ColourTest;
using kxtest::UserObjectCount;

// The cursor lock is taken for each cycle, not for the whole run, so that
// tests running beside this one are not kept waiting.  A popup may also
// close by itself when another program takes the foreground (the
// application is deactivated): that is an open and close cycle too.
TEST_F(ColorLeakTest, ThousandsOfPopupsLeaveNothingBehind) {
    CKXColorPopup::AddUserColor(RGB(1, 2, 3));
    CKXColorPicker picker;
    ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 30), &m_host, 100));
    auto cycle = [&](int i) {
        kxtest::CursorLock lock;
        picker.SetPopupStyle((i % 2 ? KXCPS_40COLORS : 0) | (i % 3 ? KXCPS_USERCOLORS : KXCPS_NOFILL));
        picker.ShowPopupWindow();
        kxtest::PumpUntilIdle();
        HWND hPopup = picker.GetPopupWindow();
        if (hPopup == nullptr) return;
        ::RedrawWindow(hPopup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        picker.RedrawWindow();
        ::SendMessageA(picker.m_hWnd, WM_KEYDOWN, i % 2 ? VK_ESCAPE : VK_RIGHT, 0);
        if (i % 2 == 0) ::SendMessageA(picker.m_hWnd, WM_KEYDOWN, VK_RETURN, 0);
        kxtest::PumpUntilIdle();
        if (picker.IsPopupOpen()) ADD_FAILURE() << "still open at " << i;
    };
    cycle(0);
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 1; i <= 1000; ++i) cycle(i);
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
    picker.DestroyWindow();
}

TEST_F(ColorLeakTest, DialogsOpenedAndClosedLeaveNothingBehind) {
    auto cycle = [&](int i) {
        CKXColorDialog dlg(RGB(i % 256, 0, 0), RGB(0, i % 256, 0), 0, &m_host);
        if (!dlg.Create(&m_host)) {
            ADD_FAILURE() << "no dialog at " << i;
            return;
        }
        dlg.SetActivePage(1);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        dlg.SetActivePage(0);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        dlg.DestroyWindow();
        kxtest::PumpUntilIdle();
    };
    cycle(0);
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 1; i <= 60; ++i) cycle(i);
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
}

}  // namespace
