// Colour texts and derived colours of the colour controls: the hexadecimal
// text shown in the colour dialog and the contrast colour of the picker.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

// "Hex: RRGGBB", two upper-case digits per channel.
CString KXColorToHex(COLORREF clr);

// Reads the six digits back (with or without the "Hex: " prefix, either
// case); FALSE, and *pclr unchanged, for anything else.
BOOL KXColorFromHex(const char* psz, COLORREF* pclr);

// Black on light colours (intensity above 128), otherwise white.
COLORREF KXContrastColor(COLORREF clr);
