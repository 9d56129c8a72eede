// CKXColorSelectorCtrl: painting the background and the cells.
#include "colour/color_selector.h"

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "core/gfx_image.h"
#include "core/mem_dc.h"

namespace {

COLORREF Palette(int n) { return CKXColorManager::s_managerInstance.GetColor(n); }

void Frame(CDC* pDC, const CRect& rc, COLORREF clr) {
    CBrush brush(clr);
    pDC->FrameRect(&rc, &brush);
}

}  // namespace

void CKXColorSelectorCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc);
    Paint(&memDC);
}

LRESULT CKXColorSelectorCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Paint(pDC);
    return 0;
}

BOOL CKXColorSelectorCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

COLORREF CKXColorSelectorCtrl::BackgroundColor(CDC* pDC) {
    const CKXAuxData& aux = CKXAuxData::Get();
    COLORREF clr = aux.bXPLook ? Palette(XPCOLOR_MENU_FACE) : aux.clrBtnFace;
    // A child takes the background its parent gives static controls.
    if (!(m_dwStyle & KXCPS_POPUP) && m_pParentWnd->GetSafeHwnd() != nullptr) {
        if (::SendMessageA(m_pParentWnd->GetSafeHwnd(), WM_CTLCOLORSTATIC, (WPARAM)pDC->GetSafeHdc(),
                           (LPARAM)m_hWnd) != 0)
            clr = pDC->GetBkColor();
    }
    return clr;
}

void CKXColorSelectorCtrl::Paint(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, BackgroundColor(pDC));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    HFONT hFont = m_hFont != nullptr ? m_hFont : (HFONT)CKXAuxData::Get().fontRegular.GetSafeHandle();
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), hFont);
    const COLORREF clrOldText = pDC->SetTextColor(CKXAuxData::Get().clrBtnText);
    if (!(m_dwStyle & KXCPS_40COLORS)) pDC->TextOut(6, 31, m_strCaption);
    for (INT_PTR i = 0; i < m_arCells.GetSize(); ++i) {
        KX_COLOR_CELL* pCell = m_arCells[i];
        const bool bHighlighted = pCell->nIndex == m_nCurSel;
        const bool bPressed = pCell->nIndex == m_nPressed;
        DrawColorCell(pCell, pDC, (bHighlighted && m_nPressed == -1) || bPressed, bPressed && bHighlighted);
    }
    pDC->SetTextColor(clrOldText);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetBkMode(nOldMode);
}

void CKXColorSelectorCtrl::DrawColorCell(KX_COLOR_CELL* pCell, CDC* pDC, BOOL bHot, BOOL bPressed) {
    if (pCell == nullptr || pDC == nullptr) return;
    const CKXAuxData& aux = CKXAuxData::Get();
    CRect rc(pCell->rect);

    if (!aux.bXPLook) {
        if (bPressed || pCell->bSelected) {
            if (pCell->bSelected && !bHot && !bPressed) GfxDrawShadedRect(pDC, rc);
            pDC->Draw3dRect(&rc, aux.clrBtnShadow, aux.clrBtnHilite);
        } else if (bHot) {
            pDC->Draw3dRect(&rc, aux.clrBtnHilite, aux.clrBtnShadow);
        }
    } else if (bPressed || bHot || pCell->bSelected) {
        const int n = bPressed ? XPCOLOR_HIGHLIGHT_PUSHED : bHot ? XPCOLOR_HIGHLIGHT : XPCOLOR_HIGHLIGHT_CHECKED;
        pDC->FillSolidRect(&rc, Palette(n));
        Frame(pDC, rc, aux.clrHilite);
    }

    if (pCell->szText[0] != '\0') {
        CRect rcText = rc;
        pDC->DrawText(pCell->szText, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }

    if (pCell->dwType == KXCELL_BOTTOM) {
        if (!pCell->bSelected) return;
        CRect rcSwatch = rc;
        rcSwatch.DeflateRect(5, 6);
        rcSwatch.left = rcSwatch.right - 12;
        Frame(pDC, rcSwatch, aux.clrBtnShadow);
        rcSwatch.DeflateRect(1, 1);
        pDC->FillSolidRect(&rcSwatch, pCell->clr);
        return;
    }

    rc.DeflateRect(3, 3);
    const bool bTop = pCell->nIndex == 0;
    if (!(bTop && aux.bXPLook)) Frame(pDC, rc, aux.clrBtnShadow);
    if (!bTop) {
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(&rc, pCell->clr);
    } else if (!(pCell->dwType & KXCPS_NOFILL)) {
        // The automatic item's swatch of the default colour.
        rc.DeflateRect(3, 3);
        CRect rcBox(rc.left + 1, rc.top, rc.left + 13, rc.top + 11);
        Frame(pDC, rcBox, aux.clrBtnShadow);
        rcBox.DeflateRect(1, 1);
        pDC->FillSolidRect(&rcBox, m_clrDefault);
    }
}
