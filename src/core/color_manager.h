// CKXColorManager: the library's palette of 56 colours.
//
// Index 0 is black, 1..27 are the system colours (22 brightened on a
// high-colour screen), 28 and 29 are left alone, and 30..55 are the XP colours
// of the flat look: blends of the system colours, pushed apart where text and
// borders must stand out from their background (distances are measured in a
// weighted RGB space), plus six gradient colours that follow the visual style.
// There is one manager, s_managerInstance, computed when the module loads;
// nothing recomputes it until RefreshColors(FALSE) is called.
//
// The inputs come from a CKXColorSource (core/color_source.h): the live
// system unless SetColorSource has put another in place.
//
// Decisions where the rules leave a choice:
// - SetColor and SetColors ignore indices outside 0..55 (and SetColors null
//   arrays); GetColor returns a negative argument unchanged, as a colour.
// - LightColor keeps each channel inside 0..255, so percentages outside
//   0..1000 cannot wrap a channel into its neighbour.
// - The length of a colour is computed in double precision (the square root
//   of the single-precision squared distance).
// - A colour pulled toward an identical colour stays as it is, and where the
//   push-away step has no exact intersection it takes the nearest point of
//   the ray (the square root of a negative number is taken as 0).
#pragma once

#include "base/wintypes.h"
#include "core/color_source.h"
#include "core/theme_types.h"

// Palette indices 1..29 carry the platform's system-colour names.
#ifndef _WIN32
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_DESKTOP COLOR_BACKGROUND
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT
#endif

enum {
    COLOR_BLACK = 0,
    XPCOLOR_TOOLBAR_FACE = 30,
    XPCOLOR_HIGHLIGHT = 31,
    XPCOLOR_HIGHLIGHT_BORDER = 32,
    XPCOLOR_HIGHLIGHT_PUSHED = 33,
    XPCOLOR_HIGHLIGHT_DARK = 34,
    XPCOLOR_GRAYTEXT = 35,
    XPCOLOR_HIGHLIGHT_CHECKED = 36,
    XPCOLOR_PUSHED_BORDER = 37,
    XPCOLOR_SEPARATOR = 38,
    XPCOLOR_DISABLED = 39,
    XPCOLOR_FRAME = 40,
    XPCOLOR_MENU_FACE = 41,
    XPCOLOR_FACE_SHADED = 42,
    XPCOLOR_SHADOW_TEXT = 43,
    XPCOLOR_MENU_TEXT = 44,
    XPCOLOR_HIGHLIGHT_TEXT = 45,
    XPCOLOR_TOOLBAR_TEXT = 46,
    XPCOLOR_PUSHED_TEXT = 47,
    XPCOLOR_FACE_LIGHT = 48,
    XPCOLOR_SHADOW_DARK = 49,
    XPCOLOR_SYS_HIGHLIGHT = 50,
    XPCOLOR_SYS_FACE = 51,
    XPCOLOR_SYS_SHADOW = 52,
    XPCOLOR_TOOLBAR_FACE_COPY = 53,
    XPCOLOR_THEME_DARK = 54,
    XPCOLOR_SYS_FACE2 = 55,
};

// Number of palette entries: GetColor(n) reads the palette for n below this.
const int KX_PALETTE_SIZE = 56;

class CKXColorManager {
public:
    static CKXColorManager s_managerInstance;

    CKXColorManager(const CKXColorManager&) = default;
    CKXColorManager& operator=(const CKXColorManager&) = default;

    // Palette entry n for 0..55; above 55 (and below 0) n itself as a colour.
    COLORREF GetColor(int n) const;
    void SetColor(int nIndex, COLORREF cr);
    void SetColors(int nCount, const int* pIndices, const COLORREF* pColors);

    // Recomputes everything from the colour source, unless bOnlyIfNotDone is
    // set and a refresh has already run.  Overrides by SetColor are lost.
    void RefreshColors(BOOL bOnlyIfNotDone);

    // Keeps the visual-style colours out from the next recomputation on.
    void DisableLunaColors(BOOL bDisable) { bLunaColorsDisabled = bDisable; }
    BOOL IsLunaColorsDisabled() const { return bLunaColorsDisabled; }

    // Per channel (a p + b (S - p) + S/2) / S with S 100 for p below 100 and
    // 1000 from 100 up: p is a percentage of a, or from 100 up a per-mille.
    static COLORREF LightColor(COLORREF a, COLORREF b, int p);

    // Where RefreshColors takes its inputs from; null restores the system.
    // The source is not owned and must outlive its use.
    static void SetColorSource(const CKXColorSource* pSource);
    static const CKXColorSource& GetColorSource();

    KX_GRADIENT_COLOR grcDark;
    KX_GRADIENT_COLOR grcLight;
    KX_GRADIENT_COLOR grcFace;

private:
    friend struct CKXColorManagerProbe;  // the tests' view of the distance functions

    CKXColorManager();

    void RefreshSysColors(const CKXColorSource& source);
    void RefreshXPColors(BOOL bLowColor);
    void RefreshGradientColors(const CKXColorSource& source);
    void SetContrast(int nTarget, int nReference, int nCandidate, float d);

    // Pushes c2 away from c1 until it lies at the width of d from c1.
    static COLORREF MixColor(COLORREF c1, COLORREF c2, float d);
    // Pulls c2 toward c1 until it lies at the width of d from c1.
    static COLORREF AdjustColor(COLORREF c1, COLORREF c2, float d);
    // TRUE when c1 and c2 are farther apart than d (its width when bAdapt).
    static BOOL LongColor(COLORREF c1, COLORREF c2, BOOL bAdapt, float d);
    static float ColorDelta(COLORREF c1, COLORREF c2);
    static float ColorWidth(int nLength, int d);
    static double Length(COLORREF c1, COLORREF c2);
    static double GetRDelta(COLORREF cr);
    static double GetGDelta(COLORREF cr);
    static double GetBDelta(COLORREF cr);

    COLORREF m_palette[KX_PALETTE_SIZE];
    BOOL bRefreshed;
    BOOL bLunaColorsDisabled;
};
