// Painting a full-HD gradient through an off-screen context, with the
// platform's gradient function and with the bar-per-column fallback, against
// one plain BitBlt of the same area (the floor of any double-buffered paint).
// The fallback is also set against drawing the same number of solid bars,
// which is the least a column-by-column gradient can cost.
#include "bench_harness.h"

#include "core/draw_helpers.h"
#include "core/mem_dc.h"

#include <cstdio>

int main() {
    const int cx = 1920, cy = 1080;
    const CRect rect(0, 0, cx, cy);
    CClientDC screen(nullptr);
    CDC target, source;
    CBitmap targetBitmap, sourceBitmap;
    if (!target.CreateCompatibleDC(&screen) || !source.CreateCompatibleDC(&screen) ||
        !targetBitmap.CreateCompatibleBitmap(&screen, cx, cy) || !sourceBitmap.CreateCompatibleBitmap(&screen, cx, cy)) {
        std::fprintf(stderr, "cannot create the %dx%d contexts\n", cx, cy);
        return 1;
    }
    CBitmap* pOldTarget = target.SelectObject(&targetBitmap);
    CBitmap* pOldSource = source.SelectObject(&sourceBitmap);
    CKXDrawHelpers& helpers = CKXDrawHelpers::m_instanceDrawManager;
    const COLORREF clrStart = RGB(0xFF, 0xF4, 0xE0), clrEnd = RGB(0x40, 0x60, 0xC0);

    const double blit = kxbench::TimePerCall([&] { target.BitBlt(0, 0, cx, cy, &source, 0, 0, SRCCOPY); });
    const double fast = kxbench::TimePerCall([&] {
        CKXMemDC memDC(&target, rect);
        helpers.GradientFillFast(&memDC, rect, clrStart, clrEnd, TRUE);
    });
    const double slow = kxbench::TimePerCall([&] {
        CKXMemDC memDC(&target, rect);
        helpers.GradientFillSlow(&memDC, rect, clrStart, clrEnd, TRUE);
    });
    const double bars = kxbench::TimePerCall([&] {
        CKXMemDC memDC(&target, rect);
        for (int x = 0; x < cx; ++x) memDC.FillSolidRect(x, 0, 1, cy, clrStart);
    });

    kxbench::Report("gradient 1920x1080 via CKXMemDC, platform", fast, blit, "one BitBlt");
    kxbench::Report("gradient 1920x1080 via CKXMemDC, fallback", slow, blit, "one BitBlt");
    const double ratio = kxbench::Report("fallback gradient", slow, bars, "1920 solid bars");

    source.SelectObject(pOldSource);
    target.SelectObject(pOldTarget);
    // Blending a colour per column is the only extra work: allow for noise.
    return ratio <= 1.25 ? 0 : 1;
}
