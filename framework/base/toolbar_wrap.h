// How a toolbar's buttons break into rows, apart from any window: a bar
// docked along a vertical edge is one column, a floating bar as many rows
// as its width allows.  The window code reads the buttons from the control,
// wraps them here and gives the control back the wrap states.
#pragma once

#include "base/geometry.h"

#include <functional>

// What the layout needs of one button: its size, the control's style and
// state bytes (TBSTYLE_SEP 0x01; TBSTATE_HIDDEN 0x08, TBSTATE_WRAP 0x20)
// and its command (a separator with a command carries a control).
struct AFX_TBLAYOUTBUTTON {
    CSize size;
    unsigned char fsStyle = 0;
    unsigned char fsState = 0;
    int idCommand = 0;
};

enum : unsigned char { kAfxTbSep = 0x01, kAfxTbHidden = 0x08, kAfxTbWrap = 0x20 };

// Breaks the buttons into rows no wider than cxAvail, setting the wrap
// state on the last button of each row (a separator when one is near, so
// that groups stay together), and clearing it everywhere else.  A button
// wider than cxAvail gets a row of its own.  Returns the number of rows.
int AfxWrapToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int cxAvail);

// The size of the wrapped buttons: the widest row and the rows' heights
// added up.  A separator that ends a row lies across the bar and adds its
// width, two thirds of it, to the height (the control draws it as a line
// between the rows).
CSize AfxToolBarLayoutSize(const AFX_TBLAYOUTBUTTON* pButtons, int nCount);

// How a bar wraps its buttons and measures the result; by default the two
// functions above.
using AFX_TBWRAPFN = std::function<int(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int cxAvail)>;
using AFX_TBSIZEFN = std::function<CSize(const AFX_TBLAYOUTBUTTON* pButtons, int nCount)>;

// Wraps for a bar whose outside length is nLength along bHorz (width when
// horizontal, height when vertical): the widest wrapping whose size fits
// nLength, else the narrowest one.  Returns the size of the buttons.
CSize AfxFitToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int nLength, bool bHorz,
                    const AFX_TBWRAPFN& wrap = AfxWrapToolBar, const AFX_TBSIZEFN& measure = AfxToolBarLayoutSize);

// A bar's outside size for the size of its buttons: the insets (borders,
// gripper) added, at least one button thick across the bar, and the whole
// length (32767) along it when it stretches.
CSize AfxToolBarOuterSize(CSize sizeButtons, CSize sizeInset, CSize sizeButton, bool bVert, bool bStretch);
