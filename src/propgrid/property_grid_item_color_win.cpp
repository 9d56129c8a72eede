#include "propgrid/property_grid_item_color.h"

#include "colour/color_popup.h"
#include "colour/color_selection.h"

#include "propgrid/property_grid_bound.h"
#include "propgrid/property_grid_view.h"
#include "propgrid/typed_value_text.h"
#include "win/commdlg.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CKXPropertyGridItemColor, CKXPropertyGridItem)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemColorPopup, CKXPropertyGridItemColor)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemFont, CKXPropertyGridItem)

// The colour popup of a colour-popup item: it listens to itself and tells
// the item it was opened for about the colour chosen.
class CKXPropertyGridColorPopup : public CKXColorPopup {
public:
    explicit CKXPropertyGridColorPopup(CKXPropertyGridItemColorPopup* pItem) : CKXColorPopup(TRUE, 0), m_pItem(pItem) {}
    // The item goes first: the popup closes without telling it.
    void ForgetItem() { m_pItem = nullptr; }

protected:
    LRESULT OnSelEndOK(WPARAM wParam, LPARAM) {
        if (m_pItem != nullptr) {
            CKXPropertyGridItemColorPopup* pItem = m_pItem;
            pItem->OnValueChanged(CKXPropertyGridItemColorPopup::RGBToString(static_cast<COLORREF>(wParam)));
        }
        return 0;
    }
    void PostNcDestroy() override {
        if (m_pItem != nullptr) m_pItem->m_pPopup = nullptr;
        CKXColorPopup::PostNcDestroy();
    }
    CKXPropertyGridItemColorPopup* m_pItem;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKXPropertyGridColorPopup, CKXColorPopup)
    ON_MESSAGE(KXCPN_SELENDOK, OnSelEndOK)
END_MESSAGE_MAP()

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

// --- colour popup -------------------------------------------------------------------

CKXPropertyGridItemColorPopup::CKXPropertyGridItemColorPopup(LPCTSTR lpszCaption, COLORREF clr, COLORREF* pBindColor)
    : CKXPropertyGridItemColor(lpszCaption, clr, pBindColor) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON;
    SetColor(clr);
}

CKXPropertyGridItemColorPopup::CKXPropertyGridItemColorPopup(UINT nID, COLORREF clr, COLORREF* pBindColor)
    : CKXPropertyGridItemColor(nID, clr, pBindColor) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON;
    SetColor(clr);
}

CKXPropertyGridItemColorPopup::~CKXPropertyGridItemColorPopup() {
    if (m_pPopup == nullptr) return;
    CKXPropertyGridColorPopup* pPopup = m_pPopup;
    m_pPopup = nullptr;
    pPopup->ForgetItem();
    if (pPopup->GetSafeHwnd() != nullptr) pPopup->DestroyWindow();  // deletes itself
}

CKXColorPopup* CKXPropertyGridItemColorPopup::GetPopup() const { return m_pPopup; }

CString CKXPropertyGridItemColorPopup::RGBToString(COLORREF clr) { return KXColorToHexString(clr); }

COLORREF CKXPropertyGridItemColorPopup::StringToRGB(LPCTSTR lpszText) { return KXHexStringToColor(lpszText); }

void CKXPropertyGridItemColorPopup::SetColor(COLORREF clr) {
    m_clrValue = clr;
    CKXPropertyGridItem::SetValue(RGBToString(m_clrValue));
}

void CKXPropertyGridItemColorPopup::SetValue(LPCTSTR lpszValue) { SetColor(StringToRGB(lpszValue)); }

void CKXPropertyGridItemColorPopup::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    CKXPropertyGridView* pView = GetLiveView();
    if (pView == nullptr || m_pPopup != nullptr) return;
    // Under the row, its right 158 pixels.
    CRect rc = GetItemRect();
    pView->ClientToScreen(&rc);
    rc.left = rc.right - 158;
    m_pPopup = new CKXPropertyGridColorPopup(this);
    if (!m_pPopup->Create(rc, pView, 102, m_clrValue, m_clrValue)) {
        delete m_pPopup;
        m_pPopup = nullptr;
        return;
    }
    m_pPopup->SetOwner(pView);
    m_pPopup->SetFocus();
    m_pPopup->AddListener(m_pPopup->m_hWnd);
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
