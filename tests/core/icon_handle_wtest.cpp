#include "core/icon_handle.h"

#include "core/load_library.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HICON MakeIcon(int cx, int cy) {
    HDC hdc = ::GetDC(nullptr);
    HBITMAP color = ::CreateCompatibleBitmap(hdc, cx, cy);
    HBITMAP mask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    ::ReleaseDC(nullptr, hdc);
    ICONINFO ii = {TRUE, 0, 0, mask, color};
    HICON h = ::CreateIconIndirect(&ii);
    ::DeleteObject(color);
    ::DeleteObject(mask);
    return h;
}

TEST(CKXIconHandle, ExtentScaleToFitAndOwnership) {
    CKXIconHandle icon(MakeIcon(16, 16));
    ASSERT_NE(nullptr, static_cast<HICON>(icon));
    EXPECT_EQ(CSize(16, 16), icon.GetExtent());

    CKXIconHandle bigger(icon.ScaleToFit(CSize(48, 40)));  // a smaller source is stretched up
    EXPECT_EQ(CSize(48, 40), bigger.GetExtent());
    CKXIconHandle smaller(CKXIconHandle::ScaleToFit(bigger, CSize(8, 8)));
    EXPECT_EQ(CSize(8, 8), smaller.GetExtent());

    EXPECT_EQ(nullptr, icon.ScaleToFit(CSize(0, 10)));
    EXPECT_EQ(CSize(0, 0), CKXIconHandle::GetExtent(nullptr));

    // Monochrome: the mask holds both planes.
    HICON hCursorLike = ::CreateIcon(nullptr, 32, 32, 1, 1, std::vector<BYTE>(128, 0xFF).data(),
                                     std::vector<BYTE>(128, 0).data());
    EXPECT_EQ(CSize(32, 32), CKXIconHandle::GetExtent(hCursorLike));
    ::DestroyIcon(hCursorLike);

    // Assigning another icon destroys the one held.
    HICON hFirst = icon;
    icon = MakeIcon(24, 24);
    EXPECT_EQ(CSize(24, 24), icon.GetExtent());
    ICONINFO ii;
    EXPECT_FALSE(::GetIconInfo(hFirst, &ii));
}

TEST(CKXLoadLibrary, VersionFromDllGetVersionOrZero) {
    CKXLoadLibrary comctl("COMCTL32.DLL");
    ASSERT_NE(nullptr, static_cast<HINSTANCE>(comctl));
    EXPECT_GE(comctl.GetModuleVersion() >> 16, 5u);
    CKXLoadLibrary kernel("KERNEL32.DLL");  // no DllGetVersion
    EXPECT_EQ(0u, kernel.GetModuleVersion());
    kernel.LoadLibrary(nullptr);
    EXPECT_EQ(0u, kernel.GetModuleVersion());
    EXPECT_EQ(nullptr, static_cast<HINSTANCE>(CKXLoadLibrary("no_such_module_kx.dll")));
}

}  // namespace
