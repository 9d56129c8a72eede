#include "bars/menu_item_layout.h"

#include <algorithm>

KX_MENU_ITEM_LAYOUT KXLayoutMenuItem(const CRect& rcItem, int cx, int cy, bool bKeepImageColumn,
                                     bool bHasAccelerator) {
    KX_MENU_ITEM_LAYOUT lay;
    const int x = rcItem.left, y = rcItem.top;
    lay.dy = std::max(0, (rcItem.Height() - cy - 4) / 2);
    lay.rcImageCell = CRect(x, y + lay.dy, x + cx + 4, y + cy + lay.dy + 4);
    lay.rcImageInside = CRect(x + 1, y + lay.dy + 1, x + cx + 3, y + cy + lay.dy + 3);
    lay.ptImage = CPoint(x + 2, y + lay.dy + 2);
    lay.rcCheck = CRect(x + 1, y + lay.dy + 2, x + cx + 1, y + cy + lay.dy + 2);
    lay.rcHighlight = rcItem;
    if (bKeepImageColumn) lay.rcHighlight.left = x + cx + 5;
    lay.rcText = rcItem;
    lay.rcText.left = x + cx + 9;
    if (bHasAccelerator) lay.rcText.right -= cx;
    return lay;
}

CSize KXMeasureMenuItem(bool bSeparator, int cxText, int cyMenu, int cx, int cy) {
    if (bSeparator) return CSize(0, cyMenu / 2);
    return CSize(cxText + 2 * cx + 1, std::max(cyMenu, cy + 4));
}

int KXWidenOldShellTextWidth(int cxMeasured, int nChars) {
    const int w = cxMeasured + 3;
    return nChars > 0 ? w + 3 * (w / nChars) : w;
}
