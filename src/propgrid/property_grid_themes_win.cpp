#include "propgrid/property_grid_themes.h"

#include "core/color_manager.h"
#include "core/draw_helpers.h"
#include "propgrid/paint_theme_colors.h"
#include "propgrid/property_grid.h"

namespace {

COLORREF Sys(int nIndex) { return ::GetSysColor(nIndex); }

}  // namespace

// --- native XP -------------------------------------------------------------------------

CKXPropertyGridNativeXPTheme::CKXPropertyGridNativeXPTheme(CKXPropertyGrid* pGrid)
    : CKXPropertyGridPaintManager(pGrid) {
    CKXPropertyGridNativeXPTheme::RefreshMetrics();
}

void CKXPropertyGridNativeXPTheme::RefreshMetrics() {
    CKXPropertyGridPaintManager::RefreshMetrics();
    m_bThemed = TRUE;
    KXNativeXPShadowColor(CKXDrawHelpers::m_instanceDrawManager.GetCurrentSystemTheme(), m_clrShadow);
}

// --- Office 2003 ----------------------------------------------------------------------------

CKXPropertyGridOffice2003Theme::CKXPropertyGridOffice2003Theme(CKXPropertyGrid* pGrid)
    : CKXPropertyGridPaintManager(pGrid) {
    CKXPropertyGridOffice2003Theme::RefreshMetrics();
}

void CKXPropertyGridOffice2003Theme::RefreshMetrics() {
    CKXPropertyGridPaintManager::RefreshMetrics();
    m_bThemed = TRUE;
    m_bLunaTheme = FALSE;
    KX_PG_THEME_COLORS colors;
    if (CKXColorManager::s_managerInstance.IsLunaColorsDisabled() ||
        !KXOffice2003Colors(CKXDrawHelpers::m_instanceDrawManager.GetCurrentSystemTheme(), colors))
        return;
    m_clrFace = colors.clrFace;
    m_clrShadow = colors.clrShadow;
    if (m_pGrid != nullptr) {
        m_pGrid->GetGridView().m_clrLine = colors.clrLine;
        m_pGrid->GetGridView().m_clrCategoryFore = 0;
        m_pGrid->m_clrHelpBack = m_clrFace;
    }
    m_bLunaTheme = TRUE;
}

// --- cool ------------------------------------------------------------------------------------

CKXPropertyGridCoolTheme::CKXPropertyGridCoolTheme(CKXPropertyGrid* pGrid) : CKXPropertyGridPaintManager(pGrid) {}

void CKXPropertyGridCoolTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CRowDC row(this, lpDIS, false);
    if (!row.IsValid()) return;
    CDC& dc = row.dc();
    CKXPropertyGridView& view = *row.m_pView;
    CKXPropertyGridItem* pItem = row.m_pItem;
    const CRect& r = row.m_rc;
    const KX_PROPERTY_ROW_LAYOUT& l = row.m_l;
    const COLORREF clrBack = Sys(COLOR_WINDOW), clrFace = Sys(COLOR_BTNFACE), clrText = Sys(COLOR_BTNTEXT),
                   clrShadow = Sys(COLOR_BTNSHADOW);

    dc.FillSolidRect(&r, clrBack);
    if (pItem->IsCategory()) {
        dc.FillSolidRect(&r, clrFace);
        CFont* pOld = dc.SelectObject(&view.m_fontBold);
        dc.SetTextColor(clrText);
        if (row.m_nState & ODS_FOCUS) {
            dc.SetTextColor(Sys(COLOR_HIGHLIGHTTEXT));
            dc.FillSolidRect(CRect(KX_PG_INDENT, r.top, r.right, r.bottom), Sys(COLOR_HIGHLIGHT));
        }
        CRect rcText(17, r.top, r.right, r.bottom);
        dc.DrawText(pItem->GetCaption(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        HorzLine(dc, 13, r.right, r.bottom - 1, clrShadow);
        dc.SelectObject(pOld);
    } else {
        dc.SetTextColor(pItem->GetReadOnly() ? Sys(COLOR_GRAYTEXT) : clrText);
        DrawItemValue(dc, pItem, l.rcValue);
        if (row.m_nState & ODS_SELECTED) {
            if (view.HasFocusWithin()) {
                dc.FillSolidRect(&l.rcCaption, Sys(COLOR_HIGHLIGHT));
                dc.SetTextColor(Sys(COLOR_HIGHLIGHTTEXT));
            } else {
                dc.FillSolidRect(&l.rcCaption, clrFace);
            }
        }
        dc.FillSolidRect(&l.rcMargin, clrFace);
        HorzLine(dc, 0, r.right, r.bottom - 1, clrFace);
        VertLine(dc, l.rcCaption.right, r.top, r.bottom - 1, clrFace);
        VertLine(dc, 13, r.top, r.bottom, clrShadow);
        CRect rcText(l.rcCaptionText.left, r.top, l.rcCaptionText.right, r.bottom - 1);
        dc.DrawText(pItem->GetCaption(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    // The end of a category's block is underlined.
    CKXPropertyGridItem* pNext = view.GetItem(static_cast<int>(lpDIS->itemID) + 1);
    if (pNext == nullptr || pNext->IsCategory()) HorzLine(dc, 0, r.right, r.bottom - 1, clrShadow);
    DrawExpandButton(dc, pItem, l, clrBack, clrText);
}

// --- simple -----------------------------------------------------------------------------------

CKXPropertyGridSimpleTheme::CKXPropertyGridSimpleTheme(CKXPropertyGrid* pGrid) : CKXPropertyGridPaintManager(pGrid) {}

void CKXPropertyGridSimpleTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CRowDC row(this, lpDIS, true);
    if (!row.IsValid()) return;
    CDC& dc = row.dc();
    CKXPropertyGridView& view = *row.m_pView;
    CKXPropertyGridItem* pItem = row.m_pItem;
    const CRect& r = row.m_rc;
    const KX_PROPERTY_ROW_LAYOUT& l = row.m_l;
    const COLORREF clrBack = Sys(COLOR_WINDOW), clrFace = Sys(COLOR_BTNFACE), clrText = Sys(COLOR_BTNTEXT);

    dc.FillSolidRect(&r, clrBack);
    CFont* pOld = pItem->IsCategory() ? dc.SelectObject(&view.m_fontBold) : nullptr;
    if (!pItem->IsCategory()) {
        dc.SetTextColor(pItem->GetReadOnly() ? Sys(COLOR_GRAYTEXT) : clrText);
        DrawItemValue(dc, pItem, l.rcValue);
    }
    dc.SetTextColor(clrText);
    if (row.m_nState & ODS_SELECTED) {
        const CRect rcSelection(KX_PG_INDENT, r.top, l.rcCaption.right, r.bottom);
        if (view.HasFocusWithin()) {
            dc.FillSolidRect(&rcSelection, Sys(COLOR_HIGHLIGHT));
            dc.SetTextColor(Sys(COLOR_HIGHLIGHTTEXT));
        } else {
            dc.FillSolidRect(&rcSelection, clrFace);
        }
    }
    VertLine(dc, 13, r.top, r.bottom, clrFace);
    HorzLine(dc, KX_PG_INDENT, r.right, r.bottom - 1, clrFace);
    VertLine(dc, l.rcCaption.right, r.top, r.bottom - 1, clrFace);
    CRect rcText(l.rcCaptionText.left, r.top, l.rcCaptionText.right, r.bottom - 1);
    dc.DrawText(pItem->GetCaption(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (static_cast<int>(lpDIS->itemID) + 1 == view.GetCount()) HorzLine(dc, 0, r.right, r.bottom - 1, clrFace);
    if (pOld != nullptr) dc.SelectObject(pOld);
    DrawExpandButton(dc, pItem, l, clrBack, clrText);
}

// --- Delphi -------------------------------------------------------------------------------------

CKXPropertyGridDelphiTheme::CKXPropertyGridDelphiTheme(CKXPropertyGrid* pGrid) : CKXPropertyGridPaintManager(pGrid) {
    CKXPropertyGridDelphiTheme::RefreshMetrics();
}

void CKXPropertyGridDelphiTheme::RefreshMetrics() {
    CKXPropertyGridPaintManager::RefreshMetrics();
    if (m_pGrid == nullptr) return;
    m_pGrid->GetGridView().m_clrBack = Sys(COLOR_BTNFACE);
    m_pGrid->GetGridView().m_clrFore = 0x800000;
}

void CKXPropertyGridDelphiTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CRowDC row(this, lpDIS, true);
    if (!row.IsValid()) return;
    CDC& dc = row.dc();
    CKXPropertyGridView& view = *row.m_pView;
    CKXPropertyGridItem* pItem = row.m_pItem;
    const CRect& r = row.m_rc;
    const KX_PROPERTY_ROW_LAYOUT& l = row.m_l;
    const COLORREF clrFace = Sys(COLOR_BTNFACE), clrText = Sys(COLOR_BTNTEXT), clrShadow = Sys(COLOR_BTNSHADOW),
                   clrHighlight = Sys(COLOR_BTNHIGHLIGHT);

    dc.FillSolidRect(&r, clrFace);
    CFont* pOld = pItem->IsCategory() ? dc.SelectObject(&view.m_fontBold) : nullptr;
    if (!pItem->IsCategory()) {
        dc.SetTextColor(pItem->GetReadOnly() ? Sys(COLOR_GRAYTEXT) : 0x800000);
        DrawItemValue(dc, pItem, l.rcValue);
    }
    dc.SetTextColor(clrText);
    VertLine(dc, l.rcCaption.right - 1, r.top, r.bottom, clrShadow);
    VertLine(dc, l.rcCaption.right, r.top, r.bottom, clrHighlight);
    if (row.m_nState & ODS_SELECTED) {
        dc.Draw3dRect(&r, clrText, clrHighlight);
    } else {
        for (int x = 0; x < r.right; x += 2) dc.SetPixel(x, r.bottom - 1, clrShadow);
    }
    CRect rcText(l.rcCaptionText.left, r.top, l.rcCaptionText.right, r.bottom - 1);
    dc.DrawText(pItem->GetCaption(), &rcText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (pOld != nullptr) dc.SelectObject(pOld);
    DrawExpandButton(dc, pItem, l, clrFace, clrText);
}
