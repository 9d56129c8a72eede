#include "edit/flat_edge.h"

void KXFlatEdgeRings(const CRect& rcClient, bool bRaised, bool bEnabled, const KX_FLAT_EDGE_COLORS& colors,
                     KX_FLAT_EDGE_RING rings[2]) {
    CRect rc = rcClient;
    rc.InflateRect(1, 1);
    const COLORREF clrInner = bEnabled ? colors.clrBtnFace : colors.clrWindow;
    rings[0] = {rc, clrInner, clrInner};
    rc.InflateRect(1, 1);
    if (bRaised) rings[1] = {rc, colors.clrBtnShadow, colors.clrBtnHilite};
    else rings[1] = {rc, colors.clrBtnFace, colors.clrBtnFace};
}

int KXFlatEdgeState(bool bFlat, bool bFocus, bool bCursorInside, bool bCursorOverSelf) {
    if (!bFlat) return 0;
    if (bFocus) return 2;
    if (bCursorInside) return bCursorOverSelf ? 2 : 1;
    return 1;
}
