// The standard page of the colour dialog: 144 colour cells on a honeycomb.
// 127 hexagons in 13 rows (7 growing to 13 and back to 7), two rows of greys
// below (8 and 7) and two large cells for white and black.  Each cell has a
// reference point (its centre, in page pixels) and the neighbours the arrow
// keys move to.  Index order: the rows top to bottom, then the greys, then
// white (142) and black (143).
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

constexpr int KXHONEY_CELLS = 144;
constexpr int KXHONEY_WHITE = 142;
constexpr int KXHONEY_BLACK = 143;

// Half extents of a hexagon (pointed top and bottom): small cells are 14
// wide and 16 high, so neighbouring rows 12 apart interlock; the large white
// and black cells are 24 wide and 28 high, clear of the grey rows.
constexpr int KXHONEY_HALF_W = 7;
constexpr int KXHONEY_HALF_H = 8;
constexpr int KXHONEY_LARGE_HALF_W = 12;
constexpr int KXHONEY_LARGE_HALF_H = 14;

enum { KXHONEY_LEFT, KXHONEY_UP, KXHONEY_RIGHT, KXHONEY_DOWN };

struct KX_HONEY_CELL {
    CPoint pt;         // centre
    COLORREF clr;
    bool bLarge;
    int nNext[4];      // KXHONEY_LEFT..DOWN, -1 for none
};

// The cell table (built once); nIndex out of range gives null.
const KX_HONEY_CELL* KXHoneyCell(int nIndex);

// The six corners of a cell's hexagon, clockwise from the top.
void KXHoneyCorners(int nIndex, POINT ptCorners[6]);

// Whether pt lies in the cell's hexagon; the cell under pt (first in index
// order), or -1.
bool KXHoneyHit(int nIndex, CPoint pt);
int KXHoneyCellFromPoint(CPoint pt);

// The cell holding exactly clr, or -1.
int KXHoneyFindColor(COLORREF clr);

// The bounding rectangle of every cell: the area the page paints.
CRect KXHoneyBounds();
