// The geometry of the colour selector: the window size, the last index and
// every cell's rectangle, type, tooltip string and selected flag, computed
// from the style word, the margins and the colours.  Pure arithmetic that the
// selector window, its painting and hit testing, and the tests share.
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

#include <vector>

// Style word of the selector.
constexpr DWORD KXCPS_NOFILL = 0x1;        // top item is "no fill", not "automatic"
constexpr DWORD KXCPS_40COLORS = 0x2;      // 40 colours in 5 rows, else 16 in 2
constexpr DWORD KXCPS_USERCOLORS = 0x4;    // user colours and the dialog item
constexpr DWORD KXCPS_DIALOGSTYLE = 0x60;  // passed on to the colour dialog
constexpr DWORD KXCPS_POPUP = 0x80000000;  // a popup window, else a child

// Cell types.
constexpr DWORD KXCELL_COLOR = 0x8;
constexpr DWORD KXCELL_BOTTOM = 0x10;

constexpr COLORREF KXCOLOR_NOFILL = 0xFFFFFFFF;
constexpr COLORREF KXCOLOR_UNSET = 0xFF000000;

// String identifiers in the resource module.
constexpr UINT IDS_KXCOLOR_FIRST = 19030;   // names of the 40 colours: 19030..19069
constexpr UINT IDS_KXCOLOR_NOFILL = 19077;
constexpr UINT IDS_KXCOLOR_NOFILL_TIP = 19078;
constexpr UINT IDS_KXCOLOR_AUTO = 19079;
constexpr UINT IDS_KXCOLOR_AUTO_TIP = 19080;
constexpr UINT IDS_KXCOLOR_MORE = 19081;
constexpr UINT IDS_KXCOLOR_MORE_TIP = 19082;  // also every user colour's tooltip
constexpr UINT IDS_KXCOLOR_CAPTION = 19083;

constexpr int KXCOLOR_COLUMNS = 8;
constexpr int KXCOLOR_CELL = 18;

// The fixed grids, row by row; the tooltip string of each fixed colour.
const COLORREF* KXFixedColors(bool b40, int* pnCount);
UINT KXFixedColorString(bool b40, int nIndex);  // 0 when out of range

struct KX_COLOR_MARGINS {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct KX_COLOR_GRID_SIZE {
    CRect rcWindow;  // below the anchor rectangle
    int nRows = 0;   // rows of the fixed grid
    int nColors = 0; // colours of the fixed grid (16 or 40)
    int nLast = 0;   // last index L
};

// rcAnchor: the rectangle the selector opens below; nUser: user colours held.
KX_COLOR_GRID_SIZE KXColorGridSize(const CRect& rcAnchor, const KX_COLOR_MARGINS& m, DWORD dwStyle,
                                   int nUser, int cyCell = KXCOLOR_CELL);

// One laid-out cell (the text is the window's business: only its string id).
struct KX_COLOR_CELL_LAYOUT {
    int nIndex = 0;
    DWORD dwType = 0;   // the style word for the top item, else KXCELL_*
    UINT nTipID = 0;    // tooltip string
    UINT nTextID = 0;   // text string of the top and bottom items, else 0
    CRect rc;           // client coordinates
    COLORREF clr = 0;
    bool bSelected = false;
};

// Lays out every cell in index order; cxWindow is the created window's width.
std::vector<KX_COLOR_CELL_LAYOUT> KXLayoutColorCells(int cxWindow, const KX_COLOR_MARGINS& m, DWORD dwStyle,
                                                     COLORREF clrCurrent, COLORREF clrDefault,
                                                     const std::vector<COLORREF>& arUser,
                                                     int cyCell = KXCOLOR_CELL);

// The first cell (in index order) whose rectangle holds pt, or -1.
int KXColorCellFromPoint(const std::vector<KX_COLOR_CELL_LAYOUT>& cells, CPoint pt);

// Appends a colour chosen in the colour dialog: the oldest goes first when
// a row (8 colours) or more is already held.
void KXAppendDialogColor(std::vector<COLORREF>& arUser, COLORREF clr);
