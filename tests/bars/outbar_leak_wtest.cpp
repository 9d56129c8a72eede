// A thousand bars of each kind made, filled, painted, hovered, renamed in,
// slid and destroyed, and their context menu opened forty times, leave no
// GDI object and no window behind.
#include "bars/outlook_bar.h"
#include "bars/toolbox.h"

#include "outbar_fixture.h"
#include "support/gdi_leak.h"
#include "support/menu_loop.h"

#include <gtest/gtest.h>

namespace {

using kxtest::OutBarTest;

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindows(HWND hWnd, LPARAM lParam) {
    CountWindow(hWnd, lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);  // every descendant
    return TRUE;
}

// The windows of this thread and the USER objects where the system counts them.
long UserObjects() {
    long n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindows, reinterpret_cast<LPARAM>(&n));
    return n + static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
}

template <class T>
void Cycle(CWnd* pParent, CImageList* pLarge, int i) {
    T bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 160, 200), pParent, 100,
                           OUTBAR_DEFAULTFLAGS | OUTBAR_ANIMATEFOLDERS));
    bar.SetAnimationTickCount(0);
    bar.SetImageList(pLarge, OUTBAR_IMAGE_LARGE);
    for (int f = 0; f < 2; ++f) {
        bar.AddFolder("Folder", 0);
        for (int n = 0; n < 5; ++n) bar.InsertItem(f, -1, "Item", n);
    }
    bar.EnableItem(0, 1, false);
    bar.SetSelItem(0, 2);
    bar.RedrawWindow();
    bar.SetCurSel(3, i % 2);
    bar.HighlightFolder(1);
    bar.StartItemEdit(0);
    kxtest::PrintClient(bar.m_hWnd);
    bar.SetFocus();  // ends the rename
    bar.SetSelFolder(1);
    if (i % 16 == 0) {
        CFont font;
        font.CreatePointFont(90 + i % 40, "Arial");
        bar.SetFontX(&font);
    }
    bar.DestroyWindow();
}

void ListCycle(CWnd* pParent, int i) {
    CKXOutlookBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(170, 0, 260, 200), pParent, 101));
    bar.AddMenuItem(1, "One");
    bar.AddMenuItem(2, "Two");
    bar.SetCurSel(i % 2);
    bar.RedrawWindow();
    bar.DestroyWindow();
}

TEST_F(OutBarTest, ThousandsOfBarsLeaveNothingBehind) {
    auto cycles = [&](auto&& one) {
        one(0);  // what the system makes once, on first use
        kxtest::PumpUntilIdle();
        const long nUser = UserObjects();
        kxtest::GdiLeakCheck check;
        for (int i = 1; i <= 1000; ++i) one(i);
        kxtest::PumpUntilIdle();
        EXPECT_TRUE(check.Verify());
        EXPECT_EQ(nUser, UserObjects());
    };
    m_bIgnore = true;
    cycles([&](int i) { Cycle<CKXOutBarCtrl>(&m_parent, &m_large, i); });
    cycles([&](int i) { Cycle<CKXToolBox>(&m_parent, &m_large, i); });
    cycles([&](int i) { ListCycle(&m_parent, i); });
}

TEST_F(OutBarTest, ContextMenusLeaveNothingBehind) {
    CKXOutBarCtrl bar;
    Make(bar);
    auto open = [&] {
        kxtest::WithMenu(m_window.hwnd(), [&] { bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(100, 40)); }, [](HWND) {});
    };
    open();
    const long nUser = UserObjects();
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 40; ++i) open();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjects());
}

}  // namespace
