// The picker button's geometry: the size it takes and where its drop arrow
// and colour swatch go, from the system metrics it is given.
#pragma once

#include "base/geometry.h"

struct KX_PICKER_METRICS {
    int cxEdge = 2, cyEdge = 2;  // SM_CXEDGE, SM_CYEDGE
    int cxVScroll = 16;          // SM_CXVSCROLL
    int cyVThumb = 16;           // SM_CYVTHUMB
};

// The arrow's width: the larger of the scroll-bar width and the thumb
// height, each at least five edges.
int KXPickerArrowSize(const KX_PICKER_METRICS& m);

// The window the picker becomes: the same top-left corner, w + 2 cyEdge
// high and at least 2 (w + cxEdge) wide.
CRect KXPickerWindowRect(const CRect& rcWindow, const KX_PICKER_METRICS& m);

// The arrow in client coordinates.
CRect KXPickerArrowRect(const CRect& rcClient, const KX_PICKER_METRICS& m);

// Where the swatch goes inside the item rectangle rcItem (the arrow rcArrow
// already placed): for the flat face rcItem less the edges and the arrow;
// moved by (1, 1) when pushed; then 2 in on every side, ending 4 pixels
// left of the arrow.
CRect KXPickerSwatchRect(const CRect& rcItem, const CRect& rcArrow, bool bFlat, bool bPushed,
                         const KX_PICKER_METRICS& m);
