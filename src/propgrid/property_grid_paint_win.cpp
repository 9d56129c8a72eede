#include "propgrid/property_grid_paint.h"

#include "core/draw_helpers.h"
#include "propgrid/property_grid.h"

#include <vsstyle.h>

// --- one row --------------------------------------------------------------------------

CKXPropertyGridPaintManager::CRowDC::CRowDC(CKXPropertyGridPaintManager* pPainter, LPDRAWITEMSTRUCT lpDIS,
                                            bool bIndentAtLeastOne)
    : m_pItem(reinterpret_cast<CKXPropertyGridItem*>(lpDIS->itemData)), m_pView(pPainter->GetView()),
      m_rc(lpDIS->rcItem), m_nState(lpDIS->itemState), m_memDC(CDC::FromHandle(lpDIS->hDC), m_rc) {
    if (static_cast<int>(lpDIS->itemID) < 0 || m_pView == nullptr || m_pView->GetItem(lpDIS->itemID) != m_pItem)
        m_pItem = nullptr;
    if (!IsValid()) {
        m_memDC.Discard();
        return;
    }
    // Drawn in the view's coordinates; the origin goes back before the copy.
    m_memDC.SetViewportOrg(-m_rc.left, -m_rc.top);
    m_l = KXLayoutPropertyRow(m_rc, m_pView->GetDividerPos(), m_pItem->GetIndent(), bIndentAtLeastOne);
    m_pOldFont = m_memDC.SelectObject(&m_pView->m_fontNormal);
    m_memDC.SetBkMode(TRANSPARENT);
}

CKXPropertyGridPaintManager::CRowDC::~CRowDC() {
    if (!IsValid()) return;
    m_memDC.SelectObject(m_pOldFont);
    m_memDC.SetViewportOrg(0, 0);
}

// --- the painter ---------------------------------------------------------------------

CKXPropertyGridPaintManager::CKXPropertyGridPaintManager(CKXPropertyGrid* pGrid) : m_pGrid(pGrid) {
    CKXPropertyGridPaintManager::RefreshMetrics();
}

CKXPropertyGridPaintManager::~CKXPropertyGridPaintManager() = default;

CKXPropertyGridView* CKXPropertyGridPaintManager::GetView() const {
    return m_pGrid != nullptr ? &m_pGrid->GetGridView() : nullptr;
}

BOOL CKXPropertyGridPaintManager::IsStyleActive(const CKXWinThemeWrapper& theme) const {
    return m_bThemed && theme.IsAppThemed();
}

void CKXPropertyGridPaintManager::RefreshMetrics() {
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_pGrid != nullptr) {
        m_pGrid->m_clrHelpBack = ::GetSysColor(COLOR_BTNFACE);
        m_pGrid->m_clrHelpFore = ::GetSysColor(COLOR_BTNTEXT);
        CKXPropertyGridView& view = m_pGrid->GetGridView();
        view.m_clrLine = ::GetSysColor(COLOR_SCROLLBAR);
        view.m_clrCategoryFore = ::GetSysColor(COLOR_GRAYTEXT);
        view.m_clrBack = ::GetSysColor(COLOR_WINDOW);
        view.m_clrFore = ::GetSysColor(COLOR_WINDOWTEXT);
    }
    const HWND hMain = AfxGetMainWnd()->GetSafeHwnd();
    m_themeTree.OpenTheme(hMain, L"TREEVIEW");
    m_themeButton.OpenTheme(hMain, L"BUTTON");
}

void CKXPropertyGridPaintManager::HorzLine(CDC& dc, int x0, int x1, int y, COLORREF clr) {
    if (x1 > x0) dc.FillSolidRect(x0, y, x1 - x0, 1, clr);
}

void CKXPropertyGridPaintManager::VertLine(CDC& dc, int x, int y0, int y1, COLORREF clr) {
    if (y1 > y0) dc.FillSolidRect(x, y0, 1, y1 - y0, clr);
}

void CKXPropertyGridPaintManager::DrawItemValue(CDC& dc, CKXPropertyGridItem* pItem, const CRect& rcValue) {
    if (pItem->OnDrawItemValue(dc, rcValue)) return;
    CRect rc = rcValue;
    dc.DrawText(pItem->GetValue(), &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CKXPropertyGridPaintManager::DrawExpandButton(CDC& dc, CKXPropertyGridItem* pItem,
                                                   const KX_PROPERTY_ROW_LAYOUT& l, COLORREF clrBack, COLORREF clrText) {
    if (!pItem->HasChilds()) return;
    const CRect& rcBox = l.rcExpandBox;
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(&l.rcCaption);
    if (IsStyleActive(m_themeTree)) {
        m_themeTree.DrawBackground(dc.GetSafeHdc(), TVP_GLYPH, pItem->IsExpanded() ? GLPS_OPENED : GLPS_CLOSED, &rcBox,
                                   nullptr);
    } else {
        if (!pItem->IsCategory()) {
            dc.FillSolidRect(&rcBox, clrBack);
            CBrush frame(clrText);
            dc.FrameRect(&rcBox, &frame);
        }
        const CPoint c = rcBox.CenterPoint();
        HorzLine(dc, c.x - 2, c.x + 3, c.y, clrText);
        if (!pItem->IsExpanded()) VertLine(dc, c.x, c.y - 2, c.y + 3, clrText);
    }
    dc.RestoreDC(nSaved);
}

// Default rows: the view's colours.
void CKXPropertyGridPaintManager::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CRowDC row(this, lpDIS, false);
    if (!row.IsValid()) return;
    CDC& dc = row.dc();
    CKXPropertyGridView& view = *row.m_pView;
    CKXPropertyGridItem* pItem = row.m_pItem;
    const CRect& r = row.m_rc;
    const KX_PROPERTY_ROW_LAYOUT& l = row.m_l;

    dc.FillSolidRect(&r, view.m_clrBack);
    if (pItem->IsCategory()) {
        dc.FillSolidRect(&r, view.m_clrLine);
        CFont* pOld = dc.SelectObject(&view.m_fontBold);
        dc.SetTextColor(view.m_clrCategoryFore);
        const CString strCaption = pItem->GetCaption();
        CRect rcText = KXCategoryCaptionRect(r, dc.GetTextExtent(strCaption).cx);
        dc.DrawText(strCaption, &rcText, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        if (row.m_nState & ODS_FOCUS) dc.DrawFocusRect(&rcText);
        dc.SelectObject(pOld);
    } else {
        dc.SetTextColor(pItem->GetReadOnly() ? ::GetSysColor(COLOR_GRAYTEXT) : view.m_clrFore);
        DrawItemValue(dc, pItem, l.rcValue);
        if (row.m_nState & ODS_SELECTED) {
            if (view.HasFocusWithin()) {
                dc.FillSolidRect(&l.rcCaption, ::GetSysColor(COLOR_HIGHLIGHT));
                dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
            } else {
                dc.FillSolidRect(&l.rcCaption, view.m_clrLine);
            }
        }
        dc.FillSolidRect(&l.rcMargin, view.m_clrLine);
        HorzLine(dc, r.left, r.right, r.bottom - 1, view.m_clrLine);
        VertLine(dc, l.rcCaption.right, r.top, r.bottom - 1, view.m_clrLine);
        CRect rcText = l.rcCaptionText;
        dc.DrawText(pItem->GetCaption(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    DrawExpandButton(dc, pItem, l, view.m_clrBack, view.m_clrFore);
}

// --- the view's frame and background, the grid's surface ----------------------------------

void CKXPropertyGridPaintManager::FillPropertyGridView(CDC* pDC, BOOL bClient) {
    CKXPropertyGridView* pView = GetView();
    if (pDC == nullptr || pView == nullptr || pView->GetSafeHwnd() == nullptr) return;
    CRect rc;
    if (bClient) {
        pView->GetClientRect(&rc);
        pDC->FillSolidRect(&rc, pView->m_clrBack);
        return;
    }
    pView->GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    pDC->Draw3dRect(&rc, m_clrShadow, m_clrShadow);
}

void CKXPropertyGridPaintManager::FillPropertyGrid(CDC* pDC) {
    if (pDC == nullptr || m_pGrid == nullptr || m_pGrid->GetSafeHwnd() == nullptr) return;
    CRect rcClient;
    m_pGrid->GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, m_clrFace);
    if (!m_pGrid->IsHelpVisible()) return;
    const CRect rcHelp = m_pGrid->GetHelpRect();
    pDC->FillSolidRect(&rcHelp, m_pGrid->m_clrHelpBack);
    pDC->Draw3dRect(&rcHelp, m_clrShadow, m_clrShadow);
    CKXPropertyGridView& view = m_pGrid->GetGridView();
    CKXPropertyGridItem* pItem = view.GetSelectedItem();
    if (pItem == nullptr) return;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_pGrid->m_clrHelpFore);
    CFont* pOld = pDC->SelectObject(&view.m_fontBold);
    CRect rcCaption = rcHelp;
    rcCaption.DeflateRect(6, 3, 6, 3);
    const CString strCaption = pItem->GetCaption();
    const int cyCaption = pDC->GetTextExtent(strCaption).cy;
    pDC->DrawText(strCaption, &rcCaption, DT_SINGLELINE | DT_NOPREFIX);
    const CString strDescription = pItem->GetDescription();
    if (!strDescription.IsEmpty()) {
        pDC->SelectObject(&view.m_fontNormal);
        CRect rcText(rcHelp.left + 6, rcHelp.top + cyCaption + 6, rcHelp.right - 6, rcClient.bottom - 3);
        pDC->DrawText(strDescription, &rcText, DT_WORDBREAK | DT_NOPREFIX);
    }
    pDC->SelectObject(pOld);
}

// --- the in-place button ------------------------------------------------------------------

void CKXPropertyGridPaintManager::FillInplaceButton(CDC* pDC, CKXPropertyGridInplaceButton* pButton) {
    if (pDC == nullptr || pButton == nullptr || pButton->GetSafeHwnd() == nullptr) return;
    CRect rc;
    pButton->GetClientRect(&rc);
    const bool bDown = pButton->IsPressed() && pButton->IsOver();
    if (IsStyleActive(m_themeButton)) {
        CKXPropertyGridView* pView = GetView();
        pDC->FillSolidRect(&rc, pView != nullptr ? pView->m_clrBack : ::GetSysColor(COLOR_WINDOW));
        m_themeButton.DrawBackground(pDC->GetSafeHdc(), BP_PUSHBUTTON, bDown ? PBS_PRESSED : PBS_NORMAL, &rc, nullptr);
    } else {
        pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        if (bDown) {
            pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_WINDOW));
        } else {
            pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_3DDKSHADOW));
            CRect rcInner = rc;
            rcInner.DeflateRect(1, 1);
            pDC->Draw3dRect(&rcInner, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNSHADOW));
        }
    }
    const COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    const CPoint c = rc.CenterPoint();
    CKXPropertyGridItem* pItem = pButton->GetItem();
    if (pItem != nullptr && (pItem->GetFlags() & KX_ITEM_LIST_BUTTON)) {
        CKXDrawHelpers::Triangle(pDC, CPoint(c.x - 3, c.y - 1), CPoint(c.x + 3, c.y - 1), CPoint(c.x, c.y + 2), clrText);
    } else {
        for (int x : {rc.left + 3, rc.left + 7, rc.left + 11}) pDC->FillSolidRect(x, rc.bottom - 5, 2, 2, clrText);
    }
}
