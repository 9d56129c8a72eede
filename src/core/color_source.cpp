#include "core/color_source.h"

#include <iterator>

namespace {

// "Windows Standard" of the classic desktop, by system colour number.
const COLORREF kClassicColors[28] = {
    0xC0C0C0,  // 0 scroll bar (the palette sets 0 to black)
    0x808000,  // 1 desktop
    0x800000,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xC0C0C0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 gray text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3D dark shadow
    0xC0C0C0,  // 22 3D light
    0x000000,  // 23 info text
    0xE1FFFF,  // 24 info background
    0xB5B5B5,  // 25 (alternate button face)
    0x800000,  // 26 hot light
    0xD08410,  // 27 gradient of the active caption
};

}  // namespace

CKXColorScheme::CKXColorScheme() : m_nBitsPerPixel(32), m_eTheme(KXTHEME_UNKNOWN) {
    std::copy(std::begin(kClassicColors), std::end(kClassicColors), m_clrSys);
}

COLORREF CKXColorScheme::GetSysColor(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(std::size(m_clrSys))) return 0;
    return m_clrSys[nIndex];
}

void CKXColorScheme::SetSysColor(int nIndex, COLORREF cr) {
    if (nIndex < 0 || nIndex >= static_cast<int>(std::size(m_clrSys))) return;
    m_clrSys[nIndex] = cr;
}

#ifndef _WIN32
// Without a window system the palette is computed from the classic scheme.
const CKXColorSource& CKXColorSource::System() {
    static const CKXColorScheme s_classic;
    return s_classic;
}
#endif
