#include "bars/menu_check_glyph.h"

void KXCheckGlyphPixels(int x, int y, POINT (&pts)[KX_CHECK_GLYPH_PIXELS]) {
    // First row of each column; every column is three pixels deep.
    static const int s_top[7] = {2, 3, 4, 3, 2, 1, 0};
    int n = 0;
    for (int col = 0; col < 7; ++col)
        for (int row = 0; row < 3; ++row) pts[n++] = POINT{x + col, y + s_top[col] + row};
}
