#include "colour/color_grid_layout.h"

namespace {

const COLORREF s_clr16[16] = {
    0x000000, 0x808080, 0x000080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080,
    0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,
};
const UINT s_ids16[16] = {19030, 19070, 19071, 19072, 19041, 19042, 19073, 19074,
                          19069, 19075, 19046, 19056, 19048, 19050, 19043, 19076};
const COLORREF s_clr40[40] = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x999999,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF,
};

}  // namespace

const COLORREF* KXFixedColors(bool b40, int* pnCount) {
    if (pnCount)
        *pnCount = b40 ? 40 : 16;
    return b40 ? s_clr40 : s_clr16;
}

UINT KXFixedColorString(bool b40, int nIndex) {
    if (nIndex < 0 || nIndex >= (b40 ? 40 : 16))
        return 0;
    return b40 ? IDS_KXCOLOR_FIRST + (UINT)nIndex : s_ids16[nIndex];
}

KX_COLOR_GRID_SIZE KXColorGridSize(const CRect& rcAnchor, const KX_COLOR_MARGINS& m, DWORD dwStyle, int nUser,
                                   int cyCell) {
    KX_COLOR_GRID_SIZE g;
    const bool b40 = (dwStyle & KXCPS_40COLORS) != 0;
    int cy = m.top + m.bottom + 110 + (b40 ? 34 : 0);
    g.nColors = b40 ? 40 : 16;
    g.nRows = g.nColors / KXCOLOR_COLUMNS;
    g.nLast = g.nColors + 1;
    if (!(dwStyle & KXCPS_USERCOLORS)) {
        cy -= 28;
    } else if (nUser > 0) {
        cy += cyCell + 8;
        g.nLast += nUser;
    }
    const int cx = m.left + m.right + KXCOLOR_COLUMNS * KXCOLOR_CELL;
    g.rcWindow = CRect(rcAnchor.left, rcAnchor.bottom, rcAnchor.left + cx, rcAnchor.bottom + cy);
    return g;
}

std::vector<KX_COLOR_CELL_LAYOUT> KXLayoutColorCells(int cxWindow, const KX_COLOR_MARGINS& m, DWORD dwStyle,
                                                     COLORREF clrCurrent, COLORREF clrDefault,
                                                     const std::vector<COLORREF>& arUser, int cyCell) {
    std::vector<KX_COLOR_CELL_LAYOUT> cells;
    const bool b40 = (dwStyle & KXCPS_40COLORS) != 0;
    const bool bNoFill = (dwStyle & KXCPS_NOFILL) != 0;

    KX_COLOR_CELL_LAYOUT top;
    top.nIndex = 0;
    top.dwType = dwStyle;
    top.rc = CRect(m.left, m.top, cxWindow - m.right, m.top + 23);
    top.nTextID = bNoFill ? IDS_KXCOLOR_NOFILL : IDS_KXCOLOR_AUTO;
    top.nTipID = bNoFill ? IDS_KXCOLOR_NOFILL_TIP : IDS_KXCOLOR_AUTO_TIP;
    top.clr = clrDefault;
    top.bSelected = !bNoFill && clrCurrent == clrDefault;
    cells.push_back(top);
    bool bFound = top.bSelected;

    int nColors = 0;
    const COLORREF* pclr = KXFixedColors(b40, &nColors);
    const int y0 = m.top + (b40 ? 27 : 46);
    for (int i = 0; i < nColors; ++i) {
        KX_COLOR_CELL_LAYOUT c;
        c.nIndex = i + 1;
        c.dwType = KXCELL_COLOR;
        c.nTipID = KXFixedColorString(b40, i);
        const int x = m.left + KXCOLOR_CELL * (i % KXCOLOR_COLUMNS);
        const int y = y0 + KXCOLOR_CELL * (i / KXCOLOR_COLUMNS);
        c.rc = CRect(x, y, x + KXCOLOR_CELL, y + KXCOLOR_CELL);
        c.clr = pclr[i];
        if (!bFound && c.clr == clrCurrent) {
            c.bSelected = true;
            bFound = true;
        }
        cells.push_back(c);
    }

    if (dwStyle & KXCPS_USERCOLORS) {
        const bool bUserRow = !arUser.empty();
        const int yUser = y0 + KXCOLOR_CELL * (nColors / KXCOLOR_COLUMNS) + 4;
        for (size_t i = 0; i < arUser.size(); ++i) {
            KX_COLOR_CELL_LAYOUT c;
            c.nIndex = (int)cells.size();
            c.dwType = KXCELL_COLOR;
            c.nTipID = IDS_KXCOLOR_MORE_TIP;
            const int x = m.left + KXCOLOR_CELL * (int)i;
            c.rc = CRect(x, yUser, x + KXCOLOR_CELL, yUser + KXCOLOR_CELL);
            c.clr = arUser[i];
            if (c.clr == clrCurrent) {
                c.bSelected = true;
                bFound = true;
            }
            cells.push_back(c);
        }
        KX_COLOR_CELL_LAYOUT bottom;
        bottom.nIndex = (int)cells.size();
        bottom.dwType = KXCELL_BOTTOM;
        bottom.nTextID = IDS_KXCOLOR_MORE;
        bottom.nTipID = IDS_KXCOLOR_MORE_TIP;
        const int y = y0 + (b40 ? 94 : 44) + (bUserRow ? cyCell + 4 : 0);
        bottom.rc = CRect(m.left, y, cxWindow - m.right, y + (b40 ? 23 : 22));
        bottom.clr = clrCurrent;
        bottom.bSelected = clrCurrent != KXCOLOR_NOFILL && !bFound;
        cells.push_back(bottom);
    }
    return cells;
}

int KXColorCellFromPoint(const std::vector<KX_COLOR_CELL_LAYOUT>& cells, CPoint pt) {
    for (const KX_COLOR_CELL_LAYOUT& c : cells)
        if (c.rc.PtInRect(pt))
            return c.nIndex;
    return -1;
}

void KXAppendDialogColor(std::vector<COLORREF>& arUser, COLORREF clr) {
    if (arUser.size() >= (size_t)KXCOLOR_COLUMNS)
        arUser.erase(arUser.begin());
    arUser.push_back(clr);
}
