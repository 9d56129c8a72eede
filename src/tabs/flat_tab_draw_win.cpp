// CKXFlatTabCtrl: painting the strip.  Everything is drawn off screen and
// presented in one copy; only the tabs that meet the tab area are drawn, so
// the cost of a paint does not grow with tabs scrolled out of sight.
#include "tabs/flat_tab_ctrl.h"

#include "core/aux_data.h"
#include "core/mem_dc.h"

void CKXFlatTabCtrl::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CKXFlatTabCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

BOOL CKXFlatTabCtrl::OnEraseBkgnd(CDC* pDC) {
    if (GetItemCount() == 0) pDC->FillSolidRect(m_layout.GetWindowRect(), CKXAuxData::Get().clrBtnFace);
    return TRUE;
}

void CKXFlatTabCtrl::Paint(CDC* pDC) {
    const CRect rcStrip = m_layout.GetStripRect();
    if (pDC == nullptr || rcStrip.IsRectEmpty()) return;
    const CKXAuxData& aux = CKXAuxData::Get();
    const int nSaved = pDC->SaveDC();
    // The scroll bar paints itself; the strip's picture must not cover it.
    if (m_layout.HasStyle(KX_FTS_HSCROLL)) pDC->ExcludeClipRect(m_layout.GetScrollBarRect());
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    {
        CKXMemDC memDC(pDC, rcStrip, aux.clrBtnFace);
        if (memDC.IsValid()) {
            // The edge toward the windows.
            const int yEdge = m_layout.HasStyle(KX_FTS_BOTTOM) ? 0 : rcStrip.Height() - 1;
            CPen* pOldPen = memDC.SelectObject(&m_penShadow);
            memDC.MoveTo(-2, yEdge);
            memDC.LineTo(rcStrip.Width(), yEdge);
            memDC.SelectObject(pOldPen);

            CRect rcMeet;
            for (int k = 0; k < m_layout.GetButtonCount(); ++k)
                if (rcMeet.IntersectRect(&m_buttons[k].m_rect, &rcClip)) DrawButton(&memDC, k, rcStrip.top);

            const int xTabs = m_layout.GetArrowAreaWidth();
            const CRect rcTabs(xTabs, rcStrip.top, xTabs + m_layout.GetTabAreaWidth(), rcStrip.bottom);
            if (!rcTabs.IsRectEmpty() && rcMeet.IntersectRect(&rcTabs, &rcClip)) DrawTabs(&memDC, rcStrip);

            if (m_layout.HasStyle(KX_FTS_HSCROLL)) DrawGripper(&memDC, rcStrip.top);
        }
    }
    pDC->RestoreDC(nSaved);
}

CPen* CKXFlatTabCtrl::PenOf(eKXFLATTABPEN ePen) {
    switch (ePen) {
        case KX_FTPEN_SHADOW: return &m_penShadow;
        case KX_FTPEN_SELBACK: return &m_penSelBack;
        case KX_FTPEN_BACK: return &m_penBack;
        case KX_FTPEN_TEXT: return &m_penText;
        case KX_FTPEN_HILITE: return &m_penHilight;
    }
    return &m_penText;
}

void CKXFlatTabCtrl::DrawButton(CDC* pDC, int k, int yStrip) {
    const CKXAuxData& aux = CKXAuxData::Get();
    const CKXFTButtonState& button = m_buttons[k];
    CRect rc = button.m_rect;
    rc.OffsetRect(0, -yStrip);
    if (button.m_bPressed)
        pDC->Draw3dRect(&rc, aux.clrBtnShadow, aux.clrBtnHilite);
    else
        pDC->Draw3dRect(&rc, aux.clrBtnHilite, aux.clrBtnShadow);
    CRect rcInside = rc;
    rcInside.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcInside, aux.clrBtnFace);
    CPen* pOldPen = pDC->SelectObject(button.m_bEnabled ? &m_penText : &m_penShadow);
    for (const KX_FLATTAB_LINE& line : KXLayoutFlatTabArrow(rc, button.m_nShape)) {
        pDC->MoveTo(line.ptFrom);
        pDC->LineTo(line.ptTo);
    }
    pDC->SelectObject(pOldPen);
}

void CKXFlatTabCtrl::DrawTabs(CDC* pDC, const CRect& rcStrip) {
    // The row of tabs is drawn into its own picture, as wide as the part of
    // the row that shows, and laid over the strip beside the arrow area.
    const int nOffset = m_layout.GetScrollOffset();
    const int cxShown = std::min(m_layout.GetTabAreaWidth(), m_layout.GetTotalTabWidth() - nOffset);
    if (cxShown <= 0) return;
    const int xTabs = m_layout.GetArrowAreaWidth();
    CKXMemDC tabsDC(pDC, CRect(xTabs, 0, xTabs + cxShown, rcStrip.Height()), CKXAuxData::Get().clrBtnFace);
    if (!tabsDC.IsValid()) return;
    tabsDC.SetBkMode(TRANSPARENT);
    int nFirst = 0, nLast = 0;
    m_layout.GetVisibleTabs(nFirst, nLast);
    const int nSel = m_layout.GetCurSel();
    for (int i = nFirst; i < nLast; ++i)
        if (i != nSel) DrawTab(&tabsDC, CPoint(m_layout.GetTabStart(i) - nOffset, 0), false, i);
    // The selected tab lies on top of its neighbours.
    if (nSel >= nFirst && nSel < nLast) DrawTab(&tabsDC, CPoint(m_layout.GetTabStart(nSel) - nOffset, 0), true, nSel);
}

int CKXFlatTabCtrl::DrawTab(CDC* pDC, const CPoint& pt, bool bSelected, int nIndex) {
    const CString& strText = m_arrItems[nIndex]->strText;
    CFont* pFont = bSelected ? m_pFontSelected : m_pFontNormal;
    HGDIOBJ hOldFont = pFont->GetSafeHandle() ? pDC->SelectObject(pFont->GetSafeHandle()) : nullptr;
    const int cyText = pDC->GetTextExtent(strText).cy;
    const KX_FLATTAB_SHAPE shape = KXLayoutFlatTab(pt, m_layout.GetTabHeight(), m_layout.GetCaptionWidth(nIndex),
                                                   cyText, bSelected, m_layout.HasStyle(KX_FTS_BOTTOM));

    CBrush brush(bSelected ? m_clrSelBack : m_clrBack);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&m_penText);
    pDC->Polygon(shape.ptPolygon, 4);

    CRect rcCaption = shape.rcCaption;
    pDC->SetTextColor(bSelected ? m_clrSelText : m_clrText);
    pDC->DrawText(strText, &rcCaption, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);

    for (int i = 0; i < shape.nLines; ++i) {
        pDC->SelectObject(PenOf(shape.lines[i].ePen));
        pDC->MoveTo(shape.lines[i].ptFrom);
        pDC->LineTo(shape.lines[i].ptTo);
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
    if (hOldFont != nullptr) pDC->SelectObject(hOldFont);
    return shape.cxTab;
}

void CKXFlatTabCtrl::DrawGripper(CDC* pDC, int yStrip) {
    const CKXAuxData& aux = CKXAuxData::Get();
    CRect rc = m_layout.GetGripperRect();
    if (rc.IsRectEmpty()) return;
    rc.OffsetRect(0, -yStrip);
    pDC->Draw3dRect(&rc, aux.clrBtnHilite, aux.clrBtnShadow);
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(&rc, aux.clrBtnFace);
}
