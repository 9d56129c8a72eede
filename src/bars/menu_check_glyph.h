// The drawn check mark of a menu item: 21 pixels, three per column over
// seven columns, a short stroke down and a long one up.
#pragma once

#include "base/geometry.h"

constexpr int KX_CHECK_GLYPH_PIXELS = 21;

// The pixels of the mark whose top-left reference point is (x, y).
void KXCheckGlyphPixels(int x, int y, POINT (&pts)[KX_CHECK_GLYPH_PIXELS]);
