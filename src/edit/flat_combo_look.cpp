#include "edit/flat_combo_look.h"

KX_COMBO_LAYOUT KXFlatComboLayout(const CRect& rcClient, int cxThumb, bool bPressed) {
    KX_COMBO_LAYOUT layout;
    layout.rcOuter = rcClient;
    layout.rcInner = rcClient;
    layout.rcInner.DeflateRect(1, 1);
    layout.rcButton = layout.rcInner;
    layout.rcButton.left = layout.rcInner.right - cxThumb - 2;
    if (layout.rcButton.left < layout.rcInner.left) layout.rcButton.left = layout.rcInner.left;
    const CPoint ptCentre = layout.rcButton.CenterPoint();
    layout.rcArrow = CRect(ptCentre.x - 2, ptCentre.y - 1, ptCentre.x + 3, ptCentre.y + 2);
    if (bPressed) layout.rcArrow.OffsetRect(1, 1);
    return layout;
}

COLORREF KXFlatComboBackground(COLORREF clrBtnFace, COLORREF clrBk, COLORREF clrReadOnlyBk, bool bEnabled,
                               bool bReadOnly) {
    if (!bEnabled) return clrBtnFace;
    return bReadOnly ? clrReadOnlyBk : clrBk;
}

namespace {

KX_COMBO_COLORS XPColors(const KX_COMBO_PALETTE& pal, const KX_COMBO_STATE& state) {
    const COLORREF clrBk =
        KXFlatComboBackground(pal.clrBtnFace, pal.clrBk, pal.clrReadOnlyBk, state.bEnabled, state.bReadOnly);
    COLORREF clrText = pal.clrMenuText;
    if (state.bEnabled) clrText = state.bReadOnly ? pal.clrReadOnlyText : pal.clrText;
    else clrText = pal.clrBtnShadow;
    COLORREF clrBorder = pal.clrBtnFace, clrFill = pal.clrBtnFace;
    if (state.bDropped) {
        clrBorder = pal.clrHighlightBorder;
        clrFill = pal.clrHighlightPushed;
        clrText = pal.clrPushedText;
    } else if (state.nLook != 1) {
        clrBorder = pal.clrHighlightBorder;
        clrFill = pal.clrHighlight;
    }
    // At rest the button's frame melts into the content's background.
    const COLORREF clrButtonFrame = clrBorder == pal.clrBtnFace ? clrBk : clrBorder;
    return {clrBorder, clrBorder, clrBk, clrBk, clrButtonFrame, clrButtonFrame, clrFill, clrText};
}

KX_COMBO_COLORS ClassicColors(const KX_COMBO_PALETTE& pal, const KX_COMBO_STATE& state) {
    const COLORREF face = pal.clrBtnFace, hilite = pal.clrBtnHilite, shadow = pal.clrBtnShadow;
    const COLORREF clrInner = state.bEnabled ? face : hilite;
    const COLORREF clrArrow = state.bEnabled ? pal.clrMenuText : shadow;
    const bool bPressed = state.nLook == 3 || state.bDropped;
    if (bPressed) return {shadow, hilite, clrInner, clrInner, shadow, hilite, face, clrArrow};
    if (state.nLook == 2) return {shadow, hilite, clrInner, clrInner, hilite, shadow, face, clrArrow};
    return {face, face, clrInner, clrInner, face, face, face, clrArrow};
}

}  // namespace

KX_COMBO_COLORS KXFlatComboColors(const KX_COMBO_PALETTE& pal, const KX_COMBO_STATE& state) {
    return state.bXPLook ? XPColors(pal, state) : ClassicColors(pal, state);
}
