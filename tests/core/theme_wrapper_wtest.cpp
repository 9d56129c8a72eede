#include "core/theme_wrapper.h"

#include "support/host_window.h"

#include <gtest/gtest.h>

namespace {

TEST(CKXWinThemeWrapper, NeutralAnswersWithoutATheme) {
    kxtest::HostWindow host;
    CKXWinThemeWrapper wrapper;
    EXPECT_EQ(nullptr, wrapper.GetTheme());
    EXPECT_FALSE(wrapper.IsAppThemed());
    const RECT rc = {0, 0, 10, 10};
    HDC hdc = ::GetDC(host.hwnd());
    EXPECT_EQ(E_FAIL, wrapper.DrawBackground(hdc, 1, 1, &rc, nullptr));
    ::ReleaseDC(host.hwnd(), hdc);
    wrapper.CloseTheme();
}

TEST(CKXWinThemeWrapper, AnswersAsThePlatformWithATheme) {
    kxtest::HostWindow host;
    CKXWinThemeWrapper wrapper;
    wrapper.OpenTheme(host.hwnd(), L"BUTTON");
    const HTHEME hTheme = wrapper.GetTheme();
    EXPECT_EQ(hTheme ? ::IsAppThemed() : FALSE, wrapper.IsAppThemed());
    wrapper.OpenTheme(host.hwnd(), L"EDIT");  // closes the first one
    wrapper.CloseTheme();
    EXPECT_EQ(nullptr, wrapper.GetTheme());
    EXPECT_FALSE(wrapper.IsAppThemed());

    WCHAR szFile[260] = {}, szColor[260] = {}, szFile2[260] = {}, szColor2[260] = {};
    const HRESULT hr = ::GetCurrentThemeName(szFile, 260, szColor, 260, nullptr, 0);
    EXPECT_EQ(hr, wrapper.GetCurrentThemeName(szFile2, 260, szColor2, 260, nullptr, 0));
    EXPECT_STREQ(szFile, szFile2);
    EXPECT_STREQ(szColor, szColor2);
}

TEST(CKXWinThemeWrapper, NoCallsOnceTheLibraryIsDetaching) {
    CKXWinThemeWrapper wrapper;
    CKXWinThemeWrapper::m_bDllDetached = TRUE;
    WCHAR szFile[260], szColor[260];
    EXPECT_EQ(E_FAIL, wrapper.GetCurrentThemeName(szFile, 260, szColor, 260, nullptr, 0));
    wrapper.OpenTheme(nullptr, L"BUTTON");
    EXPECT_EQ(nullptr, wrapper.GetTheme());
    CKXWinThemeWrapper::m_bDllDetached = FALSE;
}

}  // namespace
