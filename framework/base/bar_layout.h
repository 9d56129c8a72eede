// The arithmetic of a frame's layout, apart from any window: a control bar
// taking its edge of the space left free, the panes of a status bar along
// its width, and the scroll bars a scrolling view needs.
#pragma once

#include "base/geometry.h"

// Edge a bar is aligned to (the CBRS_ALIGN_* bits).
enum : DWORD {
    kAfxAlignLeft = 0x1000,
    kAfxAlignTop = 0x2000,
    kAfxAlignRight = 0x4000,
    kAfxAlignBottom = 0x8000,
};

// A bar of `size` takes its edge of `avail` (which shrinks by it) and the
// bars' total grows: heights add up for top and bottom bars, widths for
// left and right ones.  The size is cut to what is free; a bar with no
// alignment takes nothing.  Returns the bar's rectangle.
CRect AfxTakeBarEdge(CRect& avail, CSize& sizeTotal, CSize size, DWORD dwAlign);

// The right edges of a status bar's panes, as the control wants them, for
// a bar cxTotal wide: each pane is its width plus cxGap, except the
// stretching panes, which share what is left (at least their own width).
void AfxStatusPaneEdges(const int* pWidths, const bool* pStretch, int nCount, int cxTotal, int cxGap,
                        int* pRightEdges);

// Which scroll bars a view of client size `client` (without scroll bars)
// needs for a document of `total`: a bar takes cxBar (cyBar) from the
// other direction, which may make that one needed too.
void AfxNeededScrollBars(CSize total, CSize client, int cxVScroll, int cyHScroll, bool& bNeedH, bool& bNeedV);
