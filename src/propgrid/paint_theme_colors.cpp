#include "propgrid/paint_theme_colors.h"

bool KXNativeXPShadowColor(eKXCURRENTSYSTEMTHEME eTheme, COLORREF& clrShadow) {
    switch (eTheme) {
        case KXTHEME_BLUE:
        case KXTHEME_SILVER: clrShadow = 0xB99D7F; return true;
        case KXTHEME_OLIVE: clrShadow = 0x7FB9A4; return true;
        default: return false;
    }
}

bool KXOffice2003Colors(eKXCURRENTSYSTEMTHEME eTheme, KX_PG_THEME_COLORS& colors) {
    switch (eTheme) {
        case KXTHEME_BLUE: colors = {0xFEECDD, 0xE0A47B, 0xF0C7A9}; return true;
        case KXTHEME_OLIVE: colors = {0xE7F2F3, 0xB1BBBC, 0x9FD4C5}; return true;
        case KXTHEME_SILVER: colors = {0xF4EEEE, 0xBBA0A1, 0xD3C0C0}; return true;
        default: return false;
    }
}
