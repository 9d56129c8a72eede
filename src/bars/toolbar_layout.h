// The arithmetic of CKXToolBar, apart from any window: how large a button
// measures for the common-controls version in use, where the rows break,
// how large the wrapped buttons are, what the borders and the gripper take
// and where the gripper's bars go.  The window code reads the buttons from
// the control (their item rectangles, style and state bytes) and gives the
// control back the wrap states found here.
#pragma once

#include "base/geometry.h"
#include "base/toolbar_wrap.h"

// Common-controls versions as (major << 16) | minor.
enum : unsigned long {
    KX_COMCTL_400 = 0x00040000,  // what a library without DllGetVersion is taken for
    KX_COMCTL_470 = 0x00040046,
    KX_COMCTL_471 = 0x00040047,
};

enum : unsigned char { kKXTbDropDown = 0x08 };  // TBSTYLE_DROPDOWN

// How large button b measures in a layout; b.size is its item rectangle's
// size.  A wrapped separator lies across the bar: (0, height - 3) below
// 4.71, (0, height) at 4.71, (0, width) above.  A wrapped drop-down button
// has no width unless bKeepDropDownWidth.  Anything else is its rectangle.
CSize KXToolBarButtonSize(const AFX_TBLAYOUTBUTTON& b, unsigned long dwComCtlVersion, bool bKeepDropDownWidth);

// How large button i measures in a layout as its state now is.
using KX_TBMEASUREFN = std::function<CSize(const AFX_TBLAYOUTBUTTON& b, int i)>;
// KXToolBarButtonSize for a version.
KX_TBMEASUREFN KXToolBarMeasure(unsigned long dwComCtlVersion, bool bKeepDropDownWidth);

// Breaks the buttons into rows no wider than nWidth, clearing every wrap
// state and setting it on the button that ends a row: the nearest plain
// separator back from the button that overflows, else the nearest button
// before it that may end a row (not a separator carrying a control).
// Hidden buttons take no room.  Returns the number of rows.
int KXWrapToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int nWidth, const KX_TBMEASUREFN& measure);

// The size of the wrapped buttons: the widest row, and the rows' heights
// (each its tallest button) plus the height of every separator that ends
// a row.
CSize KXToolBarCalcSize(const AFX_TBLAYOUTBUTTON* pButtons, int nCount, const KX_TBMEASUREFN& measure);

// What a bar's frame takes from rect: the border lines its style asks for
// (cxLine/cyLine each, none while floating), the border widths (given for
// a horizontal bar, turned for a vertical one) and a docked bar's gripper.
struct KX_TOOLBAR_FRAME {
    unsigned long dwStyle = 0;  // CBRS_ bits
    CRect rcBorders;            // left, top, right, bottom border widths
    int cxLine = 2, cyLine = 2; // one border line
    bool bFlatStyle = false;
    bool bInReBar = false;
};
void KXToolBarInsideRect(const KX_TOOLBAR_FRAME& frame, CRect& rect, bool bHorz);

// The gripper's width across the bar (0 for none): 7, 10 for a flat bar,
// 2 for a bar that is neither flat nor in a rebar.
int KXToolBarGripperWidth(const KX_TOOLBAR_FRAME& frame);

// The raised bars the gripper is drawn as within rect (the bar's whole
// window): up to two, each three pixels thick.  Returns how many.
int KXToolBarGripperBars(const KX_TOOLBAR_FRAME& frame, const CRect& rect, CRect arBars[2]);

// The strips of the right and bottom border lines to repaint when a bar
// goes from sizeOld to sizeNew (window coordinates): the old and new
// right strips when the style has a right border and the width changes,
// likewise the bottom.  Returns how many of the four were filled.
int KXToolBarBorderStrips(const KX_TOOLBAR_FRAME& frame, CSize sizeOld, CSize sizeNew, CRect arStrips[4]);

// Where a control standing in the row goes over its button's rectangle: the
// button's left and width, centred in the row's height (a combo box
// measures its closed height cyControl), never above the button's top.
CRect KXToolBarControlRect(const CRect& rcButton, int cyControl);
