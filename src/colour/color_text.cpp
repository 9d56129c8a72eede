#include "colour/color_text.h"

#include <cctype>
#include <cstring>

CString KXColorToHex(COLORREF clr) {
    CString s;
    s.Format("Hex: %02X%02X%02X", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return s;
}

BOOL KXColorFromHex(const char* psz, COLORREF* pclr) {
    if (!psz || !pclr)
        return FALSE;
    if (std::strncmp(psz, "Hex: ", 5) == 0)
        psz += 5;
    if (std::strlen(psz) != 6)
        return FALSE;
    unsigned v[3] = {0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        const int ch = (unsigned char)psz[i];
        if (!std::isxdigit(ch))
            return FALSE;
        const unsigned d = std::isdigit(ch) ? (unsigned)(ch - '0') : (unsigned)(std::toupper(ch) - 'A' + 10);
        v[i / 2] = v[i / 2] * 16 + d;
    }
    *pclr = RGB(v[0], v[1], v[2]);
    return TRUE;
}

COLORREF KXContrastColor(COLORREF clr) {
    // (299 R + 587 G + 114 B) / 1000 > 128, kept in integers so the
    // threshold itself (a mid grey) is exact.
    const long n = 299L * GetRValue(clr) + 587L * GetGValue(clr) + 114L * GetBValue(clr);
    return n > 128000L ? RGB(0, 0, 0) : RGB(255, 255, 255);
}
