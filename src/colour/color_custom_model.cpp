#include "colour/color_custom_model.h"

#include "core/color_ref.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int Scale(double v) { return std::clamp(static_cast<int>(std::lround(v * KXHSL_MAX)), 0, KXHSL_MAX); }

// Maps v in 0..nMax onto 0..(n - 1) and back, rounding to the nearest.
int ToPixel(int v, int nMax, int n) { return n <= 1 ? 0 : static_cast<int>(std::lround(double(v) * (n - 1) / nMax)); }
int FromPixel(int p, int nMax, int n) {
    if (n <= 1) return 0;
    return static_cast<int>(std::lround(double(std::clamp(p, 0, n - 1)) * nMax / (n - 1)));
}

}  // namespace

KX_HSL KXColorToHSL(COLORREF clr) {
    double h = 0, s = 0, l = 0;
    CKXColorRef(clr).toHSL(h, s, l);
    KX_HSL hsl;
    hsl.h = Scale(h) % KXHSL_MAX;  // a full turn is red again
    hsl.s = Scale(s);
    hsl.l = Scale(l);
    return hsl;
}

COLORREF KXColorFromHSL(const KX_HSL& hsl) {
    const double h = std::clamp(hsl.h, 0, KXHSL_MAX) / double(KXHSL_MAX);
    const double s = std::clamp(hsl.s, 0, KXHSL_MAX) / double(KXHSL_MAX);
    const double l = std::clamp(hsl.l, 0, KXHSL_MAX) / double(KXHSL_MAX);
    // Hue 240 is a full turn: red again, as 0.
    return CKXColorRef::fromHSL(h >= 1.0 ? 0.0 : h, s, l);
}

void KXSpectrumFromPoint(CPoint pt, int cx, int cy, int& h, int& s) {
    h = FromPixel(pt.x, KXHSL_MAX, cx);
    s = KXHSL_MAX - FromPixel(pt.y, KXHSL_MAX, cy);
}

CPoint KXSpectrumPoint(int h, int s, int cx, int cy) {
    return CPoint(ToPixel(std::clamp(h, 0, KXHSL_MAX), KXHSL_MAX, cx),
                  ToPixel(KXHSL_MAX - std::clamp(s, 0, KXHSL_MAX), KXHSL_MAX, cy));
}

int KXLuminanceFromY(int y, int cy) { return KXHSL_MAX - FromPixel(y, KXHSL_MAX, cy); }

int KXLuminanceY(int l, int cy) { return ToPixel(KXHSL_MAX - std::clamp(l, 0, KXHSL_MAX), KXHSL_MAX, cy); }

int KXParseComponent(const char* psz, int nMax) {
    if (psz == nullptr || *psz == '\0' || std::strlen(psz) > 9) return -1;
    long v = 0;
    for (const char* p = psz; *p; ++p) {
        if (*p < '0' || *p > '9') return -1;
        v = v * 10 + (*p - '0');
    }
    return static_cast<int>(std::min<long>(v, nMax));
}
