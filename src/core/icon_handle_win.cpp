#include "core/icon_handle.h"

CKXIconHandle::~CKXIconHandle() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
}

CKXIconHandle& CKXIconHandle::operator=(HICON hIcon) {
    if (m_hIcon && m_hIcon != hIcon) ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    return *this;
}

CSize CKXIconHandle::GetExtent(HICON hIcon) {
    CSize sz(0, 0);
    ICONINFO ii;
    if (hIcon == nullptr || !::GetIconInfo(hIcon, &ii)) return sz;
    BITMAP bm;
    if (ii.hbmColor && ::GetObjectA(ii.hbmColor, sizeof bm, &bm)) {
        sz = CSize(bm.bmWidth, bm.bmHeight);
    } else if (ii.hbmMask && ::GetObjectA(ii.hbmMask, sizeof bm, &bm)) {
        // A monochrome icon stacks its AND and XOR masks.
        sz = CSize(bm.bmWidth, ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2);
    }
    if (ii.hbmColor) ::DeleteObject(ii.hbmColor);
    if (ii.hbmMask) ::DeleteObject(ii.hbmMask);
    return sz;
}

HICON CKXIconHandle::ScaleToFit(HICON hIcon, CSize sz) {
    if (hIcon == nullptr || sz.cx <= 0 || sz.cy <= 0) return nullptr;
    HDC hdcScreen = ::GetDC(nullptr);
    if (hdcScreen == nullptr) return nullptr;
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmColor = ::CreateCompatibleBitmap(hdcScreen, sz.cx, sz.cy);
    HBITMAP hbmMask = ::CreateBitmap(sz.cx, sz.cy, 1, 1, nullptr);
    HICON hResult = nullptr;
    if (hdc && hbmColor && hbmMask) {
        // DrawIconEx stretches each part to the target: the mask into the
        // monochrome bitmap, the image into the colour one.
        HGDIOBJ hOld = ::SelectObject(hdc, hbmMask);
        ::DrawIconEx(hdc, 0, 0, hIcon, sz.cx, sz.cy, 0, nullptr, DI_MASK);
        ::SelectObject(hdc, hbmColor);
        ::DrawIconEx(hdc, 0, 0, hIcon, sz.cx, sz.cy, 0, nullptr, DI_IMAGE);
        ::SelectObject(hdc, hOld);
        ICONINFO ii = {TRUE, 0, 0, hbmMask, hbmColor};
        hResult = ::CreateIconIndirect(&ii);
    }
    if (hbmMask) ::DeleteObject(hbmMask);
    if (hbmColor) ::DeleteObject(hbmColor);
    if (hdc) ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, hdcScreen);
    return hResult;
}
