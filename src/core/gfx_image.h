// Image helpers for disabled and checked looks.
#pragma once

#include "win/afxwin.h"

// Draws image nImage of imageList at pt as a disabled, embossed shape: its
// silhouette in the button highlight colour one pixel right and down, and in
// the button shadow colour at pt.  The silhouette is every pixel the image
// draws that is not white; with bColor the mask keeps the image's colours
// (dark pixels weigh more) instead of being black and white.
void GfxDrawEmbossed(CDC* pDC, CImageList& imageList, int nImage, CPoint pt, int bColor);

// Paints the shape of a cx by cy mask (its black pixels; the target shows
// through its white ones) at pt in the engraved look: clrHilite one pixel
// right and down, then clrShadow in place.
void GfxDrawEngravedMask(CDC* pDC, CPoint pt, int cx, int cy, CDC* pMaskDC, COLORREF clrHilite, COLORREF clrShadow);

// Fills rect with a 50 % checkerboard of the button face and highlight
// colours (the look of a checked toolbar button).
void GfxDrawShadedRect(CDC* pDC, const CRect& rect);
