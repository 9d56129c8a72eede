// CKXColorDialog: the sheet, the swatches of the new and the current colour
// beside its pages, and their hexadecimal texts.
#include "colour/color_dialog.h"

#include "colour/color_text.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"
#include "util/clipboard_text.h"

IMPLEMENT_DYNAMIC(CKXColorDialog, CPropertySheet)

BEGIN_MESSAGE_MAP(CKXColorDialog, CPropertySheet)
    ON_WM_PAINT()
    ON_CONTROL(STN_CLICKED, CKXColorDialog::IDC_NEW_HEX, OnNewHexClicked)
    ON_CONTROL(STN_CLICKED, CKXColorDialog::IDC_CURRENT_HEX, OnCurrentHexClicked)
END_MESSAGE_MAP()

namespace {

// The strip beside the pages: two swatches side by side, the texts below.
constexpr int kStripWidth = 112;
constexpr int kSwatchWidth = 50, kSwatchHeight = 40, kGap = 6;

}  // namespace

CKXColorDialog::CKXColorDialog(COLORREF clrCurrent, COLORREF clrNew, DWORD dwStyle, CWnd* pParentWnd)
    : m_clrCurrent(clrCurrent), m_clrNew(clrNew), m_dwStyle(dwStyle), m_pageStandard(this), m_pageCustom(this) {
    CString strCaption;
    {
        CKXResourceScope scope;
        strCaption.LoadString(IDS_KX_COLOR_DIALOG_CAPTION);
    }
    Construct(strCaption, pParentWnd, (dwStyle & KXCDS_CUSTOMPAGE) ? 1 : 0);
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_pageStandard);
    AddPage(&m_pageCustom);
}

CKXColorDialog::~CKXColorDialog() = default;

// The pages' templates and the texts are the companion module's.
INT_PTR CKXColorDialog::DoModal() {
    CKXResourceScope scope;
    return CPropertySheet::DoModal();
}

BOOL CKXColorDialog::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    CKXResourceScope scope;
    return CPropertySheet::Create(pParentWnd, dwStyle, dwExStyle);
}

BOOL CKXColorDialog::OnInitDialog() {
    const BOOL bResult = CPropertySheet::OnInitDialog();
    LayOutSwatches();
    UpdateHexTexts();
    return bResult;
}

void CKXColorDialog::LayOutSwatches() {
    CTabCtrl* pTab = GetTabControl();
    if (pTab == nullptr) return;
    CRect rcTab;
    pTab->GetWindowRect(&rcTab);
    ScreenToClient(&rcTab);

    // Widen the sheet and move its buttons along with its right edge.
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    SetWindowPos(nullptr, 0, 0, rcWnd.Width() + kStripWidth, rcWnd.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[16] = {};
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, "Button") != 0) continue;
        CRect rc;
        ::GetWindowRect(hChild, &rc);
        ScreenToClient(&rc);
        ::SetWindowPos(hChild, nullptr, rc.left + kStripWidth, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CFont* pFont = GetFont();
    const int x = rcTab.right + kGap;
    int y = rcTab.top;
    CString strNew, strCurrent;
    {
        CKXResourceScope scope;
        strNew.LoadString(IDS_KX_COLOR_NEW);
        strCurrent.LoadString(IDS_KX_COLOR_CURRENT);
    }
    m_wndNewLabel.Create(strNew, WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(x, y, x + kSwatchWidth, y + 16), this,
                         IDC_NEW_LABEL);
    m_wndCurrentLabel.Create(strCurrent, WS_CHILD | WS_VISIBLE | SS_CENTER,
                             CRect(x + kSwatchWidth, y, x + 2 * kSwatchWidth, y + 16), this, IDC_CURRENT_LABEL);
    y += 18;
    m_rcNew = CRect(x, y, x + kSwatchWidth, y + kSwatchHeight);
    m_rcCurrent = CRect(x + kSwatchWidth, y, x + 2 * kSwatchWidth, y + kSwatchHeight);
    y += kSwatchHeight + kGap;
    if (!(m_dwStyle & KXCDS_NOHEX)) {
        m_wndNewHex.Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(x, y, x + kStripWidth - kGap, y + 16), this,
                           IDC_NEW_HEX);
        m_wndCurrentHex.Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                               CRect(x, y + 18, x + kStripWidth - kGap, y + 34), this, IDC_CURRENT_HEX);
    }
    for (CStatic* p : {&m_wndNewLabel, &m_wndCurrentLabel, &m_wndNewHex, &m_wndCurrentHex})
        if (p->m_hWnd != nullptr && pFont != nullptr) p->SetFont(pFont);
}

void CKXColorDialog::UpdateHexTexts() {
    if (m_wndNewHex.m_hWnd != nullptr) m_wndNewHex.SetWindowText(RGBtoHex(m_clrNew));
    if (m_wndCurrentHex.m_hWnd != nullptr) m_wndCurrentHex.SetWindowText(RGBtoHex(m_clrCurrent));
}

void CKXColorDialog::OnPaint() {
    CPaintDC dc(this);
    const COLORREF clrFrame = ::GetSysColor(COLOR_BTNSHADOW);
    for (const auto& [rc, clr] : {std::pair{m_rcNew, m_clrNew}, std::pair{m_rcCurrent, m_clrCurrent}}) {
        if (rc.IsRectEmpty()) continue;
        dc.Draw3dRect(&rc, clrFrame, clrFrame);
        CRect rcInside = rc;
        rcInside.DeflateRect(1, 1);
        dc.FillSolidRect(&rcInside, clr & 0x00FFFFFF);
    }
}

void CKXColorDialog::SetCurrentColor(COLORREF clr) {
    m_clrCurrent = clr;
    if (m_hWnd == nullptr) return;
    UpdateHexTexts();
    if (IsWindowVisible()) InvalidateRect(&m_rcCurrent, FALSE);
}

void CKXColorDialog::SetNewColor(COLORREF clr) { NewColorFrom(nullptr, clr); }

void CKXColorDialog::NewColorFrom(CPropertyPage* pSource, COLORREF clr) {
    m_clrNew = clr;
    if (m_hWnd == nullptr) return;
    if (pSource != &m_pageStandard && m_pageStandard.m_hWnd != nullptr) m_pageStandard.SetColor(clr);
    if (pSource != &m_pageCustom && m_pageCustom.m_hWnd != nullptr) m_pageCustom.SetColor(clr);
    UpdateHexTexts();
    if (IsWindowVisible()) InvalidateRect(&m_rcNew, FALSE);
}

CString CKXColorDialog::RGBtoHex(COLORREF clr) const { return KXColorToHex(clr); }

BOOL CKXColorDialog::CopyToClipboard(const CString& strText) { return KXSetClipboardText(m_hWnd, strText); }

void CKXColorDialog::OnNewHexClicked() { CopyToClipboard(RGBtoHex(m_clrNew)); }

void CKXColorDialog::OnCurrentHexClicked() { CopyToClipboard(RGBtoHex(m_clrCurrent)); }
