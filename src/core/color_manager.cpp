#include "core/color_manager.h"

#include "core/color_ref.h"

#include <algorithm>
#include <cmath>

#ifndef _WIN32
// The library module defines it among its other module-wide objects, so
// that it is built after the drawing helpers it asks for the visual style.
CKXColorManager CKXColorManager::s_managerInstance;
#endif

namespace {

const CKXColorSource* s_pSource = nullptr;

// The distance space weighs red 39/51, green 78/51 and blue 13/51, so the
// axes span 0..195, 0..390 and 0..65.
const double kWeightR = 0.7647058823529411;
const double kWeightG = 1.5294117647058822;
const double kWeightB = 0.2549019607843137;
const double kInverseR = 1.3076923076923077;
const double kInverseG = 0.6538461538461539;
const double kInverseB = 3.923076923076923;
const double kSpanR = 195, kSpanG = 390, kSpanB = 65;

struct Point {
    double r, g, b;
};

Point ToPoint(COLORREF cr) {
    const CKXColorRef c(cr);
    return {c.getRValue() * kWeightR, c.getGValue() * kWeightG, c.getBValue() * kWeightB};
}

Point Complement(const Point& p) {
    return {kSpanR - p.r, kSpanG - p.g, kSpanB - p.b};
}

double Dot(const Point& a, const Point& b) {
    return a.r * b.r + a.g * b.g + a.b * b.b;
}

// A coordinate clamped to its axis and mapped back to a channel, rounded.
int ToChannel(double v, double span, double inverse) {
    if (!(v > 0)) v = 0;  // also not a number
    if (v > span) v = span;
    return std::min(static_cast<int>(v * inverse + 0.5), 255);
}

COLORREF FromPoint(const Point& p) {
    return CKXColorRef(ToChannel(p.r, kSpanR, kInverseR), ToChannel(p.g, kSpanG, kInverseG),
                       ToChannel(p.b, kSpanB, kInverseB));
}

int LightChannel(int a, int b, int p) {
    const long long s = p < 100 ? 100 : 1000;
    const long long v = (a * static_cast<long long>(p) + b * (s - p) + s / 2) / s;
    return static_cast<int>(std::clamp<long long>(v, 0, 255));
}

// Each channel × k / m in integers.
COLORREF ScaleChannels(const CKXColorRef& c, int k, int m) {
    return CKXColorRef(c.getRValue() * k / m, c.getGValue() * k / m, c.getBValue() * k / m);
}

int MaxChannel(const CKXColorRef& c) {
    return std::max(c.getRValue(), std::max(c.getGValue(), c.getBValue()));
}

struct ThemeColors {
    eKXCURRENTSYSTEMTHEME eTheme;
    COLORREF clrThemeDark;
    KX_GRADIENT_COLOR grcDark, grcLight, grcFace;
};

const ThemeColors kThemeColors[] = {
    {KXTHEME_BLUE, 0x962D00, {0xD68759, 0x962D00}, {0xF5BE9E, 0xFADAC4}, {0xD68759, 0x962D00}},
    {KXTHEME_OLIVE, 0x588060, {0x82C0AF, 0x447A63}, {0xA7D9D9, 0xE4F1F2}, {0x6F8E78, 0x435B49}},
    {KXTHEME_SILVER, 0x947C7C, {0xBFA7A8, 0x916F70}, {0xE5D7D7, 0xF7F3F3}, {0xBFA7A8, 0x977677}},
};

}  // namespace

CKXColorManager::CKXColorManager()
    : grcDark{0, 0}, grcLight{0, 0}, grcFace{0, 0}, m_palette{}, bRefreshed(FALSE), bLunaColorsDisabled(FALSE) {
    RefreshColors(FALSE);
}

void CKXColorManager::SetColorSource(const CKXColorSource* pSource) {
    s_pSource = pSource;
}

const CKXColorSource& CKXColorManager::GetColorSource() {
    return s_pSource ? *s_pSource : CKXColorSource::System();
}

COLORREF CKXColorManager::GetColor(int n) const {
    if (n < 0 || n >= KX_PALETTE_SIZE) return static_cast<COLORREF>(n);
    return m_palette[n];
}

void CKXColorManager::SetColor(int nIndex, COLORREF cr) {
    if (nIndex < 0 || nIndex >= KX_PALETTE_SIZE) return;
    m_palette[nIndex] = cr;
}

void CKXColorManager::SetColors(int nCount, const int* pIndices, const COLORREF* pColors) {
    if (nCount <= 0 || !pIndices || !pColors) return;
    for (int i = 0; i < nCount; ++i) SetColor(pIndices[i], pColors[i]);
}

COLORREF CKXColorManager::LightColor(COLORREF a, COLORREF b, int p) {
    const CKXColorRef ca(a), cb(b);
    return CKXColorRef(LightChannel(ca.getRValue(), cb.getRValue(), p),
                       LightChannel(ca.getGValue(), cb.getGValue(), p),
                       LightChannel(ca.getBValue(), cb.getBValue(), p));
}

void CKXColorManager::RefreshColors(BOOL bOnlyIfNotDone) {
    if (bOnlyIfNotDone && bRefreshed) return;
    const CKXColorSource& source = GetColorSource();
    // A missing desktop context (0) counts as high colour.
    const int nBits = source.GetDesktopBitsPerPixel();
    const BOOL bLowColor = nBits >= 1 && nBits <= 8;
    RefreshSysColors(source);
    RefreshXPColors(bLowColor);
    RefreshGradientColors(source);
    bRefreshed = TRUE;
}

void CKXColorManager::RefreshSysColors(const CKXColorSource& source) {
    m_palette[COLOR_BLACK] = 0;
    for (int i = 1; i <= 27; ++i) m_palette[i] = source.GetSysColor(i);
}

void CKXColorManager::SetContrast(int nTarget, int nReference, int nCandidate, float d) {
    const COLORREF ref = m_palette[nReference], cand = m_palette[nCandidate];
    if (!LongColor(ref, cand, TRUE, d)) m_palette[nTarget] = MixColor(ref, cand, d);
}

void CKXColorManager::RefreshXPColors(BOOL bLowColor) {
    COLORREF* const pal = m_palette;
    const COLORREF face = pal[COLOR_BTNFACE], shadow = pal[COLOR_BTNSHADOW];
    const COLORREF window = pal[COLOR_WINDOW], highlight = pal[COLOR_HIGHLIGHT];

    pal[XPCOLOR_TOOLBAR_FACE] = face;
    pal[XPCOLOR_HIGHLIGHT] = window;
    pal[XPCOLOR_HIGHLIGHT_BORDER] = highlight;
    pal[XPCOLOR_HIGHLIGHT_PUSHED] = highlight;
    pal[XPCOLOR_HIGHLIGHT_DARK] = shadow;
    pal[XPCOLOR_GRAYTEXT] = pal[COLOR_GRAYTEXT];
    pal[XPCOLOR_HIGHLIGHT_CHECKED] = window;
    pal[XPCOLOR_PUSHED_BORDER] = highlight;
    pal[XPCOLOR_SEPARATOR] = shadow;
    pal[XPCOLOR_DISABLED] = shadow;
    pal[XPCOLOR_FRAME] = shadow;
    pal[XPCOLOR_MENU_FACE] = window;
    pal[XPCOLOR_FACE_SHADED] = shadow;
    pal[XPCOLOR_SHADOW_TEXT] = shadow;
    pal[XPCOLOR_MENU_TEXT] = pal[COLOR_WINDOWTEXT];
    pal[XPCOLOR_HIGHLIGHT_TEXT] = pal[COLOR_MENUTEXT];
    pal[XPCOLOR_TOOLBAR_TEXT] = pal[COLOR_BTNTEXT];
    pal[XPCOLOR_PUSHED_TEXT] = pal[COLOR_HIGHLIGHTTEXT];
    pal[XPCOLOR_FACE_LIGHT] = face;
    pal[XPCOLOR_SHADOW_DARK] = pal[COLOR_BTNTEXT];
    pal[XPCOLOR_SYS_HIGHLIGHT] = highlight;
    pal[XPCOLOR_SYS_FACE] = face;
    pal[XPCOLOR_SYS_SHADOW] = shadow;
    pal[XPCOLOR_TOOLBAR_FACE_COPY] = face;
    pal[XPCOLOR_THEME_DARK] = shadow;
    pal[XPCOLOR_SYS_FACE2] = face;

    // A palette screen cannot show the blends: the XP colours stay system colours.
    if (bLowColor) return;

    // Blends, each from the palette as the rows before it left it.
    pal[XPCOLOR_TOOLBAR_FACE] = LightColor(pal[COLOR_WINDOW], pal[COLOR_BTNFACE], 165);
    pal[XPCOLOR_HIGHLIGHT] = LightColor(pal[COLOR_HIGHLIGHT], pal[COLOR_WINDOW], 30);
    pal[XPCOLOR_HIGHLIGHT_PUSHED] = LightColor(pal[COLOR_HIGHLIGHT], pal[COLOR_WINDOW], 50);
    pal[XPCOLOR_MENU_FACE] = LightColor(pal[COLOR_BTNFACE], pal[COLOR_WINDOW], 143);
    pal[XPCOLOR_GRAYTEXT] = LightColor(pal[COLOR_GRAYTEXT], pal[COLOR_WINDOW], 70);
    pal[XPCOLOR_SEPARATOR] = LightColor(pal[COLOR_BTNSHADOW], pal[COLOR_WINDOW], 75);
    pal[XPCOLOR_DISABLED] = LightColor(pal[COLOR_BTNSHADOW], pal[COLOR_WINDOW], 70);
    pal[XPCOLOR_SHADOW_TEXT] = LightColor(pal[XPCOLOR_TOOLBAR_TEXT], pal[COLOR_BTNSHADOW], 20);
    pal[XPCOLOR_FRAME] = LightColor(pal[COLOR_BTNSHADOW], pal[COLOR_WINDOW], 90);
    pal[XPCOLOR_FACE_SHADED] = LightColor(pal[COLOR_BTNFACE], pal[COLOR_BTNSHADOW], 90);

    // The toolbar face may not drift far from the button face.
    if (LongColor(face, pal[XPCOLOR_TOOLBAR_FACE], TRUE, 35.0f))
        pal[XPCOLOR_TOOLBAR_FACE] = AdjustColor(face, pal[XPCOLOR_TOOLBAR_FACE], 35.0f);

    // What is drawn on a background must stand out from it.
    SetContrast(XPCOLOR_HIGHLIGHT, XPCOLOR_TOOLBAR_FACE, XPCOLOR_HIGHLIGHT, 50);
    SetContrast(XPCOLOR_HIGHLIGHT_BORDER, XPCOLOR_TOOLBAR_FACE, COLOR_HIGHLIGHT, 100);
    SetContrast(XPCOLOR_HIGHLIGHT_PUSHED, XPCOLOR_TOOLBAR_FACE, XPCOLOR_HIGHLIGHT_PUSHED, 30);
    SetContrast(XPCOLOR_GRAYTEXT, XPCOLOR_MENU_FACE, XPCOLOR_GRAYTEXT, 80);
    SetContrast(XPCOLOR_PUSHED_BORDER, XPCOLOR_HIGHLIGHT_PUSHED, XPCOLOR_PUSHED_BORDER, 100);
    SetContrast(XPCOLOR_SEPARATOR, XPCOLOR_TOOLBAR_FACE, XPCOLOR_SEPARATOR, 85);
    SetContrast(XPCOLOR_DISABLED, XPCOLOR_TOOLBAR_FACE, XPCOLOR_DISABLED, 50);
    SetContrast(XPCOLOR_SHADOW_TEXT, XPCOLOR_PUSHED_TEXT, XPCOLOR_SHADOW_TEXT, 100);
    SetContrast(XPCOLOR_FRAME, XPCOLOR_TOOLBAR_FACE, XPCOLOR_FRAME, 80);
    SetContrast(XPCOLOR_MENU_TEXT, XPCOLOR_MENU_FACE, XPCOLOR_MENU_TEXT, 180);
    SetContrast(XPCOLOR_HIGHLIGHT_TEXT, XPCOLOR_HIGHLIGHT, XPCOLOR_HIGHLIGHT_TEXT, 180);
    SetContrast(XPCOLOR_TOOLBAR_TEXT, XPCOLOR_TOOLBAR_FACE, XPCOLOR_TOOLBAR_TEXT, 180);
    SetContrast(XPCOLOR_PUSHED_TEXT, XPCOLOR_HIGHLIGHT_PUSHED, XPCOLOR_PUSHED_TEXT, 180);

    // Gray text must not stand out too much on the menu face either.
    if (LongColor(pal[XPCOLOR_MENU_FACE], pal[XPCOLOR_GRAYTEXT], TRUE, 145.0f))
        pal[XPCOLOR_GRAYTEXT] = AdjustColor(pal[XPCOLOR_MENU_FACE], pal[XPCOLOR_GRAYTEXT], 145.0f);

    // Derived colours.
    const CKXColorRef tb(pal[XPCOLOR_TOOLBAR_FACE]), win(window), hi(highlight);
    pal[XPCOLOR_HIGHLIGHT_CHECKED] =
        CKXColorRef(tb.getRValue() * 50 / 100 + win.getRValue() * 40 / 100 + hi.getRValue() * 10 / 100,
                    tb.getGValue() * 50 / 100 + win.getGValue() * 40 / 100 + hi.getGValue() * 10 / 100,
                    tb.getBValue() * 50 / 100 + win.getBValue() * 40 / 100 + hi.getBValue() * 10 / 100);

    const CKXColorRef cface(face), cshadow(shadow);
    const int mFace = MaxChannel(cface);
    pal[XPCOLOR_FACE_LIGHT] =
        mFace == 0 ? static_cast<COLORREF>(0x232323) : ScaleChannels(cface, mFace + std::min(255 - mFace, 35), mFace);

    const int mShadow = MaxChannel(cshadow);
    if (face == 0)
        pal[XPCOLOR_SHADOW_DARK] = 0x7F7F7F;
    else if (mShadow == 0)
        pal[XPCOLOR_SHADOW_DARK] = 0;
    else
        pal[XPCOLOR_SHADOW_DARK] = ScaleChannels(cshadow, std::max(mShadow - 43, 0), mShadow);

    const CKXColorRef hl(pal[XPCOLOR_HIGHLIGHT]);
    pal[XPCOLOR_HIGHLIGHT_DARK] = CKXColorRef(static_cast<int>(hl.getRValue() * 0.75),
                                              static_cast<int>(hl.getGValue() * 0.75),
                                              static_cast<int>(hl.getBValue() * 0.75));
    pal[XPCOLOR_TOOLBAR_FACE_COPY] = pal[XPCOLOR_TOOLBAR_FACE];
    pal[COLOR_3DLIGHT] = CKXColorRef(face) + 15;
}

void CKXColorManager::RefreshGradientColors(const CKXColorSource& source) {
    const COLORREF face = m_palette[COLOR_BTNFACE], shadow = m_palette[COLOR_BTNSHADOW];
    grcDark = {shadow, shadow};
    grcLight = {face, LightColor(face, m_palette[COLOR_WINDOW], 205)};
    grcFace = {face, shadow};
    if (bLunaColorsDisabled) return;

    const eKXCURRENTSYSTEMTHEME eTheme = source.GetCurrentSystemTheme();
    for (const ThemeColors& t : kThemeColors) {
        if (t.eTheme != eTheme) continue;
        m_palette[XPCOLOR_THEME_DARK] = t.clrThemeDark;
        grcDark = t.grcDark;
        grcLight = t.grcLight;
        grcFace = t.grcFace;
    }
}

double CKXColorManager::GetRDelta(COLORREF cr) {
    return CKXColorRef(cr).getRValue() * kWeightR;
}

double CKXColorManager::GetGDelta(COLORREF cr) {
    return CKXColorRef(cr).getGValue() * kWeightG;
}

double CKXColorManager::GetBDelta(COLORREF cr) {
    return CKXColorRef(cr).getBValue() * kWeightB;
}

float CKXColorManager::ColorDelta(COLORREF c1, COLORREF c2) {
    const double dg = GetGDelta(c1) - GetGDelta(c2);
    const double db = GetBDelta(c1) - GetBDelta(c2);
    const double dr = GetRDelta(c1) - GetRDelta(c2);
    return static_cast<float>(dg * dg + db * db + dr * dr);
}

double CKXColorManager::Length(COLORREF c1, COLORREF c2) {
    return std::sqrt(static_cast<double>(ColorDelta(c1, c2)));
}

float CKXColorManager::ColorWidth(int nLength, int d) {
    const float k = 1.0f / 220.0f;
    return static_cast<float>((2.0 - std::min(nLength, 220) * k) * d);
}

BOOL CKXColorManager::LongColor(COLORREF c1, COLORREF c2, BOOL bAdapt, float d) {
    if (bAdapt) d = ColorWidth(static_cast<int>(Length(c1, 0)), static_cast<int>(d));
    return ColorDelta(c1, c2) > d * d;
}

COLORREF CKXColorManager::AdjustColor(COLORREF c1, COLORREF c2, float d) {
    const double w = ColorWidth(static_cast<int>(Length(c1, 0)), static_cast<int>(d));
    const double len = Length(c1, c2);
    if (!(len > 0)) return c2;
    const double t = (len - w) / len;
    const Point p1 = ToPoint(c1), p2 = ToPoint(c2);
    return FromPoint({p2.r + (p1.r - p2.r) * t, p2.g + (p1.g - p2.g) * t, p2.b + (p1.b - p2.b) * t});
}

COLORREF CKXColorManager::MixColor(COLORREF c1, COLORREF c2, float d) {
    const double w = ColorWidth(static_cast<int>(Length(c1, 0)), static_cast<int>(d));
    const double l1 = Length(c1, 0), l2 = Length(c2, 0);
    // Push toward white when c2 is the lighter one and there is room above
    // c1, or when c1 is too dark to go below; otherwise toward black.
    const bool bFromWhite = (l2 > l1 && l1 <= 442 - w) || (l2 <= l1 && l1 <= w);
    Point a = ToPoint(c1), u = ToPoint(c2);
    if (bFromWhite) {
        a = Complement(a);
        u = Complement(u);
    }
    const double n = std::max(std::sqrt(Dot(u, u)), 0.001);
    const double au = Dot(a, u);
    const double s = au / n;
    const Point f = {u.r * au / (n * n), u.g * au / (n * n), u.b * au / (n * n)};
    const Point fa = {f.r - a.r, f.g - a.g, f.b - a.b};
    const double e2 = Dot(fa, fa);
    const double q = s - std::sqrt(std::max(w * w - e2, 0.0));
    Point r = {u.r * q / n, u.g * q / n, u.b * q / n};
    if (bFromWhite) r = Complement(r);
    return FromPoint(r);
}
