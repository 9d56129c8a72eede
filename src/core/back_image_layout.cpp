#include "core/back_image_layout.h"

#include "core/back_image_flags.h"

#include <algorithm>
#include <climits>

namespace {

typedef long long i64;  // wide enough that no sum of two coordinates overflows

// One axis of a picture placed once: where the copy starts, where in the
// bitmap it starts, and how long it is.
struct Span {
    i64 pos = 0;
    i64 src = 0;
    i64 len = 0;
};

bool PlaceOnce(i64 lo, i64 hi, i64 offset, i64 size, bool bCentre, bool bFar, Span& out) {
    const i64 area = hi - lo;
    i64 len = std::min(size, area);
    if (len <= 0) return false;
    i64 pos = lo;
    if (bCentre)
        pos = (area - size) / 2 + lo + offset;  // '/' truncates toward zero, as intended
    else if (bFar)
        pos = hi - size + offset;
    i64 src = 0;
    if (pos < 0) {
        src = -pos;
        pos = offset;
    }
    // Stay inside the bitmap and inside the coordinate range.
    if (src >= size) return false;
    len = std::min({len, size - src, static_cast<i64>(INT_MAX) - pos});
    if (len <= 0) return false;
    out = {pos, src, len};
    return true;
}

CRect MakeRect(i64 l, i64 t, i64 r, i64 b) {
    return CRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b));
}

bool Meets(const CRect& rc, const CRect* pClip) {
    if (pClip == nullptr) return true;
    return rc.left < pClip->right && pClip->left < rc.right && rc.top < pClip->bottom && pClip->top < rc.bottom;
}

// The index of the first tile (start + k * step, length len) that reaches
// past edge.
i64 FirstTileReaching(i64 start, i64 step, i64 len, i64 edge) {
    const i64 gap = edge - start - len;  // the tile must end after edge
    return gap < 0 ? 0 : gap / step + 1;
}

void Tile(std::vector<KX_BKIMAGE_COPY>& out, i64 cx, i64 cy, i64 l, i64 t, i64 r, i64 b, i64 dx, i64 dy,
          const CRect* pClip) {
    const i64 stepX = cx + dx;
    const i64 stepY = cy + dy;
    i64 endX = r, endY = b, row = 0, col0 = 0;
    if (pClip) {
        endX = std::min<i64>(r, pClip->right);
        endY = std::min<i64>(b, pClip->bottom);
        row = FirstTileReaching(t, stepY, cy, pClip->top);
        col0 = FirstTileReaching(l, stepX, cx, pClip->left);
    }
    for (i64 y = t + row * stepY; y < endY; y += stepY) {
        const i64 h = std::min(cy, b - y);
        for (i64 x = l + col0 * stepX; x < endX; x += stepX) {
            const i64 w = std::min(cx, r - x);
            out.push_back({MakeRect(x, y, x + w, y + h), MakeRect(0, 0, w, h), false});
        }
    }
}

}  // namespace

std::vector<KX_BKIMAGE_COPY> KXLayoutBkImage(int cxBitmap, int cyBitmap, const CRect& rect, UINT ulFlags,
                                             int xOffset, int yOffset, const CRect* pClip) {
    std::vector<KX_BKIMAGE_COPY> copies;
    if (cxBitmap <= 0 || cyBitmap <= 0) return copies;
    const i64 dx = std::max(xOffset, 0);
    const i64 dy = std::max(yOffset, 0);
    const i64 l = i64{rect.left} + dx, r = i64{rect.right} - dx;
    const i64 t = i64{rect.top} + dy, b = i64{rect.bottom} - dy;
    if (l >= r || t >= b) return copies;

    if (ulFlags & KX_LVBKIF_STYLE_TILE) {
        Tile(copies, cxBitmap, cyBitmap, l, t, r, b, dx, dy, pClip);
        return copies;
    }
    if (ulFlags & KX_LVBKIF_STYLE_STRETCH) {
        if (r - l > INT_MAX || b - t > INT_MAX) return copies;  // no GDI call takes such a size
        KX_BKIMAGE_COPY c{MakeRect(l, t, r, b), CRect(0, 0, cxBitmap, cyBitmap), true};
        if (Meets(c.rcDest, pClip)) copies.push_back(c);
        return copies;
    }
    Span h, v;
    if (!PlaceOnce(l, r, dx, cxBitmap, (ulFlags & KX_LVBKIF_ALIGN_HCENTER) != 0,
                   (ulFlags & KX_LVBKIF_ALIGN_RIGHT) != 0, h) ||
        !PlaceOnce(t, b, dy, cyBitmap, (ulFlags & KX_LVBKIF_ALIGN_VCENTER) != 0,
                   (ulFlags & KX_LVBKIF_ALIGN_BOTTOM) != 0, v))
        return copies;
    KX_BKIMAGE_COPY c{MakeRect(h.pos, v.pos, h.pos + h.len, v.pos + v.len),
                      MakeRect(h.src, v.src, h.src + h.len, v.src + v.len), false};
    if (Meets(c.rcDest, pClip)) copies.push_back(c);
    return copies;
}
