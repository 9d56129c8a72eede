// How a colour selection ends: the private notification messages of the
// colour controls, which of them a choice sends with which colour, and what
// the picker passes on to its owner for each.  Pure rules that the selector,
// the popup and the picker windows follow.
#pragma once

#include "base/wintypes.h"

#include <vector>

constexpr UINT KXCPN_SELCHANGE = 0x0DC4;     // ended on the current colour
constexpr UINT KXCPN_DROPDOWN = 0x0DC5;      // the popup was created
constexpr UINT KXCPN_CLOSEUP = 0x0DC6;       // the popup window is going
constexpr UINT KXCPN_SELENDOK = 0x0DC7;      // ended on another colour
constexpr UINT KXCPN_SELENDCANCEL = 0x0DC8;  // cancelled
constexpr UINT KXCPN_SELNOFILL = 0x0DC9;     // "no fill" chosen

struct KX_COLOR_SELECTION {
    UINT nMessage = 0;
    COLORREF clr = 0;
};

// The ending for index i other than the dialog item: 0 is the top item
// (no fill with bNoFill, else the default colour), -1 cancels, any other
// index takes clrCell, that cell's colour.
KX_COLOR_SELECTION KXEndColorSelection(int i, bool bNoFill, COLORREF clrCurrent, COLORREF clrDefault,
                                       COLORREF clrCell);

// The ending after the colour dialog: OK with its colour, or cancel.
KX_COLOR_SELECTION KXEndColorDialog(bool bOK, COLORREF clrDialog, COLORREF clrCurrent);

// What the picker sends its owner, in order, on receiving nMessage; and
// whether it takes the WPARAM colour as its own first.
std::vector<UINT> KXPickerRelay(UINT nMessage, bool* pbTakesColor);
