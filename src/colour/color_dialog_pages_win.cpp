// The colour dialog's pages: the honeycomb of standard colours and the
// custom colour in hue, saturation and luminance or red, green and blue.
#include "colour/color_dialog.h"

#include "kxres_ids.h"

#include <cstdio>

namespace {

constexpr UINT IDC_HONEYCOMB = 0x4B40;

}  // namespace

// --- the standard page -------------------------------------------------------------

IMPLEMENT_DYNAMIC(CKXColorPageStandard, CPropertyPage)

BEGIN_MESSAGE_MAP(CKXColorPageStandard, CPropertyPage)
    ON_CONTROL(KXCCN_CHANGED, IDC_HONEYCOMB, OnCellChanged)
    ON_CONTROL(KXCCN_CHOSEN, IDC_HONEYCOMB, OnCellChosen)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CKXColorPageStandard::CKXColorPageStandard(CKXColorDialog* pDialog)
    : CPropertyPage(IDD_KX_COLOR_STANDARD), m_pDialog(pDialog) {}

BOOL CKXColorPageStandard::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    CRect rc;
    GetClientRect(&rc);
    m_honeycomb.Create(rc, this, IDC_HONEYCOMB);
    m_honeycomb.SetColor(m_pDialog->GetColor());
    return TRUE;
}

BOOL CKXColorPageStandard::OnSetActive() {
    SetColor(m_pDialog->GetColor());
    return CPropertyPage::OnSetActive();
}

// The sheet sizes its pages to the tab's display area after creating them.
void CKXColorPageStandard::OnSize(UINT nType, int cx, int cy) {
    CPropertyPage::OnSize(nType, cx, cy);
    if (m_honeycomb.m_hWnd != nullptr)
        m_honeycomb.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void CKXColorPageStandard::SetColor(COLORREF clr) {
    if (m_honeycomb.m_hWnd != nullptr) m_honeycomb.SetColor(clr);
}

void CKXColorPageStandard::OnCellChanged() {
    if (m_honeycomb.GetSel() >= 0) m_pDialog->NewColorFrom(this, m_honeycomb.GetSelColor());
}

void CKXColorPageStandard::OnCellChosen() {
    OnCellChanged();
    m_pDialog->PressButton(PSBTN_OK);
}

// --- the custom page ----------------------------------------------------------------

IMPLEMENT_DYNAMIC(CKXColorPageCustom, CPropertyPage)

BEGIN_MESSAGE_MAP(CKXColorPageCustom, CPropertyPage)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_RED, OnRGBChanged)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_GREEN, OnRGBChanged)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_BLUE, OnRGBChanged)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_HUE, OnHSLChanged)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_SAT, OnHSLChanged)
    ON_CONTROL(EN_CHANGE, IDC_KX_COLOR_LUM, OnHSLChanged)
    ON_CONTROL(KXCCN_CHANGED, IDC_KX_COLOR_SPECTRUM, OnSpectrumChanged)
    ON_CONTROL(KXCCN_CHANGED, IDC_KX_COLOR_LUMINANCE, OnLuminanceChanged)
END_MESSAGE_MAP()

CKXColorPageCustom::CKXColorPageCustom(CKXColorDialog* pDialog)
    : CPropertyPage(IDD_KX_COLOR_CUSTOM), m_pDialog(pDialog) {}

BOOL CKXColorPageCustom::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_wndSpectrum.SubclassDlgItem(IDC_KX_COLOR_SPECTRUM, this);
    m_wndLuminance.SubclassDlgItem(IDC_KX_COLOR_LUMINANCE, this);
    const struct {
        UINT nSpin;
        int nMax;
    } spins[] = {{IDC_KX_COLOR_HUE_SPIN, KXHSL_MAX},  {IDC_KX_COLOR_SAT_SPIN, KXHSL_MAX}, {IDC_KX_COLOR_LUM_SPIN, KXHSL_MAX},
                 {IDC_KX_COLOR_RED_SPIN, 255},        {IDC_KX_COLOR_GREEN_SPIN, 255},     {IDC_KX_COLOR_BLUE_SPIN, 255}};
    for (const auto& s : spins) {
        SendDlgItemMessage(s.nSpin, UDM_SETRANGE32, 0, s.nMax);
        // The buddy's text is three digits at most.
        SendDlgItemMessage(s.nSpin - 6, EM_LIMITTEXT, 3, 0);
    }
    SetColor(m_pDialog->GetColor());
    return TRUE;
}

BOOL CKXColorPageCustom::OnSetActive() {
    SetColor(m_pDialog->GetColor());
    return CPropertyPage::OnSetActive();
}

void CKXColorPageCustom::SetColor(COLORREF clr) {
    if (m_hWnd == nullptr) return;
    m_hsl = KXColorToHSL(clr);
    ShowFields(clr, true, true);
}

void CKXColorPageCustom::ShowFields(COLORREF clr, bool bRGBEdits, bool bHSLEdits) {
    m_bUpdating = true;
    auto put = [this](UINT nID, int n) {
        char sz[16];
        std::snprintf(sz, sizeof sz, "%d", n);
        SetDlgItemText(nID, sz);
    };
    if (bRGBEdits) {
        put(IDC_KX_COLOR_RED, GetRValue(clr));
        put(IDC_KX_COLOR_GREEN, GetGValue(clr));
        put(IDC_KX_COLOR_BLUE, GetBValue(clr));
    }
    if (bHSLEdits) {
        put(IDC_KX_COLOR_HUE, m_hsl.h);
        put(IDC_KX_COLOR_SAT, m_hsl.s);
        put(IDC_KX_COLOR_LUM, m_hsl.l);
    }
    if (m_wndSpectrum.m_hWnd != nullptr) m_wndSpectrum.SetHSL(m_hsl);
    if (m_wndLuminance.m_hWnd != nullptr) m_wndLuminance.SetHSL(m_hsl);
    m_bUpdating = false;
}

int CKXColorPageCustom::ReadField(UINT nID, int nMax) const {
    char sz[16] = {};
    ::GetDlgItemTextA(m_hWnd, static_cast<int>(nID), sz, sizeof sz);
    return KXParseComponent(sz, nMax);
}

void CKXColorPageCustom::OnRGBChanged() {
    if (m_bUpdating) return;
    const int r = ReadField(IDC_KX_COLOR_RED, 255), g = ReadField(IDC_KX_COLOR_GREEN, 255),
              b = ReadField(IDC_KX_COLOR_BLUE, 255);
    // A field being typed (empty, or not a number) changes nothing yet.
    if (r < 0 || g < 0 || b < 0) return;
    const COLORREF clr = RGB(r, g, b);
    m_hsl = KXColorToHSL(clr);
    ShowFields(clr, false, true);
    m_pDialog->NewColorFrom(this, clr);
}

void CKXColorPageCustom::OnHSLChanged() {
    if (m_bUpdating) return;
    const int h = ReadField(IDC_KX_COLOR_HUE, KXHSL_MAX), s = ReadField(IDC_KX_COLOR_SAT, KXHSL_MAX),
              l = ReadField(IDC_KX_COLOR_LUM, KXHSL_MAX);
    if (h < 0 || s < 0 || l < 0) return;
    m_hsl = KX_HSL{h, s, l};
    const COLORREF clr = KXColorFromHSL(m_hsl);
    ShowFields(clr, true, false);
    m_pDialog->NewColorFrom(this, clr);
}

void CKXColorPageCustom::FromHSL() {
    const COLORREF clr = KXColorFromHSL(m_hsl);
    ShowFields(clr, true, true);
    m_pDialog->NewColorFrom(this, clr);
}

void CKXColorPageCustom::OnSpectrumChanged() {
    m_hsl.h = m_wndSpectrum.GetHSL().h;
    m_hsl.s = m_wndSpectrum.GetHSL().s;
    FromHSL();
}

void CKXColorPageCustom::OnLuminanceChanged() {
    m_hsl.l = m_wndLuminance.GetHSL().l;
    FromHSL();
}
