// The custom page of the colour dialog: a colour as hue, saturation and
// luminance on a 0..240 scale (as the platform's own colour dialog counts
// them) and as red, green and blue, the hue/saturation field (hue across,
// saturation falling from top to bottom) and the luminance bar (light at
// the top), each mapped to and from pixels of its area.
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

constexpr int KXHSL_MAX = 240;

struct KX_HSL {
    int h = 0, s = 0, l = 0;  // 0..240 each
};

KX_HSL KXColorToHSL(COLORREF clr);
// Components outside 0..240 are clamped.
COLORREF KXColorFromHSL(const KX_HSL& hsl);

// The field: pt in an area of cx by cy pixels (clamped into it).
void KXSpectrumFromPoint(CPoint pt, int cx, int cy, int& h, int& s);
CPoint KXSpectrumPoint(int h, int s, int cx, int cy);
// The bar: y in an area cy pixels high (clamped).
int KXLuminanceFromY(int y, int cy);
int KXLuminanceY(int l, int cy);

// A number typed into one of the page's fields: its value clamped to
// 0..nMax, or -1 when the text is empty or not a decimal number.
int KXParseComponent(const char* psz, int nMax);
