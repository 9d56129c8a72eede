// The colour source of the Windows build: the live system colours, the
// desktop's colour depth and the visual style.
#include "core/color_source.h"
#include "core/draw_helpers.h"

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

    eKXCURRENTSYSTEMTHEME GetCurrentSystemTheme() const override {
        return CKXDrawHelpers::m_instanceDrawManager.GetCurrentSystemTheme();
    }
};

}  // namespace

const CKXColorSource& CKXColorSource::System() {
    static const CKXSystemColorSource s_system;
    return s_system;
}
