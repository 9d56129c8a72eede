// The colours the themed property-grid painters take from the luna colour
// scheme in use (none for another or no visual style).
#pragma once

#include "core/theme_types.h"

struct KX_PG_THEME_COLORS {
    COLORREF clrFace;
    COLORREF clrShadow;
    COLORREF clrLine;
};

// The native XP painter's shadow colour; false (shadow unchanged) outside
// the blue, olive and silver schemes.
bool KXNativeXPShadowColor(eKXCURRENTSYSTEMTHEME eTheme, COLORREF& clrShadow);

// The Office 2003 painter's face, shadow and line colours; false outside the
// blue, olive and silver schemes.
bool KXOffice2003Colors(eKXCURRENTSYSTEMTHEME eTheme, KX_PG_THEME_COLORS& colors);
