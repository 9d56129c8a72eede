#include "colour/color_picker_layout.h"

#include <algorithm>

int KXPickerArrowSize(const KX_PICKER_METRICS& m) {
    const int cx = std::max(m.cxVScroll, 5 * m.cxEdge);
    const int cy = std::max(m.cyVThumb, 5 * m.cyEdge);
    return std::max(cx, cy);
}

CRect KXPickerWindowRect(const CRect& rcWindow, const KX_PICKER_METRICS& m) {
    const int w = KXPickerArrowSize(m);
    const int cx = std::max(rcWindow.Width(), 2 * (w + m.cxEdge));
    return CRect(rcWindow.left, rcWindow.top, rcWindow.left + cx, rcWindow.top + w + 2 * m.cyEdge);
}

CRect KXPickerArrowRect(const CRect& rc, const KX_PICKER_METRICS& m) {
    const int w = KXPickerArrowSize(m);
    return CRect(rc.right - w - m.cxEdge, rc.top + m.cyEdge, rc.right - m.cxEdge, rc.bottom - m.cyEdge);
}

CRect KXPickerSwatchRect(const CRect& rcItem, const CRect& rcArrow, bool bFlat, bool bPushed,
                         const KX_PICKER_METRICS& m) {
    CRect rc = rcItem;
    if (bFlat) {
        rc.DeflateRect(m.cxEdge, m.cyEdge);
        rc.right -= rcArrow.Width();
    }
    if (bPushed) rc.OffsetRect(1, 1);
    rc.DeflateRect(2, 2);
    rc.right = std::min(rc.right, rcArrow.left - 4);
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    return rc;
}
