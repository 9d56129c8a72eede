// The visual-style identifiers and the gradient pair shared by the colour
// manager and the drawing helpers.  Kept apart so that the portable palette
// code can use them without the drawing helpers' Win32 dependencies.
#pragma once

#include "base/wintypes.h"

// The active visual style as far as the palette cares: the three colours of
// the luna style, or anything else.
enum eKXCURRENTSYSTEMTHEME {
    KXTHEME_UNKNOWN = 0,  // no visual style, another style, or no visual-styles library
    KXTHEME_BLUE = 1,
    KXTHEME_OLIVE = 2,
    KXTHEME_SILVER = 3,
};

// The start and end colours of a two-colour gradient.
struct KX_GRADIENT_COLOR {
    COLORREF clrStart;
    COLORREF clrEnd;
};

// The visual style named by a style file and a colour scheme (as the
// visual-styles library reports them); both are compared lower-cased.
eKXCURRENTSYSTEMTHEME KXThemeFromNames(const char* pszFileName, const char* pszColorName);
