// The figures a flat tab strip draws, as coordinates: the trapezoid of one
// tab with its caption box and edge lines, and the arrow of a scroll button.
// The drawing code only walks these lists with its pens.
#pragma once

#include "base/geometry.h"

#include <vector>

// The control's pens, named by the colour each carries.
enum eKXFLATTABPEN {
    KX_FTPEN_SHADOW,
    KX_FTPEN_SELBACK,
    KX_FTPEN_BACK,
    KX_FTPEN_TEXT,
    KX_FTPEN_HILITE,
};

// A line drawn as MoveTo(ptFrom), LineTo(ptTo): ptTo itself stays unpainted.
struct KX_FLATTAB_LINE {
    eKXFLATTABPEN ePen;
    CPoint ptFrom;
    CPoint ptTo;
};

struct KX_FLATTAB_SHAPE {
    CPoint ptPolygon[4];     // outlined with the text pen, filled with the tab's background
    CRect rcCaption;         // the caption, centred horizontally in it, drawn from its top
    KX_FLATTAB_LINE lines[3];
    int nLines = 0;
    int cxTab = 0;           // the tab's width
};

// One tab whose top-left corner is pt, h high, with a caption cx wide and
// cyText high.  The wide side faces the tab windows: the bottom edge
// normally, the top edge with bBottom (the figure mirrored vertically).  A
// selected tab paints its wide side over in the selected background, so
// that it opens into the window area.
KX_FLATTAB_SHAPE KXLayoutFlatTab(CPoint pt, int h, int cx, int cyText, bool bSelected, bool bBottom);

// The arrow of a scroll button in rc: vertical lines in successive columns
// toward the tip (KX_FTB_POINTLEFT or right), each starting one pixel lower
// and two shorter, and with KX_FTB_STOPBAR a full-height bar one column
// beyond the tip.  The lines carry no pen: the caller picks the pen by the
// button's state.
std::vector<KX_FLATTAB_LINE> KXLayoutFlatTabArrow(const CRect& rc, unsigned nShape);
