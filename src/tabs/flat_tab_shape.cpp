#include "tabs/flat_tab_shape.h"

#include "tabs/flat_tab_layout.h"

KX_FLATTAB_SHAPE KXLayoutFlatTab(CPoint pt, int h, int cx, int cyText, bool bSelected, bool bBottom) {
    KX_FLATTAB_SHAPE shape;
    const int x = pt.x, y = pt.y, hh = h / 2, yb = y + h - 1;
    const int yWide = bBottom ? y : yb, yNarrow = bBottom ? yb : y;
    shape.ptPolygon[0] = CPoint(x, yWide);
    shape.ptPolygon[1] = CPoint(x + hh - 1, yNarrow);
    shape.ptPolygon[2] = CPoint(x + cx + h - 1, yNarrow);
    shape.ptPolygon[3] = CPoint(x + cx + h + hh - 1, yWide);

    const int top = y + (h - cyText) / 2 - 1;
    shape.rcCaption = CRect(x + hh + hh / 2, top, x + hh + hh / 2 + cx, top + cyText);

    if (bSelected) {
        shape.lines[0] = {KX_FTPEN_SHADOW, CPoint(x + hh, yNarrow), CPoint(x + cx + 2 * hh - 1, yNarrow)};
        shape.lines[1] = {KX_FTPEN_SELBACK, CPoint(x + 1, yWide), CPoint(x + cx + h + hh - 1, yWide)};
        shape.nLines = 2;
    } else {
        shape.lines[0] = {KX_FTPEN_HILITE, CPoint(x + 1, yWide), CPoint(x + hh + 1, yWide + h)};
        shape.lines[1] = {KX_FTPEN_SHADOW, CPoint(x, yWide), CPoint(x + cx + h + hh, yWide)};
        shape.lines[2] = {KX_FTPEN_SHADOW, CPoint(x + hh, yNarrow), CPoint(x + cx + h - 1, yNarrow)};
        shape.nLines = 3;
    }
    shape.cxTab = cx + h + hh;
    return shape;
}

std::vector<KX_FLATTAB_LINE> KXLayoutFlatTabArrow(const CRect& rc, unsigned nShape) {
    std::vector<KX_FLATTAB_LINE> lines;
    const int w = rc.Width();
    const int s = w / 2 + 2;
    if (s <= 0) return lines;
    const int top = rc.top + (rc.Height() - s) / 2;
    const int inset = (w - (s + 1) / 2 - 1) / 2;
    const bool bLeft = (nShape & KX_FTB_POINTLEFT) != 0;
    const int step = bLeft ? -1 : 1;
    const int x0 = bLeft ? rc.right - 1 - inset : rc.left + inset;
    int col = 0;
    for (int len = s; len > 0; len -= 2, ++col) {
        const int x = x0 + step * col;
        lines.push_back({KX_FTPEN_TEXT, CPoint(x, top + col), CPoint(x, top + col + len)});
    }
    if (nShape & KX_FTB_STOPBAR) {
        const int x = x0 + step * col;
        lines.push_back({KX_FTPEN_TEXT, CPoint(x, top), CPoint(x, top + s)});
    }
    return lines;
}
