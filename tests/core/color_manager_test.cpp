// The palette for several colour schemes.  Expected values are worked out
// from the rules, not from the code: the comments show the arithmetic for the
// entries that are pushed apart or pulled in.
#include "core/color_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

// A manager computed from the given inputs, leaving the shared one alone.
CKXColorManager Computed(const CKXColorScheme& scheme, BOOL bLunaDisabled = FALSE) {
    CKXColorManager::SetColorSource(&scheme);
    CKXColorManager m = CKXColorManager::s_managerInstance;
    m.DisableLunaColors(bLunaDisabled);
    m.RefreshColors(FALSE);
    CKXColorManager::SetColorSource(nullptr);
    return m;
}

std::string Hex(COLORREF c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(c));
    return buf;
}

// Palette entries 30..55 in order.
void ExpectXPColors(const CKXColorManager& m, const COLORREF (&expected)[26]) {
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(Hex(m.GetColor(30 + i)), Hex(expected[i])) << "palette " << 30 + i;
}

// Dark, light and face gradients, start and end of each.
void ExpectGradients(const CKXColorManager& m, const COLORREF (&expected)[6]) {
    const COLORREF got[6] = {m.grcDark.clrStart,  m.grcDark.clrEnd,  m.grcLight.clrStart,
                             m.grcLight.clrEnd, m.grcFace.clrStart, m.grcFace.clrEnd};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Hex(got[i]), Hex(expected[i])) << "gradient colour " << i;
}

// The classic grey scheme: face 0xC0C0C0, window white, shadow and gray text
// 0x808080, highlight dark blue 0x800000, texts black, highlight text white.
// Per unit of grey the weighted length is sqrt(39² + 78² + 13²) / 51 = 1.728829.
//   30: (255*165 + 192*835 + 500) / 1000 = 202; 10 grey steps = 17.3 from the
//       face, inside the width 35, so no pull.
//   31: the blend (179, 179, 217) lies 39.5 from 30, inside 50: pushed out.
//   38: the blend 160 is 72.6 from 30 (202 * 1.728829 = 349.2), inside 85:
//       pushed toward black to 349.2 - 85 = 264.2, i.e. grey 152.8 -> 153.
//   Others are plain blends, e.g. 41: (192*143 + 255*857 + 500) / 1000 = 246.
const COLORREF kClassicXP[26] = {
    0xCACACA, 0xD1ADAD, 0x800000, 0xC08080, 0x9C8181, 0xA6A6A6, 0xD7CBCB, 0x800000,  // 30..37
    0x999999, 0xA6A6A6, 0x8D8D8D, 0xF6F6F6, 0xBABABA, 0x666666, 0x000000, 0x000000,  // 38..45
    0x000000, 0xFFFFFF, 0xE3E3E3, 0x555555, 0x800000, 0xC0C0C0, 0x808080, 0xCACACA,  // 46..53
    0x808080, 0xC0C0C0,                                                              // 54..55
};
// grcLight's end: (192*205 + 255*795 + 500) / 1000 = 242.
const COLORREF kClassicGradients[6] = {0x808080, 0x808080, 0xC0C0C0, 0xF2F2F2, 0xC0C0C0, 0x808080};

TEST(ColorManager, ClassicGreyScheme) {
    const CKXColorScheme scheme;
    const CKXColorManager m = Computed(scheme);
    EXPECT_EQ(m.GetColor(COLOR_BLACK), 0u);
    for (int i = 1; i <= 27; ++i) {
        if (i == COLOR_3DLIGHT) continue;
        EXPECT_EQ(Hex(m.GetColor(i)), Hex(scheme.m_clrSys[i])) << "palette " << i;
    }
    EXPECT_EQ(Hex(m.GetColor(COLOR_3DLIGHT)), "0xCFCFCF");  // 192 + 15
    EXPECT_EQ(m.GetColor(28), 0u);
    EXPECT_EQ(m.GetColor(29), 0u);
    ExpectXPColors(m, kClassicXP);
    ExpectGradients(m, kClassicGradients);
}

TEST(ColorManager, BlackButtonFace) {
    CKXColorScheme scheme;
    scheme.m_clrSys[COLOR_BTNFACE] = 0;
    // 30: blend (255*165 + 500) / 1000 = 42; from black the width is 2 * 35 =
    //     70 and 42 * 1.728829 = 72.6 exceeds it: pulled to 42 * 70 / 72.6 = 40.
    // 32: the highlight is pushed away from 30, toward white.
    // 46: black text on 30 (length 69.15, width (2 - 69/220) * 180 = 303.55):
    //     from white, 40 steps of grey = 371.70 away; the text goes to
    //     371.70 - 303.55 = 68.15 from white, grey 255 - 39.42 -> 216.
    const COLORREF expected[26] = {
        0x282828, 0xD9B3B3, 0xC48888, 0xC08080, 0xA28686, 0xA6A6A6, 0x867A7A, 0x800000,  // 30..37
        0xA0A0A0, 0xA6A6A6, 0x8D8D8D, 0xDBDBDB, 0x0D0D0D, 0x666666, 0x000000, 0x000000,  // 38..45
        0xD8D8D8, 0xFFFFFF, 0x232323, 0x7F7F7F, 0x800000, 0x000000, 0x808080, 0x282828,  // 46..53
        0x808080, 0x000000,                                                              // 54..55
    };
    const CKXColorManager m = Computed(scheme);
    ExpectXPColors(m, expected);
    EXPECT_EQ(Hex(m.GetColor(COLOR_3DLIGHT)), "0x0F0F0F");
    // grcLight's end: (0*205 + 255*795 + 500) / 1000 = 203.
    ExpectGradients(m, {0x808080, 0x808080, 0x000000, 0xCBCBCB, 0x000000, 0x808080});
}

TEST(ColorManager, LowColourScreenKeepsTheSystemColours) {
    CKXColorScheme scheme;
    scheme.m_nBitsPerPixel = 8;
    scheme.m_clrSys[COLOR_3DLIGHT] = 0xDFDFDF;
    const CKXColorManager m = Computed(scheme);
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_TOOLBAR_FACE)), "0xC0C0C0");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_SHADOW_DARK)), "0x000000");  // button text
    EXPECT_EQ(Hex(m.GetColor(COLOR_3DLIGHT)), "0xDFDFDF");
    ExpectGradients(m, kClassicGradients);  // the gradients are computed on any screen

    // A context that cannot be read (0) counts as high colour.
    scheme.m_nBitsPerPixel = 0;
    EXPECT_EQ(Computed(scheme).GetColor(XPCOLOR_TOOLBAR_FACE), 0xCACACAu);
}

// A visual style changes the gradients and the theme's dark colour, nothing
// else, on any screen; with the luna colours disabled the system-derived
// values stay.  (The style colours themselves are constants of the palette.)
TEST(ColorManager, VisualStylesReplaceOnlyTheGradientsAndThemeDark) {
    for (eKXCURRENTSYSTEMTHEME eTheme : {KXTHEME_BLUE, KXTHEME_OLIVE, KXTHEME_SILVER}) {
        SCOPED_TRACE(eTheme);
        CKXColorScheme scheme;
        scheme.m_eTheme = eTheme;
        const CKXColorManager m = Computed(scheme);
        const COLORREF themeDark = m.GetColor(XPCOLOR_THEME_DARK);
        EXPECT_NE(Hex(themeDark), Hex(kClassicXP[XPCOLOR_THEME_DARK - 30]));
        EXPECT_NE(Hex(m.grcLight.clrEnd), Hex(kClassicGradients[3]));
        COLORREF expected[26];
        std::copy(std::begin(kClassicXP), std::end(kClassicXP), expected);
        expected[XPCOLOR_THEME_DARK - 30] = themeDark;
        ExpectXPColors(m, expected);
        scheme.m_nBitsPerPixel = 4;
        EXPECT_EQ(Hex(Computed(scheme).GetColor(XPCOLOR_THEME_DARK)), Hex(themeDark));
        scheme.m_nBitsPerPixel = 32;
        const CKXColorManager plain = Computed(scheme, TRUE);
        ExpectXPColors(plain, kClassicXP);
        ExpectGradients(plain, kClassicGradients);
    }
}

TEST(ColorManager, RefreshOnlyWhenAskedAndOverrides) {
    CKXColorScheme scheme;
    CKXColorManager m = Computed(scheme);
    m.SetColor(XPCOLOR_MENU_FACE, 0x123456);
    m.SetColor(-1, 0x111111);  // outside the palette: ignored
    m.SetColor(56, 0x111111);
    const int indices[] = {COLOR_BLACK, 57, XPCOLOR_SYS_FACE2};
    const COLORREF colours[] = {0x0000FF, 0x222222, 0x00FF00};
    m.SetColors(3, indices, colours);
    m.SetColors(2, nullptr, colours);
    EXPECT_EQ(m.GetColor(COLOR_BLACK), 0x0000FFu);
    EXPECT_EQ(m.GetColor(XPCOLOR_SYS_FACE2), 0x00FF00u);
    EXPECT_EQ(m.GetColor(56), 56u);  // above 55: the argument itself
    EXPECT_EQ(m.GetColor(-1), static_cast<COLORREF>(-1));

    // A refresh that was already done does nothing, even after a scheme change.
    scheme.m_clrSys[COLOR_BTNFACE] = 0;
    CKXColorManager::SetColorSource(&scheme);
    m.RefreshColors(TRUE);
    EXPECT_EQ(m.GetColor(XPCOLOR_MENU_FACE), 0x123456u);
    EXPECT_EQ(m.GetColor(COLOR_BTNFACE), 0xC0C0C0u);
    // A full refresh loses the overrides and reads the new scheme.
    m.RefreshColors(FALSE);
    CKXColorManager::SetColorSource(nullptr);
    EXPECT_EQ(m.GetColor(COLOR_BLACK), 0u);
    EXPECT_EQ(m.GetColor(XPCOLOR_MENU_FACE), 0xDBDBDBu);
    EXPECT_EQ(m.GetColor(XPCOLOR_SYS_FACE2), 0u);
}

TEST(ColorManager, LightColorScales) {
    // p 100 is per mille: (255*100 + 0*900 + 500) / 1000 = 26
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, 100), 0x1A1A1Au);
    // (10*99 + 20*1 + 50) / 100 = 10; (200*99 + 0 + 50) / 100 = 198
    EXPECT_EQ(CKXColorManager::LightColor(RGB(10, 200, 0), RGB(20, 0, 255), 99), RGB(10, 198, 3));
    // Percentages out of range cannot wrap a channel.
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, 2000), 0xFFFFFFu);
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, -50), 0u);
}

}  // namespace
