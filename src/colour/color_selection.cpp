#include "colour/color_selection.h"

#include "colour/color_grid_layout.h"

namespace {

KX_COLOR_SELECTION Chosen(COLORREF clr, COLORREF clrCurrent) {
    return {clr == clrCurrent ? KXCPN_SELCHANGE : KXCPN_SELENDOK, clr};
}

}  // namespace

KX_COLOR_SELECTION KXEndColorSelection(int i, bool bNoFill, COLORREF clrCurrent, COLORREF clrDefault,
                                       COLORREF clrCell) {
    if (i < 0)
        return {KXCPN_SELENDCANCEL, clrCurrent};
    if (i == 0)
        return bNoFill ? KX_COLOR_SELECTION{KXCPN_SELNOFILL, KXCOLOR_NOFILL} : Chosen(clrDefault, clrCurrent);
    return Chosen(clrCell, clrCurrent);
}

KX_COLOR_SELECTION KXEndColorDialog(bool bOK, COLORREF clrDialog, COLORREF clrCurrent) {
    if (!bOK)
        return {KXCPN_SELENDCANCEL, clrCurrent};
    return Chosen(clrDialog, clrCurrent);
}

std::vector<UINT> KXPickerRelay(UINT nMessage, bool* pbTakesColor) {
    bool bTake = false;
    std::vector<UINT> out;
    switch (nMessage) {
    case KXCPN_SELCHANGE:
    case KXCPN_DROPDOWN:
    case KXCPN_CLOSEUP:
        out = {nMessage};
        break;
    case KXCPN_SELENDOK:
        bTake = true;
        out = {KXCPN_CLOSEUP, KXCPN_SELENDOK};
        break;
    case KXCPN_SELENDCANCEL:
        out = {KXCPN_CLOSEUP, KXCPN_SELENDCANCEL};
        break;
    case KXCPN_SELNOFILL:
        bTake = true;
        out = {KXCPN_SELNOFILL};
        break;
    default:
        break;
    }
    if (pbTakesColor)
        *pbTakesColor = bTake;
    return out;
}
