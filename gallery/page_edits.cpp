// "Edits": the library's edit controls.  The plain and the flat edit in
// their states (normal, read-only, disabled, own colours; the flat one also
// under the mouse), and masked edits for a telephone number, a date and a
// time, with a date whose text is no date shown as an error.  Right-click
// any of them for the context menu.
#include "gallery_page.h"

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "edit/date_edit.h"

namespace {

enum : UINT {
    IDC_PLAIN = 100,
    IDC_FLAT = 110,
    IDC_FLAT_HOT = 120,
    IDC_PHONE = 130,
    IDC_DATE,
    IDC_TIME,
    IDC_BAD_DATE,
    IDC_VALUES,
};

const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;

const struct {
    const char* pszLabel;
    const char* pszText;
    DWORD dwStyle;      // added to kEditStyle
    BOOL bEnabled;
    COLORREF clrText;   // 0xFFFFFFFF: the control's own
    COLORREF clrBk;
} s_rows[] = {
    {"Normal", "Some text to edit", 0, TRUE, 0xFFFFFFFF, 0xFFFFFFFF},
    {"Read-only", "Read-only text", ES_READONLY, TRUE, 0xFFFFFFFF, 0xFFFFFFFF},
    {"Disabled", "Disabled text", 0, FALSE, 0xFFFFFFFF, 0xFFFFFFFF},
    {"Own colours", "SetTextColor, SetBkColor", 0, TRUE, RGB(0, 64, 128), RGB(255, 250, 220)},
};
constexpr int kRows = static_cast<int>(sizeof s_rows / sizeof s_rows[0]);

class CEditsPage : public CGalleryPage {
public:
    CEditsPage() : CGalleryPage("Edits") {}

protected:
    BOOL CreateControls() override;
    // The snapshot shows one flat edit under the mouse.
    void PrepareSnapshot() override;
    void OnDateChange() { ShowValues(); }

private:
    BOOL Label(CStatic& wnd, LPCTSTR lpszText, const CRect& rc);
    template <class T>
    BOOL Edit(T& wnd, UINT nID, const CRect& rc, DWORD dwStyle = 0);
    // Reads the masked edits back and marks a date that is no date.
    void ShowValues();

    CButton m_wndEditGroup, m_wndMaskGroup;
    CStatic m_wndPlainHead, m_wndFlatHead;
    CStatic m_wndRowLabels[kRows + 1];
    CKXEdit m_wndPlain[kRows];
    CKXFlatEdit m_wndFlat[kRows];
    CKXFlatEdit m_wndFlatHot;
    CStatic m_wndMaskLabels[4];
    CKXMaskEdit m_wndPhone;
    CKXDateEdit m_wndDate;
    CKXTimeEdit m_wndTime;
    CKXDateEdit m_wndBadDate;
    CStatic m_wndBadNote;
    CStatic m_wndValues;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditsPage, CGalleryPage)
    ON_EN_CHANGE(IDC_DATE, OnDateChange)
    ON_EN_CHANGE(IDC_TIME, OnDateChange)
    ON_EN_CHANGE(IDC_BAD_DATE, OnDateChange)
END_MESSAGE_MAP()

BOOL CEditsPage::Label(CStatic& wnd, LPCTSTR lpszText, const CRect& rc) {
    return wnd.Create(lpszText, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, rc, this);
}

template <class T>
BOOL CEditsPage::Edit(T& wnd, UINT nID, const CRect& rc, DWORD dwStyle) {
    if (!wnd.Create(kEditStyle | dwStyle, rc, this, nID)) return FALSE;
    wnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);  // the edge dialogs give an edit
    return TRUE;
}

BOOL CEditsPage::CreateControls() {
    const int xPlain = 130, xFlat = 400, cx = 240, cy = 22;
    if (!m_wndEditGroup.Create("Edit and flat edit", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 4, 700, 236),
                               this, 0xffff) ||
        !Label(m_wndPlainHead, "CKXEdit", CRect(xPlain, 24, xPlain + cx, 44)) ||
        !Label(m_wndFlatHead, "CKXFlatEdit", CRect(xFlat, 24, xFlat + cx, 44)))
        return FALSE;
    for (int i = 0; i < kRows; ++i) {
        const int y = 48 + i * 34;
        if (!Label(m_wndRowLabels[i], s_rows[i].pszLabel, CRect(20, y, xPlain - 8, y + cy)) ||
            !Edit(m_wndPlain[i], IDC_PLAIN + i, CRect(xPlain, y, xPlain + cx, y + cy), s_rows[i].dwStyle) ||
            !Edit(m_wndFlat[i], IDC_FLAT + i, CRect(xFlat, y, xFlat + cx, y + cy), s_rows[i].dwStyle))
            return FALSE;
        for (CKXEdit* p : {static_cast<CKXEdit*>(&m_wndPlain[i]), static_cast<CKXEdit*>(&m_wndFlat[i])}) {
            p->SetWindowText(s_rows[i].pszText);
            if (s_rows[i].clrText != 0xFFFFFFFF) p->SetTextColor(s_rows[i].clrText);
            if (s_rows[i].clrBk != 0xFFFFFFFF) p->SetBkColor(s_rows[i].clrBk);
            p->EnableWindow(s_rows[i].bEnabled);
        }
    }
    const int yHot = 48 + kRows * 34;
    if (!Label(m_wndRowLabels[kRows], "Mouse over", CRect(20, yHot, xPlain - 8, yHot + cy)) ||
        !Edit(m_wndFlatHot, IDC_FLAT_HOT, CRect(xFlat, yHot, xFlat + cx, yHot + cy)))
        return FALSE;
    m_wndFlatHot.SetWindowText("The edge shows while the mouse is here");

    // Masked edits.
    if (!m_wndMaskGroup.Create("Masked edits", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 248, 700, 470), this,
                               0xffff))
        return FALSE;
    const char* masks[4] = {"Telephone  (999) 999-9999", "Date  (day/month/year)", "Time  (hours:minutes)",
                            "Not a date"};
    for (int i = 0; i < 4; ++i) {
        const int y = 272 + i * 34;
        if (!Label(m_wndMaskLabels[i], masks[i], CRect(20, y, 200, y + cy))) return FALSE;
    }
    const int xMask = 210, cxMask = 140;
    if (!Edit(m_wndPhone, IDC_PHONE, CRect(xMask, 272, xMask + cxMask, 272 + cy)) ||
        !Edit(m_wndDate, IDC_DATE, CRect(xMask, 306, xMask + cxMask, 306 + cy)) ||
        !Edit(m_wndTime, IDC_TIME, CRect(xMask, 340, xMask + cxMask, 340 + cy)) ||
        !Edit(m_wndBadDate, IDC_BAD_DATE, CRect(xMask, 374, xMask + cxMask, 374 + cy)) ||
        !Label(m_wndBadNote, "Typed as 31/02/2024: the digits pass, the date does not.",
               CRect(xMask + cxMask + 12, 374, 690, 374 + cy)) ||
        !m_wndValues.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_SUNKEN, CRect(20, 412, 690, 458), this,
                            IDC_VALUES))
        return FALSE;
    m_wndPhone.SetEditMask("(999) 999-9999", "(___) ___-____", "(555) 12_-____");
    m_wndDate.SetDateTime(COleDateTime(2024, 3, 25, 0, 0, 0));
    m_wndTime.Set24Hour(true);
    m_wndTime.SetTime(14, 30);
    m_wndBadDate.SetDateTime(CString("31/02/2024"));
    ShowValues();
    return TRUE;
}

void CEditsPage::ShowValues() {
    if (m_wndValues.GetSafeHwnd() == nullptr) return;
    CString strDate, strBad;
    const COleDateTime dt = m_wndDate.GetDateTime();
    strDate = dt.GetStatus() == COleDateTime::valid ? dt.Format("%A %d %B %Y") : CString("no date");
    const BOOL bBad = m_wndBadDate.GetDateTime().GetStatus() != COleDateTime::valid;
    CString strText;
    strText.Format("GetDateTime(): %s.   Time: %s.   Last date: %s.", strDate.GetString(),
                   m_wndTime.GetWindowDateTime().GetString(), bBad ? "invalid, shown in red" : "valid");
    m_wndValues.SetWindowText(strText);
    m_wndBadDate.SetTextColor(bBad ? RGB(192, 0, 0) : CKXAuxData::Get().clrXP[XPCOLOR_MENU_TEXT - XPCOLOR_TOOLBAR_FACE]);
    m_wndBadDate.SetBkColor(bBad ? RGB(255, 228, 228) : CKXAuxData::Get().clrWindow);
}

void CEditsPage::PrepareSnapshot() {
    CRect rc;
    m_wndFlatHot.GetWindowRect(&rc);
    ::SetCursorPos(rc.left + 40, rc.CenterPoint().y);
    // The mouse move arrives as the gallery pumps; WM_SETCURSOR starts the
    // control's hot tracking from there.
}

}  // namespace

CGalleryPage* CreateEditsPage() { return new CEditsPage; }
