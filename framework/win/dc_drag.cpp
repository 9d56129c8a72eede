// The drag frame: CDC::DrawDragRect and its halftone brush.
#include "win/dc.h"

CBrush* CDC::GetHalftoneBrush() {
    // One brush for the process, made on first use and kept to the end.
    static const HBRUSH s_hBrush = [] {
        WORD pattern[8];
        for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
        ::DeleteObject(hBitmap);
        return hBrush;
    }();
    return CBrush::FromHandle(s_hBrush);
}

namespace {
// The frame of rect, size thick, as a region (the caller deletes it).
HRGN FrameRegion(LPCRECT lpRect, SIZE size) {
    HRGN hOutside = ::CreateRectRgnIndirect(lpRect);
    CRect inside(lpRect);
    inside.InflateRect(-size.cx, -size.cy);
    inside.IntersectRect(inside, lpRect);
    HRGN hInside = ::CreateRectRgnIndirect(inside);
    HRGN hFrame = ::CreateRectRgn(0, 0, 0, 0);
    ::CombineRgn(hFrame, hOutside, hInside, RGN_XOR);
    ::DeleteObject(hOutside);
    ::DeleteObject(hInside);
    return hFrame;
}

void InvertRegion(CDC* pDC, HRGN hRgn, CBrush* pBrush) {
    ::SelectClipRgn(pDC->m_hDC, hRgn);
    CRect rect;
    pDC->GetClipBox(rect);
    CBrush* pBrushOld = pDC->SelectObject(pBrush);
    pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    if (pBrushOld) pDC->SelectObject(pBrushOld);
}
}  // namespace

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast) {
    ASSERT(lpRect != nullptr);
    if (lpRect == nullptr) return;
    if (pBrush == nullptr) pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr) pBrushLast = pBrush;
    HRGN hNew = FrameRegion(lpRect, size);
    HRGN hLast = lpRectLast ? FrameRegion(lpRectLast, sizeLast) : nullptr;
    HRGN hUpdate = nullptr;
    if (hLast != nullptr) {
        if (pBrush->m_hObject == pBrushLast->m_hObject) {
            // Same brush: inverting the difference moves the frame at once.
            hUpdate = ::CreateRectRgn(0, 0, 0, 0);
            ::CombineRgn(hUpdate, hLast, hNew, RGN_XOR);
        } else {
            InvertRegion(this, hLast, pBrushLast);  // the old frame goes first
        }
    }
    InvertRegion(this, hUpdate ? hUpdate : hNew, pBrush);
    ::SelectClipRgn(m_hDC, nullptr);
    for (HRGN h : {hNew, hLast, hUpdate})
        if (h) ::DeleteObject(h);
}
