#include "core/transparent_blt.h"

#include "core/load_library.h"

namespace {

typedef BOOL(WINAPI* PFN_TRANSPARENTBLT)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// Bound once and kept: msimg32 stays loaded until the library goes.
PFN_TRANSPARENTBLT BoundTransparentBlt() {
    static CKXLoadLibrary s_msimg32("msimg32.dll");
    static const PFN_TRANSPARENTBLT s_pfn = KXGetProcAddress<PFN_TRANSPARENTBLT>(s_msimg32, "TransparentBlt");
    return s_pfn;
}

constexpr DWORD kRopDSna = 0x00220326;  // target AND NOT source

}  // namespace

BOOL KXTransparentBlt(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc, int xSrc, int ySrc,
                      int cxSrc, int cySrc, COLORREF crTransparent) {
    if (PFN_TRANSPARENTBLT pfn = BoundTransparentBlt())
        return pfn(hdcDest, xDest, yDest, cxDest, cyDest, hdcSrc, xSrc, ySrc, cxSrc, cySrc, crTransparent);
    return KXMaskedTransparentBlt(hdcDest, xDest, yDest, cxDest, cyDest, hdcSrc, xSrc, ySrc, cxSrc, cySrc,
                                  crTransparent);
}

BOOL KXMaskedTransparentBlt(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc, int xSrc,
                            int ySrc, int cxSrc, int cySrc, COLORREF crTransparent) {
    if (hdcDest == nullptr || hdcSrc == nullptr || cxDest <= 0 || cyDest <= 0 || cxSrc <= 0 || cySrc <= 0)
        return FALSE;
    HDC hdcMask = ::CreateCompatibleDC(hdcDest);
    HDC hdcImage = ::CreateCompatibleDC(hdcDest);
    HBITMAP hbmMask = ::CreateBitmap(cxSrc, cySrc, 1, 1, nullptr);
    HBITMAP hbmImage = ::CreateCompatibleBitmap(hdcDest, cxSrc, cySrc);
    BOOL bOk = hdcMask && hdcImage && hbmMask && hbmImage;
    if (bOk) {
        HGDIOBJ hOldMask = ::SelectObject(hdcMask, hbmMask);
        HGDIOBJ hOldImage = ::SelectObject(hdcImage, hbmImage);

        // Colour to monochrome: pixels of the background colour become 1.
        const COLORREF crSrcBk = ::SetBkColor(hdcSrc, crTransparent);
        bOk = ::BitBlt(hdcMask, 0, 0, cxSrc, cySrc, hdcSrc, xSrc, ySrc, SRCCOPY);
        ::SetBkColor(hdcSrc, crSrcBk);

        // Monochrome to colour: 1 becomes the background colour (white), 0
        // the text colour (black).
        bOk = bOk && ::BitBlt(hdcImage, 0, 0, cxSrc, cySrc, hdcSrc, xSrc, ySrc, SRCCOPY);
        ::SetBkColor(hdcImage, RGB(255, 255, 255));
        ::SetTextColor(hdcImage, RGB(0, 0, 0));
        bOk = bOk && ::BitBlt(hdcImage, 0, 0, cxSrc, cySrc, hdcMask, 0, 0, kRopDSna);

        const COLORREF crBk = ::SetBkColor(hdcDest, RGB(255, 255, 255));
        const COLORREF crText = ::SetTextColor(hdcDest, RGB(0, 0, 0));
        const int nMode = ::SetStretchBltMode(hdcDest, COLORONCOLOR);
        bOk = bOk && ::StretchBlt(hdcDest, xDest, yDest, cxDest, cyDest, hdcMask, 0, 0, cxSrc, cySrc, SRCAND);
        bOk = bOk && ::StretchBlt(hdcDest, xDest, yDest, cxDest, cyDest, hdcImage, 0, 0, cxSrc, cySrc, SRCPAINT);
        if (nMode) ::SetStretchBltMode(hdcDest, nMode);
        ::SetTextColor(hdcDest, crText);
        ::SetBkColor(hdcDest, crBk);

        ::SelectObject(hdcImage, hOldImage);
        ::SelectObject(hdcMask, hOldMask);
    }
    if (hbmImage) ::DeleteObject(hbmImage);
    if (hbmMask) ::DeleteObject(hbmMask);
    if (hdcImage) ::DeleteDC(hdcImage);
    if (hdcMask) ::DeleteDC(hdcMask);
    return bOk;
}
