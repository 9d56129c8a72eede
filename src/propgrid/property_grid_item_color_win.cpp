#include "propgrid/property_grid_item_color.h"

#include "propgrid/property_grid_bound.h"
#include "propgrid/property_grid_view.h"
#include "propgrid/typed_value_text.h"
#include "win/commdlg.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CKXPropertyGridItemColor, CKXPropertyGridItem)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemFont, CKXPropertyGridItem)

// --- colour ------------------------------------------------------------------------

CKXPropertyGridItemColor::CKXPropertyGridItemColor(LPCTSTR lpszCaption, COLORREF clr, COLORREF* pBindColor)
    : CKXPropertyGridItem(lpszCaption), m_pBindColor(pBindColor) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON;
    SetColor(clr);
}

CKXPropertyGridItemColor::CKXPropertyGridItemColor(UINT nID, COLORREF clr, COLORREF* pBindColor)
    : CKXPropertyGridItem(nID), m_pBindColor(pBindColor) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON;
    SetColor(clr);
}

CString CKXPropertyGridItemColor::RGBToString(COLORREF clr) { return KXColorToString(clr); }

COLORREF CKXPropertyGridItemColor::StringToRGB(LPCTSTR lpszText) { return KXStringToColor(lpszText); }

void CKXPropertyGridItemColor::SetColor(COLORREF clr) {
    m_clrValue = clr;
    if (m_pBindColor != nullptr) *m_pBindColor = m_clrValue;
    CKXPropertyGridItem::SetValue(RGBToString(m_clrValue));
}

void CKXPropertyGridItemColor::SetValue(LPCTSTR lpszValue) { SetColor(StringToRGB(lpszValue)); }

BOOL CKXPropertyGridItemColor::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindColor, m_clrValue, bSaveAndValidate, [this](const COLORREF& value) { SetColor(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}

CRect CKXPropertyGridItemColor::GetValueRect() {
    CRect rc = CKXPropertyGridItem::GetValueRect();
    rc.left += 25;  // the swatch
    return rc;
}

BOOL CKXPropertyGridItemColor::OnDrawItemValue(CDC& dc, CRect rcValue) {
    CRect rcSwatch(rcValue.left - 2, rcValue.top + 1, rcValue.left + 18, rcValue.bottom - 1);
    dc.FillSolidRect(&rcSwatch, m_clrValue);
    CBrush brFrame(dc.GetTextColor());
    dc.FrameRect(&rcSwatch, &brFrame);
    CRect rcText = rcValue;
    rcText.left += 25;
    dc.DrawText(m_strValue, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return TRUE;
}

void CKXPropertyGridItemColor::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    CColorDialog dlg(m_clrValue, 0, m_pGrid);
    if (dlg.DoModal() != IDOK) return;
    OnValueChanged(RGBToString(dlg.GetColor()));
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}

// --- font ----------------------------------------------------------------------------

CKXPropertyGridItemFont::CKXPropertyGridItemFont(LPCTSTR lpszCaption, LOGFONT& font)
    : CKXPropertyGridItem(lpszCaption) {
    m_nFlags = KX_ITEM_BROWSE_BUTTON;
    SetFont(font);
}

CKXPropertyGridItemFont::CKXPropertyGridItemFont(UINT nID, LOGFONT& font) : CKXPropertyGridItem(nID) {
    m_nFlags = KX_ITEM_BROWSE_BUTTON;
    SetFont(font);
}

void CKXPropertyGridItemFont::SetFont(LOGFONT& font) {
    std::memcpy(&m_lfValue, &font, sizeof m_lfValue);
    HDC hScreen = ::GetDC(nullptr);
    const int nPixelsPerInch = hScreen != nullptr ? ::GetDeviceCaps(hScreen, LOGPIXELSY) : 96;
    if (hScreen != nullptr) ::ReleaseDC(nullptr, hScreen);
    m_lfValue.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_strValue = KXFontToString(m_lfValue.lfFaceName, KXFontPointSize(m_lfValue.lfHeight, nPixelsPerInch));
}

void CKXPropertyGridItemFont::GetFont(LOGFONT* pFont) const {
    if (pFont != nullptr) std::memcpy(pFont, &m_lfValue, sizeof m_lfValue);
}

void CKXPropertyGridItemFont::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    CFontDialog dlg(&m_lfValue, CF_SCREENFONTS | CF_EFFECTS, nullptr, m_pGrid);
    if (dlg.DoModal() != IDOK) return;
    LOGFONT lf;
    dlg.GetCurrentFont(&lf);
    SetFont(lf);
    const CString strText = m_strValue;
    OnValueChanged(strText);
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}
