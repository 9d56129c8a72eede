// The colour arithmetic behind two-colour gradients: blending, pixel
// averaging, and the bars of the line-by-line fallback that is used where the
// platform cannot fill a gradient itself.
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

// Per channel the integer part of c2 * (1 - t) + c1 * t, kept inside 0..255:
// t = 1 gives c1, t = 0 gives c2.
COLORREF KXBlendColors(COLORREF c1, COLORREF c2, float t);

// Per channel (c1 + c2) / 2, rounded down.
COLORREF KXAverageColors(COLORREF c1, COLORREF c2);

// The fallback gradient: one-pixel bars (columns when bHorizontal, rows
// otherwise) covering only the part of rect inside rcClip (all of rect when
// rcClip is empty), each in its blend of clrStart (at the rectangle's
// leading edge) and clrEnd.
class CKXGradientBars {
public:
    CKXGradientBars(const CRect& rect, const CRect& rcClip, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal);

    int GetCount() const;          // bars to draw; 0 when nothing is visible
    CRect GetBar(int nBar) const;  // nBar in 0..GetCount()-1
    COLORREF GetColor(int nBar) const;

private:
    CRect m_rect;   // the whole gradient
    CRect m_area;   // the visible part
    COLORREF m_clrStart, m_clrEnd;
    BOOL m_bHorizontal;
};
