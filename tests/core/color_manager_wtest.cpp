// The palette's system inputs under Wine: the classic scheme that the test
// programs run with, read through the live colour source.
#include "core/color_manager.h"

#include "support/color_scheme.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ColorManagerSystem, ReadsTheLiveSystemColoursAndDepth) {
    const CKXColorSource& system = CKXColorSource::System();
    EXPECT_EQ(&CKXColorManager::GetColorSource(), &system);
    const HDC hdc = ::GetDC(::GetDesktopWindow());
    ASSERT_NE(hdc, nullptr);
    EXPECT_EQ(system.GetDesktopBitsPerPixel(), ::GetDeviceCaps(hdc, BITSPIXEL));
    ::ReleaseDC(::GetDesktopWindow(), hdc);
    EXPECT_EQ(system.GetCurrentSystemTheme(), KXTHEME_UNKNOWN);

    // The classic scheme on a high-colour desktop: the toolbar face is
    // (255*165 + 192*835 + 500) / 1000 = 202, the light 3D colour 192 + 15.
    ASSERT_TRUE(kxtest::ClassicColorSchemeInForce());
    ASSERT_GT(system.GetDesktopBitsPerPixel(), 8);
    CKXColorManager m = CKXColorManager::s_managerInstance;
    m.RefreshColors(FALSE);
    EXPECT_EQ(m.GetColor(XPCOLOR_TOOLBAR_FACE), RGB(202, 202, 202));
    EXPECT_EQ(m.GetColor(COLOR_3DLIGHT), RGB(207, 207, 207));
    EXPECT_EQ(m.GetColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHT));  // read live
}

}  // namespace
