// The colour source of the Windows build: the live system colours, the
// desktop's colour depth and the visual style.
#include "core/color_source.h"

#include <windows.h>

namespace {

class CKXSystemColorSource : public CKXColorSource {
public:
    COLORREF GetSysColor(int nIndex) const override { return ::GetSysColor(nIndex); }

    int GetDesktopBitsPerPixel() const override {
        const HWND hwndDesktop = ::GetDesktopWindow();
        const HDC hdc = ::GetDC(hwndDesktop);
        if (!hdc) return 0;
        const int nBits = ::GetDeviceCaps(hdc, BITSPIXEL);
        ::ReleaseDC(hwndDesktop, hdc);
        return nBits;
    }

    // TODO(drawing helpers): answer CKXDrawHelpers::GetCurrentSystemTheme()
    // once it exists; until then no visual style is recognised.
    eKXCURRENTSYSTEMTHEME GetCurrentSystemTheme() const override { return KXTHEME_UNKNOWN; }
};

}  // namespace

const CKXColorSource& CKXColorSource::System() {
    static const CKXSystemColorSource s_system;
    return s_system;
}
