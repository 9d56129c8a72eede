// The geometry of one owner-drawn menu item: where its image cell, check
// cell, highlight and text go inside the item rectangle, and how large the
// item measures.  Pure arithmetic on the icon size and injected measurements,
// shared by the drawing code and its tests.
#pragma once

#include "base/geometry.h"

struct KX_MENU_ITEM_LAYOUT {
    int dy = 0;             // vertical offset of the image cell in the item
    CRect rcImageCell;      // frame around the image: W + 4 by H + 4
    CRect rcImageInside;    // the cell less its one-pixel frame
    CPoint ptImage;         // where the W by H image is drawn
    CRect rcCheck;          // the drawn check mark's cell: W by H
    CRect rcHighlight;      // what a selected item fills with the highlight
    CRect rcText;           // text rectangle (right edge pulled in for accelerators)
};

// rcItem is the item rectangle, cx/cy the icon size.  bKeepImageColumn: the
// item has an image or a check, so the highlight starts right of its column.
// bHasAccelerator: the text holds a tab, so the right edge makes room.
KX_MENU_ITEM_LAYOUT KXLayoutMenuItem(const CRect& rcItem, int cx, int cy, bool bKeepImageColumn,
                                     bool bHasAccelerator);

// The measured size of an item: a separator is half a menu bar high and has
// no width; any other item is its text plus two icon widths and one pixel,
// at least a menu bar high and four pixels taller than its icon.
CSize KXMeasureMenuItem(bool bSeparator, int cxText, int cyMenu, int cx, int cy);

// The text width the first shell generation measures: DrawText's width plus
// three, widened by three average characters (nChars characters of text).
int KXWidenOldShellTextWidth(int cxMeasured, int nChars);
