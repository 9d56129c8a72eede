// Where the copies of a background picture go: the placement arithmetic of
// tiled, stretched and placed-once pictures, apart from any drawing so that
// it can be checked without a window system.
#pragma once

#include "base/geometry.h"

#include <vector>

// One copy of (part of) the bitmap: rcSource of the bitmap goes to rcDest
// of the target, scaled when bStretch is set and copied 1:1 otherwise (then
// both rectangles have the same size).
struct KX_BKIMAGE_COPY {
    CRect rcDest;
    CRect rcSource;
    bool bStretch = false;
};

// The copies that draw a cxBitmap x cyBitmap picture into rect with the
// style and alignment bits of ulFlags and the offsets (a negative offset
// counts as 0).  The drawing area is rect inset by xOffset at the left and
// right and by yOffset at the top and bottom.
//   Tiled: rows from the area's top stepping by cyBitmap + yOffset, tiles
//     from its left stepping by cxBitmap + xOffset, each cut to the area.
//   Stretched: the whole bitmap onto the area (none when the area is wider
//     or higher than INT_MAX).
//   Placed once: min(bitmap, area) in each direction, at the left/top, or
//     right/bottom, or centred; an origin left of (above) 0 starts the source
//     that far in and moves the copy to the offset.
// Source rectangles never leave the bitmap.  When pClip is given only the
// copies that meet it are returned, and tiles outside it are not visited,
// so the count follows the visible area, not the whole rectangle.
std::vector<KX_BKIMAGE_COPY> KXLayoutBkImage(int cxBitmap, int cyBitmap, const CRect& rect, UINT ulFlags,
                                             int xOffset, int yOffset, const CRect* pClip = nullptr);
