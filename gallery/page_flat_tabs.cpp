// "Flat tabs": the flat tab strip in each of its styles.  Sheets along the
// bottom with a scroll bar sharing the strip (it scrolls the selected list),
// tabs on top with arrows and a window per tab, two hundred tabs scrolled to
// the middle, a strip without buttons, one along the bottom edge, and one in
// colours of the page's choosing.  A line at the foot reports the
// notifications the strips send.
#include "gallery_page.h"

#include "tabs/flat_tab_ctrl.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace {

enum : UINT {
    IDC_SHEETS = 100,
    IDC_NOTES,
    IDC_MANY,
    IDC_PLAIN,
    IDC_BOTTOM,
    IDC_COLOURS,
    IDC_STATUS,
};

constexpr int kColumnWidth = 344;
constexpr int kLeft = 8, kRight = kLeft + kColumnWidth + 14;

class CFlatTabsPage : public CGalleryPage {
public:
    CFlatTabsPage() : CGalleryPage("Flat tabs") {}

protected:
    BOOL CreateControls() override {
        const int h = ::GetSystemMetrics(SM_CYHSCROLL);
        if (!CreateSheets(CRect(kLeft, 26, kLeft + kColumnWidth, 226))) return FALSE;
        if (!CreateNotes(CRect(kRight, 26, kRight + kColumnWidth, 226))) return FALSE;

        int y = 244;
        Label("Two hundred tabs with first and last buttons, scrolled to the middle:", y);
        if (!m_wndMany.Create(WS_CHILD | WS_VISIBLE | KX_FTS_HASHOMEEND | KX_FTS_TOOLTIPS,
                              CRect(kLeft, y + 18, kRight + kColumnWidth, y + 18 + h), this, IDC_MANY))
            return FALSE;
        for (int i = 0; i < 200; ++i) {
            CString str;
            str.Format("Tab %d", i + 1);
            m_wndMany.InsertItem(i, str);
        }
        m_wndMany.SetCurSel(100);
        for (int i = 0; i < 4; ++i) m_wndMany.SendMessage(WM_COMMAND, ID_KX_FLATTAB_RIGHT);

        y += 18 + h + 16;
        Label("No buttons:", y);
        if (!StripOf(m_wndPlain, 0, CRect(kLeft, y + 18, kLeft + kColumnWidth, y + 18 + h), IDC_PLAIN,
                     {"Summary", "Details", "History"}))
            return FALSE;
        m_wndPlain.SetCurSel(1);
        LabelAt("Along the bottom edge, with arrows:", kRight, y);
        if (!StripOf(m_wndBottom, KX_FTS_BOTTOM | KX_FTS_HASARROWS, CRect(kRight, y + 18, kRight + kColumnWidth, y + 18 + h),
                     IDC_BOTTOM, {"January", "February", "March", "April", "May", "June"}))
            return FALSE;

        y += 18 + h + 16;
        Label("Colours of the application's choosing:", y);
        if (!StripOf(m_wndColours, KX_FTS_HASARROWS, CRect(kLeft, y + 18, kLeft + kColumnWidth, y + 18 + h),
                     IDC_COLOURS, {"Red", "Green", "Blue", "Yellow"}))
            return FALSE;
        m_wndColours.SetSelTabBackColor(RGB(255, 255, 225));
        m_wndColours.SetSelTabTextColor(RGB(128, 0, 0));
        m_wndColours.SetTabBackColor(RGB(200, 215, 240));
        m_wndColours.SetTabTextColor(RGB(0, 0, 128));
        m_wndColours.SetTabShadowColor(RGB(70, 90, 150));
        m_wndColours.SetCurSel(2);

        y += 18 + h + 24;
        return m_wndStatus.Create("Click a tab, a scroll button, or drag the gripper beside the scroll bar.",
                                  WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTERIMAGE,
                                  CRect(kLeft, y, kRight + kColumnWidth, y + 22), this, IDC_STATUS);
    }

    void OnSelChange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
        auto* pTabs = static_cast<CKXFlatTabCtrl*>(CWnd::FromHandle(pNMHDR->hwndFrom));
        CString str;
        str.Format("TCN_SELCHANGE from strip %u: \"%s\" selected.", nID - IDC_SHEETS + 1,
                   pTabs->GetItemText(pTabs->GetCurSel()));
        m_wndStatus.SetWindowText(str);
        *pResult = 0;
    }

private:
    void LabelAt(LPCTSTR lpszText, int x, int y, int cx = kColumnWidth) {
        m_labels.push_back(std::make_unique<CStatic>());
        m_labels.back()->Create(lpszText, WS_CHILD | WS_VISIBLE, CRect(x, y, x + cx, y + 16), this);
    }
    void Label(LPCTSTR lpszText, int y) { LabelAt(lpszText, kLeft, y, 2 * kColumnWidth); }

    // A strip as high as its tabs: no room for windows.
    BOOL StripOf(CKXFlatTabCtrl& tabs, DWORD dwStyle, const CRect& rc, UINT nID,
                 std::initializer_list<const char*> captions) {
        if (!tabs.Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, this, nID)) return FALSE;
        for (const char* psz : captions) tabs.InsertItem(tabs.GetItemCount(), psz);
        return TRUE;
    }

    // A spreadsheet: lists as sheets, the tabs along the bottom.
    BOOL CreateSheets(const CRect& rc) {
        LabelAt("Sheets along the bottom; scroll bar and gripper:", kLeft, 8, kColumnWidth);
        if (!m_wndSheets.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | KX_FTS_BOTTOM | KX_FTS_HASHOMEEND |
                                    KX_FTS_HSCROLL | KX_FTS_TOOLTIPS,
                                rc, this, IDC_SHEETS))
            return FALSE;
        const char* const sheets[] = {"Budget", "Forecast", "Staff"};
        for (int s = 0; s < 3; ++s) {
            m_sheets.push_back(std::make_unique<CListCtrl>());
            CListCtrl& list = *m_sheets.back();
            if (!list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 10, 10), &m_wndSheets, 200 + s)) return FALSE;
            list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
            for (int c = 0; c < 8; ++c) {
                const char name[2] = {static_cast<char>('A' + c), 0};
                list.InsertColumn(c, name, LVCFMT_RIGHT, 70);
            }
            for (int r = 0; r < 12; ++r) {
                CString str;
                str.Format("%d", (r + 1) * (s + 1) * 100);
                list.InsertItem(r, str);
                for (int c = 1; c < 8; ++c) {
                    str.Format("%d", (r + 3) * (c + 7) * (s + 2));
                    list.SetItemText(r, c, str);
                }
            }
            m_wndSheets.InsertItem(s, sheets[s], &list);
            CString strTip;
            strTip.Format("The %s sheet", sheets[s]);
            m_wndSheets.SetTipText(s, strTip);
        }
        m_wndSheets.SetCurSel(1);
        m_wndSheets.Home();
        return TRUE;
    }

    // Tabs on top with arrows, a note behind each.
    BOOL CreateNotes(const CRect& rc) {
        LabelAt("Tabs on top with arrows, a window behind each:", kRight, 8, kColumnWidth);
        if (!m_wndNotes.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | KX_FTS_HASARROWS, rc, this, IDC_NOTES))
            return FALSE;
        const struct {
            const char* pszTab;
            const char* pszText;
        } notes[] = {
            {"Notes", "The selected tab opens into the window below it."},
            {"To do", "Only the selected tab's window is shown; the others wait, hidden."},
            {"Ideas", "Scroll with the arrows when the tabs do not fit."},
            {"Archive", "A tab may also have no window at all."},
            {"Drafts", "Tabs overlap by half the strip's height and two pixels."},
        };
        for (const auto& note : notes) {
            m_notes.push_back(std::make_unique<CEdit>());
            CEdit& edit = *m_notes.back();
            if (!edit.Create(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, CRect(0, 0, 10, 10), &m_wndNotes, 0)) return FALSE;
            edit.SetWindowText(note.pszText);
            m_wndNotes.InsertItem(m_wndNotes.GetItemCount(), note.pszTab, &edit);
        }
        m_wndNotes.SetCurSel(1);
        return TRUE;
    }

    CKXFlatTabCtrl m_wndSheets, m_wndNotes, m_wndMany, m_wndPlain, m_wndBottom, m_wndColours;
    std::vector<std::unique_ptr<CListCtrl>> m_sheets;
    std::vector<std::unique_ptr<CEdit>> m_notes;
    std::vector<std::unique_ptr<CStatic>> m_labels;
    CStatic m_wndStatus;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFlatTabsPage, CGalleryPage)
    ON_NOTIFY_RANGE(TCN_SELCHANGE, IDC_SHEETS, IDC_COLOURS, OnSelChange)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateFlatTabsPage() { return new CFlatTabsPage; }
