// The palette for several colour schemes.  Expected values are worked out
// from the rules, not from the code: the comments show the arithmetic for the
// entries that can be done by hand; the remaining pushed-apart entries of the
// high-contrast scheme come from a separate model of the same rules.
#include "core/color_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

// The tests' view of the private distance functions.
struct CKXColorManagerProbe {
    static float ColorWidth(int a, int d) { return CKXColorManager::ColorWidth(a, d); }
    static float ColorDelta(COLORREF a, COLORREF b) { return CKXColorManager::ColorDelta(a, b); }
    static double Length(COLORREF a, COLORREF b) { return CKXColorManager::Length(a, b); }
    static BOOL LongColor(COLORREF a, COLORREF b, BOOL adapt, float d) {
        return CKXColorManager::LongColor(a, b, adapt, d);
    }
};

namespace {

using Probe = CKXColorManagerProbe;

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

void ExpectGradients(const CKXColorManager& m, const COLORREF (&expected)[6]) {
    EXPECT_EQ(Hex(m.grcDark.clrStart), Hex(expected[0]));
    EXPECT_EQ(Hex(m.grcDark.clrEnd), Hex(expected[1]));
    EXPECT_EQ(Hex(m.grcLight.clrStart), Hex(expected[2]));
    EXPECT_EQ(Hex(m.grcLight.clrEnd), Hex(expected[3]));
    EXPECT_EQ(Hex(m.grcFace.clrStart), Hex(expected[4]));
    EXPECT_EQ(Hex(m.grcFace.clrEnd), Hex(expected[5]));
}

// The classic grey scheme: face 0xC0C0C0, window white, shadow and gray text
// 0x808080, highlight dark blue 0x800000, texts black, highlight text white.
// Per unit of grey the weighted length is sqrt(39² + 78² + 13²) / 51 = 1.728829.
const COLORREF kClassicXP[26] = {
    0xCACACA,  // 30: (255*165 + 192*835 + 500) / 1000 = 202; 10 grey steps = 17.3 from
               //     the face, inside the width 35, so no pull
    0xD1ADAD,  // 31: blend (179, 179, 217) lies 39.5 from 30, inside 50: pushed out
    0x800000,  // 32: the highlight is far enough from 30
    0xC08080,  // 33: (0*50 + 255*50 + 50) / 100 = 128, blue (128*50 + 255*50 + 50) / 100 = 192
    0x9C8181,  // 34: 31 * 0.75: 173 -> 129.75, 209 -> 156.75, truncated
    0xA6A6A6,  // 35: (128*70 + 255*30 + 50) / 100 = 166
    0xD7CBCB,  // 36: 202/2 + 255*40/100 + 0 = 101 + 102 = 203; blue 101 + 102 + 12 = 215
    0x800000,  // 37: the highlight, far from 33
    0x999999,  // 38: blend 160 (0xA0) is 72.6 from 30 (202 * 1.728829 = 349.2), inside 85:
               //     pushed toward black to 349.2 - 85 = 264.2, i.e. grey 152.8 -> 153
    0xA6A6A6,  // 39: (128*70 + 255*30 + 50) / 100 = 166
    0x8D8D8D,  // 40: (128*90 + 255*10 + 50) / 100 = 141
    0xF6F6F6,  // 41: (192*143 + 255*857 + 500) / 1000 = 246
    0xBABABA,  // 42: (192*90 + 128*10 + 50) / 100 = 186
    0x666666,  // 43: (0*20 + 128*80 + 50) / 100 = 102
    0x000000,  // 44
    0x000000,  // 45
    0x000000,  // 46
    0xFFFFFF,  // 47
    0xE3E3E3,  // 48: k = 192 + min(63, 35) = 227; 192 * 227 / 192
    0x555555,  // 49: k = 128 - 43 = 85; 128 * 85 / 128
    0x800000,  // 50
    0xC0C0C0,  // 51
    0x808080,  // 52
    0xCACACA,  // 53 = 30
    0x808080,  // 54: no visual style
    0xC0C0C0,  // 55
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
    const COLORREF expected[26] = {
        0x282828,  // 30: blend (255*165 + 500) / 1000 = 42; from black the width is
                   //     2 * 35 = 70 and 42 * 1.728829 = 72.6 exceeds it: pulled to
                   //     42 * 70 / 72.6 = 40.49 -> 40
        0xD9B3B3,  // 31: (255*70 + 50) / 100 = 179, blue (128*30 + 255*70 + 50) / 100 = 217
        0xC48888,  // 32: the highlight is pushed away from 30, toward white
        0xC08080,  // 33
        0xA28686,  // 34: 31 * 0.75: 179 -> 134, 217 -> 162
        0xA6A6A6,  // 35
        0x867A7A,  // 36: 40/2 + 102 + 0 = 122; blue 20 + 102 + 12 = 134
        0x800000,  // 37
        0xA0A0A0,  // 38: (128*75 + 255*25 + 50) / 100 = 160, far from 30
        0xA6A6A6,  // 39
        0x8D8D8D,  // 40
        0xDBDBDB,  // 41: (0*143 + 255*857 + 500) / 1000 = 219
        0x0D0D0D,  // 42: (0*90 + 128*10 + 50) / 100 = 13
        0x666666,  // 43
        0x000000,  // 44
        0x000000,  // 45
        0xD8D8D8,  // 46: black text on 30 (length 69.15, width (2 - 69/220) * 180 =
                   //     303.55): from white, 40 steps of grey = 371.70 away; the text
                   //     goes to 371.70 - 303.55 = 68.15 from white, grey 255 - 39.42 -> 216
        0xFFFFFF,  // 47
        0x232323,  // 48: black face
        0x7F7F7F,  // 49: black face
        0x800000,  // 50
        0x000000,  // 51
        0x808080,  // 52
        0x282828,  // 53
        0x808080,  // 54
        0x000000,  // 55
    };
    const CKXColorManager m = Computed(scheme);
    ExpectXPColors(m, expected);
    EXPECT_EQ(Hex(m.GetColor(COLOR_3DLIGHT)), "0x0F0F0F");
    // grcLight's end: (0*205 + 255*795 + 500) / 1000 = 203.
    ExpectGradients(m, {0x808080, 0x808080, 0x000000, 0xCBCBCB, 0x000000, 0x808080});
}

TEST(ColorManager, HighContrastBlack) {
    CKXColorScheme scheme;
    scheme.m_clrSys[COLOR_BTNFACE] = 0x000000;
    scheme.m_clrSys[COLOR_WINDOW] = 0x000000;
    scheme.m_clrSys[COLOR_WINDOWTEXT] = 0xFFFFFF;
    scheme.m_clrSys[COLOR_BTNTEXT] = 0xFFFFFF;
    scheme.m_clrSys[COLOR_MENUTEXT] = 0xFFFFFF;
    scheme.m_clrSys[COLOR_HIGHLIGHT] = 0x800080;
    scheme.m_clrSys[COLOR_HIGHLIGHTTEXT] = 0xFFFFFF;
    scheme.m_clrSys[COLOR_GRAYTEXT] = 0x00FF00;
    const COLORREF expected[26] = {
        0x000000,  // 30: black window and face blend to black
        0x503250,  // 31: blend (0x26, 0, 0x26) is pushed from black face at width 100
        0xAE5DAE,  // 32
        0x480A48,  // 33
        0x3C253C,  // 34: 31 * 0.75: 80 -> 60, 50 -> 37.5
        0x00B300,  // 35: (255*70 + 50) / 100 = 179 green, far from the black menu face
        0x0C000C,  // 36: 0 + 0 + 128 / 10 = 12 in red and blue
        0xB56BB5,  // 37
        0x626262,  // 38
        0x5A5A5A,  // 39: (128*70 + 50) / 100 = 90, far enough
        0x737373,  // 40: (128*90 + 50) / 100 = 115
        0x000000,  // 41
        0x0D0D0D,  // 42
        0x999999,  // 43: (255*20 + 128*80 + 50) / 100 = 153
        0xFFFFFF,  // 44
        0xFFFFFF,  // 45
        0xFFFFFF,  // 46
        0xFFFFFF,  // 47
        0x232323,  // 48
        0x7F7F7F,  // 49
        0x800080,  // 50
        0x000000,  // 51
        0x808080,  // 52
        0x000000,  // 53
        0x808080,  // 54
        0x000000,  // 55
    };
    ExpectXPColors(Computed(scheme), expected);
}

TEST(ColorManager, LowColourScreenKeepsTheSystemColours) {
    CKXColorScheme scheme;
    scheme.m_nBitsPerPixel = 8;
    scheme.m_clrSys[COLOR_3DLIGHT] = 0xDFDFDF;
    const CKXColorManager m = Computed(scheme);
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_TOOLBAR_FACE)), "0xC0C0C0");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_MENU_FACE)), "0xFFFFFF");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_HIGHLIGHT)), "0xFFFFFF");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_HIGHLIGHT_DARK)), "0x808080");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_FACE_LIGHT)), "0xC0C0C0");
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_SHADOW_DARK)), "0x000000");  // button text
    EXPECT_EQ(Hex(m.GetColor(XPCOLOR_PUSHED_TEXT)), "0xFFFFFF");
    EXPECT_EQ(Hex(m.GetColor(COLOR_3DLIGHT)), "0xDFDFDF");
    ExpectGradients(m, kClassicGradients);  // the gradients are computed on any screen

    // 1 bit is low colour too; a context that cannot be read (0) counts as high.
    scheme.m_nBitsPerPixel = 1;
    EXPECT_EQ(Computed(scheme).GetColor(XPCOLOR_TOOLBAR_FACE), 0xC0C0C0u);
    scheme.m_nBitsPerPixel = 0;
    EXPECT_EQ(Computed(scheme).GetColor(XPCOLOR_TOOLBAR_FACE), 0xCACACAu);
    scheme.m_nBitsPerPixel = 16;
    EXPECT_EQ(Computed(scheme).GetColor(XPCOLOR_TOOLBAR_FACE), 0xCACACAu);
}

struct StyleCase {
    eKXCURRENTSYSTEMTHEME eTheme;
    COLORREF clrThemeDark;
    COLORREF gradients[6];
};

const StyleCase kStyles[] = {
    {KXTHEME_BLUE, 0x962D00, {0xD68759, 0x962D00, 0xF5BE9E, 0xFADAC4, 0xD68759, 0x962D00}},
    {KXTHEME_OLIVE, 0x588060, {0x82C0AF, 0x447A63, 0xA7D9D9, 0xE4F1F2, 0x6F8E78, 0x435B49}},
    {KXTHEME_SILVER, 0x947C7C, {0xBFA7A8, 0x916F70, 0xE5D7D7, 0xF7F3F3, 0xBFA7A8, 0x977677}},
};

TEST(ColorManager, VisualStylesReplaceTheGradientsAndThemeDark) {
    for (const StyleCase& style : kStyles) {
        SCOPED_TRACE(style.eTheme);
        CKXColorScheme scheme;
        scheme.m_eTheme = style.eTheme;
        const CKXColorManager m = Computed(scheme);
        COLORREF expected[26];
        std::copy(std::begin(kClassicXP), std::end(kClassicXP), expected);
        expected[XPCOLOR_THEME_DARK - 30] = style.clrThemeDark;
        ExpectXPColors(m, expected);
        ExpectGradients(m, style.gradients);

        // Also on a low-colour screen.
        scheme.m_nBitsPerPixel = 4;
        EXPECT_EQ(Hex(Computed(scheme).GetColor(XPCOLOR_THEME_DARK)), Hex(style.clrThemeDark));

        // With the luna colours disabled the system-derived values stay.
        scheme.m_nBitsPerPixel = 32;
        const CKXColorManager plain = Computed(scheme, TRUE);
        EXPECT_TRUE(plain.IsLunaColorsDisabled());
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
    m.SetColors(0, indices, colours + 1);
    m.SetColors(2, nullptr, colours);
    EXPECT_EQ(m.GetColor(XPCOLOR_MENU_FACE), 0x123456u);
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
    EXPECT_EQ(m.GetColor(COLOR_BTNFACE), 0u);
    EXPECT_EQ(m.GetColor(XPCOLOR_MENU_FACE), 0xDBDBDBu);
    EXPECT_EQ(m.GetColor(XPCOLOR_SYS_FACE2), 0u);
}

TEST(ColorManager, LightColorScales) {
    // (255*30 + 0*70 + 50) / 100 = 77
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, 30), 0x4D4D4Du);
    // p 100 is per mille: (255*100 + 0*900 + 500) / 1000 = 26
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, 100), 0x1A1A1Au);
    // (10*99 + 20*1 + 50) / 100 = 10; (200*99 + 0 + 50) / 100 = 198
    EXPECT_EQ(CKXColorManager::LightColor(RGB(10, 200, 0), RGB(20, 0, 255), 99), RGB(10, 198, 3));
    // Percentages out of range cannot wrap a channel.
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, 2000), 0xFFFFFFu);
    EXPECT_EQ(CKXColorManager::LightColor(0, 0xFFFFFF, 2000), 0u);
    EXPECT_EQ(CKXColorManager::LightColor(0xFFFFFF, 0, -50), 0u);
}

TEST(ColorManager, DistanceFunctionsAndTheirPrecision) {
    // The width doubles for black and equals d from length 220 up, except that
    // 220 times the single-precision 1/220 is 0.99999994: 1.0000000596 * 50
    // lands on the float 50.0000038.
    EXPECT_EQ(Probe::ColorWidth(0, 35), 70.0f);
    EXPECT_EQ(Probe::ColorWidth(220, 50), 50.000003814697266f);
    EXPECT_EQ(Probe::ColorWidth(400, 50), Probe::ColorWidth(220, 50));
    EXPECT_EQ(Probe::ColorWidth(69, 180), 303.5454406738281f);  // (2 - 69/220) * 180
    // White is 255 * sqrt(39² + 78² + 13²) / 51 = 440.85 from black.
    EXPECT_NEAR(Probe::Length(0, 0xFFFFFF), 440.8514, 1e-3);
    // One step of green weighs 78/51: squared 2.339100...
    EXPECT_FLOAT_EQ(Probe::ColorDelta(RGB(0, 1, 0), 0), 2.3391003f);
    EXPECT_EQ(Probe::ColorDelta(RGB(9, 8, 7), RGB(9, 8, 7)), 0.0f);
    // Unadapted: 10 grey steps are 17.29 apart.
    EXPECT_TRUE(Probe::LongColor(0xC0C0C0, 0xCACACA, FALSE, 17.0f));
    EXPECT_FALSE(Probe::LongColor(0xC0C0C0, 0xCACACA, FALSE, 17.5f));
    // Adapted from black the width doubles: 17.29 is inside 2 * 9.
    EXPECT_FALSE(Probe::LongColor(0, 0x0A0A0A, TRUE, 9.0f));
    EXPECT_TRUE(Probe::LongColor(0, 0x0A0A0A, TRUE, 8.0f));
}

}  // namespace
