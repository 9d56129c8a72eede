#include "core/gfx_window.h"

#include "support/host_window.h"

#include <gtest/gtest.h>

namespace {

HWND Child(HWND parent, const char* cls, int id, int x, int y, int cx, int cy, DWORD style = WS_VISIBLE) {
    return ::CreateWindowExA(0, cls, "", WS_CHILD | style, x, y, cx, cy, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

TEST(GfxChildWindowFromPoint, SkipsStaticIdsAndHiddenChildren) {
    kxtest::HostWindow host;
    HWND h = host.hwnd();
    // Z-order is creation order: the first created is tested first.
    HWND hLabel = Child(h, "STATIC", 0xFFFF, 10, 10, 100, 40);  // IDC_STATIC
    HWND hHidden = Child(h, "BUTTON", 7, 10, 10, 100, 40, 0);
    HWND hButton = Child(h, "BUTTON", 8, 10, 10, 100, 40);
    HWND hOther = Child(h, "BUTTON", 9, 200, 10, 50, 20);
    EXPECT_EQ(hButton, GfxChildWindowFromPoint(h, POINT{20, 20}));
    EXPECT_EQ(hOther, GfxChildWindowFromPoint(h, POINT{210, 15}));
    EXPECT_EQ(nullptr, GfxChildWindowFromPoint(h, POINT{150, 150}));
    EXPECT_EQ(nullptr, GfxChildWindowFromPoint(nullptr, POINT{20, 20}));
    ::DestroyWindow(hLabel);
    ::DestroyWindow(hHidden);
}

TEST(GfxChangeWindowFont, ScalesByTheFontRatioAndSendsTheFont) {
    kxtest::HostWindow host;
    CFont small, large;
    ASSERT_TRUE(small.CreateFont(-10, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    ASSERT_TRUE(large.CreateFont(-20, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    // A static control keeps the font it is given, so it can be asked for it.
    HWND hPanel = Child(host.hwnd(), "STATIC", 1, 100, 60, 200, 100);
    ::SendMessageA(hPanel, WM_SETFONT, reinterpret_cast<WPARAM>(small.GetSafeHandle()), FALSE);
    HWND hEdit = Child(hPanel, "EDIT", 5, 20, 30, 80, 16);
    ::SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(small.GetSafeHandle()), FALSE);

    auto measure = [](CFont& f) {
        HDC hdc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(hdc, f.GetSafeHandle());
        TEXTMETRICA tm;
        ::GetTextMetricsA(hdc, &tm);
        ::SelectObject(hdc, old);
        ::ReleaseDC(nullptr, hdc);
        return CSize(tm.tmAveCharWidth, tm.tmHeight + tm.tmExternalLeading);
    };
    const CSize s = measure(small), l = measure(large);
    ASSERT_GT(l.cx, s.cx);

    GfxChangeWindowFont(CWnd::FromHandle(hPanel), &large);

    EXPECT_EQ(reinterpret_cast<LRESULT>(large.GetSafeHandle()), ::SendMessageA(hPanel, WM_GETFONT, 0, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(large.GetSafeHandle()), ::SendMessageA(hEdit, WM_GETFONT, 0, 0));
    RECT rc;
    ::GetWindowRect(hEdit, &rc);
    ::MapWindowPoints(nullptr, hPanel, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(CRect(20 * l.cx / s.cx, 30 * l.cy / s.cy, 100 * l.cx / s.cx, 46 * l.cy / s.cy), CRect(rc));
    // The panel grew about its centre (200, 110).
    ::GetWindowRect(hPanel, &rc);
    ::MapWindowPoints(nullptr, host.hwnd(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(CSize(200 * l.cx / s.cx, 100 * l.cy / s.cy), CRect(rc).Size());
    EXPECT_NEAR(200, (rc.left + rc.right) / 2, 1);
    EXPECT_NEAR(110, (rc.top + rc.bottom) / 2, 1);
}

}  // namespace
