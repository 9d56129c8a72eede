// The geometry of a property grid view: the divider between the caption and
// the value column, the expand box, the rectangles a painter draws a row in,
// the in-place controls' places and the drop-down list's, and when a caption
// or value needs the tooltip.  Pure arithmetic on the view's state and on
// measurements the window code passes in; rows are in the view's client
// coordinates (a list box row starts at x = 0).
#pragma once

#include "base/geometry.h"

// --- divider ----------------------------------------------------------------
const double KX_PG_MIN_RATIO = 0.1;
const double KX_PG_MAX_RATIO = 0.85;

// The window width times the ratio, truncated toward zero.
int KXDividerPos(int cxWindow, double dRatio);
// The hit zone: divider - 4 < x <= divider + 2.
bool KXIsOnDivider(int x, int nDivider);
double KXClampDividerRatio(double dRatio);
// The ratio that puts the divider at x (dragging), clamped; dRatio unchanged
// for a window without width.
double KXDividerRatioAt(int x, int cxWindow, double dRatio);
// The ratio moved by dx pixels (the keyboard), clamped.
double KXMoveDividerRatio(double dRatio, int dx, int cxWindow);

// --- rows -------------------------------------------------------------------
// Whether a click at x toggles an item of this depth: the band from x0 to
// x0 + 14 inclusive, x0 = (indent - 1) * 14 for indents above 1, else 0.
bool KXIsInExpandBand(int nIndent, int x);

// The value rectangle of an item's row: from the divider + 1 to the right
// edge (15 less while the item's in-place button shows), one pixel inside at
// the top and bottom.
CRect KXItemValueRect(const CRect& rcRow, int nDivider, bool bButtonShown);

// The in-place button: the last 15 pixels of rc, one pixel less high.
CRect KXInplaceButtonRect(const CRect& rc);

struct KX_PROPERTY_ROW_LAYOUT {
    CRect rcCaption;      // c: from the row's left edge to the divider
    CRect rcValue;        // from c.right + 4 to the right edge, to the last pixel row
    CRect rcMargin;       // the 14-pixel left margin
    CRect rcCaptionText;  // from indent * 14 + 3 to c.right - 1
    CRect rcExpandBox;    // the 9 x 9 box, right of the margin's start by the indent
};

// bIndentAtLeastOne: the caption text starts at max(indent, 1) * 14 + 3, as
// the simple and the Delphi painter place it.
KX_PROPERTY_ROW_LAYOUT KXLayoutPropertyRow(const CRect& rcRow, int nDivider, int nIndent,
                                           bool bIndentAtLeastOne = false);

// A category's caption: from x = 13 to 13 + caption width + 4, one pixel
// inside the row at the top and bottom.
CRect KXCategoryCaptionRect(const CRect& rcRow, int cxCaption);

// --- the drop-down list of constraints ---------------------------------------
struct KX_CONSTRAINT_LIST_METRICS {
    CRect rcRow;          // the item's row, screen coordinates
    int xValueLeft = 0;   // the left edge of the value column, screen coordinates
    int cxWidestText = 0; // the widest constraint's text
    int cxHThumb = 0;     // SM_CXHTHUMB
    int cyLine = 0;       // a line of the list
    int nCount = 0;       // constraints
    CRect rcWork;         // the work area
};

// The list's window rectangle: at least as wide as the value column, wide
// enough for the widest text and two thumbs, at most the row width - 14;
// min(count, 10) lines + 2 high; right-aligned under the row, or above it
// when it would pass the work area's bottom and starts in its lower half.
CRect KXPlaceConstraintList(const KX_CONSTRAINT_LIST_METRICS& m);

// The lines the list shows without scrolling.
int KXConstraintListLines(int nCount);

// --- tooltip ------------------------------------------------------------------
// Whether a text cxText wide, drawn from xLeft, needs the tip to be read
// whole: cxText + 3 exceeds the room up to xRight.
bool KXTextNeedsTip(int cxText, int xLeft, int xRight);

// rcTip moved left (never past the work area's left edge) so that it ends
// inside the work area.
CRect KXFitTipToWorkArea(const CRect& rcTip, const CRect& rcWork);

// --- the grid control -----------------------------------------------------------
// From the top: the toolbar (when shown: at (1, 1), cx - 2 wide, 23 high;
// the view then starts at y = 25), the view, and when the help pane shows,
// a 3-pixel splitter above the pane's last nHelpHeight pixels.  Empty
// rectangles for what is hidden.
struct KX_PROPERTY_GRID_LAYOUT {
    CRect rcToolBar;
    CRect rcView;
    CRect rcSplitter;
    CRect rcHelp;
};
KX_PROPERTY_GRID_LAYOUT KXLayoutPropertyGrid(int cx, int cy, bool bHelpVisible, int nHelpHeight,
                                             bool bToolBarVisible);

// Where the splitter's tracking bar may go while dragged: y held to at most
// cyClient - 20, then to at least 45.
int KXClampHelpSplitter(int y, int cyClient);
// The help pane's height once the bar is dropped with its top at yBar.
int KXHelpHeightFromSplitter(int yBar, int cyClient);
