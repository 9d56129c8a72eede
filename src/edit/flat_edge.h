// The flat edit's edge: two one-pixel rings just outside the client
// rectangle, over the control's two-pixel sunken client edge.  The inner
// ring is the dialog colour (the window colour when disabled); the outer one
// is a thin sunken edge when raised and the dialog colour otherwise, so that
// an idle control shows no edge at all.
#pragma once

#include "base/geometry.h"

struct KX_FLAT_EDGE_COLORS {
    COLORREF clrBtnFace;
    COLORREF clrWindow;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
};

struct KX_FLAT_EDGE_RING {
    CRect rect;               // the ring is this rectangle's one-pixel frame
    COLORREF clrTopLeft;
    COLORREF clrBottomRight;
};

// rings[0] the inner ring (client rectangle grown by 1), rings[1] the outer
// (grown by 2).
void KXFlatEdgeRings(const CRect& rcClient, bool bRaised, bool bEnabled, const KX_FLAT_EDGE_COLORS& colors,
                     KX_FLAT_EDGE_RING rings[2]);

// The look a repaint shows: 0 none (the flat look is off), 1 flat, 2
// raised.  Raised with the focus, or with the cursor inside the window
// rectangle and over this window rather than over another one on top of it.
int KXFlatEdgeState(bool bFlat, bool bFocus, bool bCursorInside, bool bCursorOverSelf);
