#include "colour/honeycomb.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

const COLORREF s_clrHoney[KXHONEY_CELLS] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,
    0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,
    0xFF00CC, 0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
    0xFF00FF, 0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,
    0x9900CC, 0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,
    0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
    0xF8F8F8, 0xDDDDDD, 0xB2B2B2, 0x808080, 0x5F5F5F, 0x333333, 0x1C1C1C, 0x080808,
    0xEAEAEA, 0xC0C0C0, 0x969696, 0x777777, 0x4D4D4D, 0x292929, 0x111111,
    0xFFFFFF, 0x000000,
};

struct Table {
    KX_HONEY_CELL cells[KXHONEY_CELLS];

    Table() {
        int n = 0;
        for (int row = 0; row < 13; ++row) {
            const int d = row <= 6 ? row : 12 - row;
            for (int i = 0; i < 7 + d; ++i)
                Put(n++, 58 - 7 * d + 14 * i, 7 + 12 * row, false);
        }
        for (int i = 0; i < 8; ++i)
            Put(n++, 51 + 14 * i, 176, false);
        for (int i = 0; i < 7; ++i)
            Put(n++, 58 + 14 * i, 188, false);
        Put(n++, 16, 176, true);
        Put(n++, 169, 176, true);
        for (int i = 0; i < KXHONEY_CELLS; ++i)
            Link(i);
    }

    void Put(int n, int x, int y, bool bLarge) {
        cells[n].pt = CPoint(x, y);
        cells[n].clr = s_clrHoney[n];
        cells[n].bLarge = bLarge;
    }

    // Left and Right: the nearest cell on the same line.  Up and Down: on
    // the nearest line above or below, the cell half a step left (Up) or
    // right (Down) of this one, else the other half step, else the nearest
    // within one step; so Up then Down comes back where it started.
    void Link(int n) {
        KX_HONEY_CELL& c = cells[n];
        c.nNext[KXHONEY_LEFT] = Nearest(c.pt, -1);
        c.nNext[KXHONEY_RIGHT] = Nearest(c.pt, +1);
        c.nNext[KXHONEY_UP] = Vertical(c.pt, -1);
        c.nNext[KXHONEY_DOWN] = Vertical(c.pt, +1);
    }

    int Nearest(CPoint pt, int dir) const {
        int best = -1;
        for (int i = 0; i < KXHONEY_CELLS; ++i) {
            const int dx = (cells[i].pt.x - pt.x) * dir;
            if (cells[i].pt.y != pt.y || dx <= 0)
                continue;
            if (best < 0 || dx < (cells[best].pt.x - pt.x) * dir)
                best = i;
        }
        return best;
    }

    int Vertical(CPoint pt, int dir) const {
        int y = -1;
        for (const KX_HONEY_CELL& c : cells) {
            const int dy = (c.pt.y - pt.y) * dir;
            if (dy > 0 && (y < 0 || dy < (y - pt.y) * dir))
                y = c.pt.y;
        }
        if (y < 0)
            return -1;
        const int first = pt.x + 7 * dir, second = pt.x - 7 * dir;
        int best = -1;
        for (int i = 0; i < KXHONEY_CELLS; ++i) {
            if (cells[i].pt.y != y)
                continue;
            if (cells[i].pt.x == first)
                return i;
            if (cells[i].pt.x == second)
                best = i;
        }
        if (best >= 0)
            return best;
        for (int i = 0; i < KXHONEY_CELLS; ++i) {
            const int dx = std::abs(cells[i].pt.x - pt.x);
            if (cells[i].pt.y == y && dx <= 14 && (best < 0 || dx < std::abs(cells[best].pt.x - pt.x)))
                best = i;
        }
        return best;
    }
};

const Table& GetTable() {
    static const Table t;
    return t;
}

}  // namespace

const KX_HONEY_CELL* KXHoneyCell(int nIndex) {
    if (nIndex < 0 || nIndex >= KXHONEY_CELLS)
        return nullptr;
    return &GetTable().cells[nIndex];
}

void KXHoneyCorners(int nIndex, POINT ptCorners[6]) {
    const KX_HONEY_CELL* p = KXHoneyCell(nIndex);
    if (!p) {
        for (int i = 0; i < 6; ++i)
            ptCorners[i] = POINT{0, 0};
        return;
    }
    const int w = p->bLarge ? KXHONEY_LARGE_HALF_W : KXHONEY_HALF_W;
    const int h = p->bLarge ? KXHONEY_LARGE_HALF_H : KXHONEY_HALF_H, q = h / 2;
    const int x = p->pt.x, y = p->pt.y;
    const POINT pts[6] = {{x, y - h}, {x + w, y - q}, {x + w, y + q}, {x, y + h}, {x - w, y + q}, {x - w, y - q}};
    for (int i = 0; i < 6; ++i)
        ptCorners[i] = pts[i];
}

bool KXHoneyHit(int nIndex, CPoint pt) {
    const KX_HONEY_CELL* p = KXHoneyCell(nIndex);
    if (!p)
        return false;
    const int w = p->bLarge ? KXHONEY_LARGE_HALF_W : KXHONEY_HALF_W;
    const int h = p->bLarge ? KXHONEY_LARGE_HALF_H : KXHONEY_HALF_H;
    const int dx = std::abs(pt.x - p->pt.x), dy = std::abs(pt.y - p->pt.y);
    // Within the flat sides and the slanted edge from (0, h) to (w, h / 2);
    // a point on a shared edge goes to the first cell in index order.
    return dx <= w && dy * 2 * w + dx * h <= 2 * w * h;
}

int KXHoneyCellFromPoint(CPoint pt) {
    for (int i = 0; i < KXHONEY_CELLS; ++i)
        if (KXHoneyHit(i, pt))
            return i;
    return -1;
}

int KXHoneyFindColor(COLORREF clr) {
    for (int i = 0; i < KXHONEY_CELLS; ++i)
        if (s_clrHoney[i] == clr)
            return i;
    return -1;
}

CRect KXHoneyBounds() {
    CRect rc(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int i = 0; i < KXHONEY_CELLS; ++i) {
        POINT pts[6];
        KXHoneyCorners(i, pts);
        for (const POINT& p : pts) {
            rc.left = std::min(rc.left, (LONG)p.x);
            rc.top = std::min(rc.top, (LONG)p.y);
            rc.right = std::max(rc.right, (LONG)p.x + 1);
            rc.bottom = std::max(rc.bottom, (LONG)p.y + 1);
        }
    }
    return rc;
}
