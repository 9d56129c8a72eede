// CKXColorPicker: the button face, its drop arrow and the colour swatch.
#include "colour/color_picker.h"

#include "core/aux_data.h"

void CKXColorPicker::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (pDC == nullptr) return;
    const CKXAuxData& aux = CKXAuxData::Get();
    const KX_PICKER_METRICS m = Metrics();
    const CRect rcItem(lpDIS->rcItem);
    const UINT nState = lpDIS->itemState;
    const bool bDisabled = (nState & ODS_DISABLED) != 0;
    const bool bSelected = (nState & ODS_SELECTED) != 0 || m_bPopupActive;
    const bool bPushed = bSelected || SendMessage(BM_GETCHECK) == BST_CHECKED;
    const CRect rcArrow = KXPickerArrowRect(rcItem, m);
    const UINT nInactive = bDisabled ? DFCS_INACTIVE : 0;

    CRect rcFace = rcItem;
    if (!m_bFlat) {
        pDC->DrawFrameControl(&rcFace, DFC_BUTTON,
                              DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (bSelected ? DFCS_PUSHED : 0) | nInactive);
        CRect rc = rcArrow;
        if (bSelected) rc.OffsetRect(1, 1);
        pDC->DrawFrameControl(&rc, DFC_SCROLL, DFCS_SCROLLDOWN | nInactive);
        // The arrow's own edge gives way to the button's face.
        CBrush brFace(aux.clrBtnFace);
        pDC->FrameRect(&rc, &brFace);
        rc.DeflateRect(1, 1);
        pDC->FrameRect(&rc, &brFace);
        rc.InflateRect(1, 1);
        pDC->Draw3dRect(rc.left, rc.top + 3, 2, rc.Height() - 6, aux.clrBtnShadow, aux.clrBtnHilite);
    } else {
        pDC->FillSolidRect(&rcFace, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CRect rc = rcArrow;
        pDC->DrawFrameControl(&rc, DFC_SCROLL, DFCS_SCROLLDOWN | (m_bPopupActive ? DFCS_PUSHED : 0) | nInactive);
        CRect rcEdge = rcItem;
        pDC->DrawEdge(&rcEdge, EDGE_SUNKEN, BF_RECT);
    }

    CRect rcSwatch = KXPickerSwatchRect(m_bFlat ? rcItem : rcFace, rcArrow, m_bFlat != FALSE, bPushed, m);
    if (nState & ODS_FOCUS) {
        CRect rcFocus = rcSwatch;
        rcFocus.InflateRect(1, 1);
        pDC->DrawFocusRect(&rcFocus);
    }

    const bool bText = m_bShowText && GetWindowTextLength() > 0;
    COLORREF clrFill = m_bShowText && m_bTextInColor ? GetContrastColor() : m_clrColor;
    // Colours with a high byte (no fill, not set) have no swatch colour.
    const bool bNoColour = !bDisabled && (clrFill & 0xFF000000) != 0;
    if (bDisabled) clrFill = aux.clrBtnFace;
    CBrush brush;
    CPen pen(PS_SOLID, 1, bDisabled ? aux.clrBtnShadow : aux.clrBtnText);
    CBrush* pOldBrush = nullptr;
    if (!bNoColour && brush.CreateSolidBrush(clrFill)) pOldBrush = pDC->SelectObject(&brush);
    else pOldBrush = static_cast<CBrush*>(pDC->SelectStockObject(NULL_BRUSH));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Rectangle(&rcSwatch);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);

    if (bText) {
        CString str;
        GetWindowText(str);
        CFont* pFont = GetFont();
        CFont* pOldFont = pDC->SelectObject(pFont != nullptr ? pFont : &CKXAuxData::Get().fontRegular);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOld = pDC->SetTextColor(bDisabled        ? aux.clrBtnShadow
                                                  : m_bTextInColor ? m_clrColor
                                                                   : GetContrastColor());
        pDC->DrawText(str, &rcSwatch, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldMode);
        if (pOldFont) pDC->SelectObject(pOldFont);
    }
}
