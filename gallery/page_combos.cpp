// "Combos and browse edits": flat combo boxes in each of their states (at
// rest, under the mouse, with the focus, read-only with their own colours,
// disabled, with the flat look switched off, typing completed from the
// list), browse edits of each kind (none, a folder, a file, a menu of
// fields) and
// an in-place editor started over a list row.  The menu's command is
// inserted into the edit; the in-place editor's report is shown below.
#include "gallery_page.h"

#include "edit/flat_combo_box.h"
#include "edit/item_edit.h"
#include "resource.h"
#include "snapshot.h"

namespace {

enum : UINT {
    IDC_COMBO = 100,  // 100..106
    IDC_BROWSE_NONE = 120,
    IDC_BROWSE_FOLDER,
    IDC_BROWSE_FILE,
    IDC_BROWSE_MENU,
    IDC_ROWS,
    IDC_START_EDIT,
    IDC_REPORT,
};

const char* const s_fruit[] = {"Apple", "Apricot", "Banana", "Blackberry", "Cherry", "Damson", "Fig"};

const struct {
    const char* pszLabel;
    DWORD dwType;
    int nSel;
} s_combos[] = {
    {"At rest", CBS_DROPDOWNLIST, 0},
    {"Under the mouse", CBS_DROPDOWNLIST, 1},
    {"With the focus", CBS_DROPDOWN, 2},
    {"Read-only, own colours", CBS_DROPDOWN, 3},
    {"Disabled", CBS_DROPDOWNLIST, 4},
    {"Flat look off", CBS_DROPDOWNLIST, 5},
    {"Type \"ap\" or \"bl\"", CBS_DROPDOWN, -1},
};
constexpr int kCombos = static_cast<int>(sizeof s_combos / sizeof s_combos[0]);
constexpr int kHot = 1, kFocus = 2, kReadOnly = 3, kDisabled = 4, kNotFlat = 5, kAuto = 6;

class CCombosPage : public CGalleryPage {
public:
    CCombosPage() : CGalleryPage("Combos and browse edits") {}

    void PrepareSnapshot() override {
        m_combos[kFocus].SetFocus();
        CRect rc;
        m_combos[kHot].GetWindowRect(&rc);
        ::SetCursorPos(rc.left + 40, rc.CenterPoint().y);
    }

    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        return SaveWindowPngWithMenu(pFrame, strPathPrefix + "-menu.png",
                                     [&] { m_browseMenu.OnBrowse(); });
    }

protected:
    BOOL CreateControls() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnStartEdit();
    // A field from the browse edit's menu goes into its text.
    void OnField(UINT nID);

private:
    BOOL Label(CStatic& wnd, LPCTSTR lpszText, const CRect& rc) {
        return wnd.Create(lpszText, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, rc, this);
    }

    CButton m_comboGroup, m_browseGroup, m_startEdit;
    CStatic m_comboLabels[kCombos], m_browseLabels[5], m_report;
    CKXFlatComboBox m_combos[kCombos];
    CKXBrowseEdit m_browseNone, m_browseFolder, m_browseFile, m_browseMenu;
    CListBox m_rows;
    CString m_strEdited;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCombosPage, CGalleryPage)
    ON_BN_CLICKED(IDC_START_EDIT, OnStartEdit)
    ON_COMMAND_RANGE(ID_BROWSE_NAME, ID_BROWSE_PAGE, OnField)
END_MESSAGE_MAP()

BOOL CCombosPage::CreateControls() {
    if (!m_comboGroup.Create("CKXFlatComboBox", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 4, 700, 248), this,
                             0xffff))
        return FALSE;
    for (int i = 0; i < kCombos; ++i) {
        const int y = 24 + i * 32;
        if (!Label(m_comboLabels[i], s_combos[i].pszLabel, CRect(20, y, 200, y + 22)) ||
            !m_combos[i].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | s_combos[i].dwType,
                                CRect(210, y, 450, y + 200), this, IDC_COMBO + i))
            return FALSE;
        for (const char* p : s_fruit) m_combos[i].AddString(p);
        m_combos[i].SetCurSel(s_combos[i].nSel);
    }
    m_combos[kReadOnly].SetReadOnly(TRUE);
    m_combos[kReadOnly].SetReadOnlyColor(RGB(0, 64, 128), RGB(255, 250, 220));
    m_combos[kDisabled].EnableWindow(FALSE);
    m_combos[kNotFlat].DisableFlatLook(TRUE);
    m_combos[kAuto].EnableAutoCompletion();

    // Browse edits.
    if (!m_browseGroup.Create("CKXBrowseEdit and CKXItemEdit", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                              CRect(8, 256, 700, 540), this, 0xffff))
        return FALSE;
    const char* labels[5] = {"No button (style 0)", "A folder (style 1)", "A file (style 2)",
                             "A field from a menu (style 4)", "In place over a row"};
    for (int i = 0; i < 5; ++i) {
        const int y = 278 + i * 32;
        if (!Label(m_browseLabels[i], labels[i], CRect(20, y, 200, y + 22))) return FALSE;
    }
    const DWORD dwEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    m_browseNone.SetBrowseStyle(0);
    m_browseFolder.SetBrowseStyle(1);
    m_browseFile.SetBrowseStyle(2);
    m_browseMenu.SetBrowseStyle(4, IDR_BROWSE_MENU, 0);
    if (!m_browseNone.Create(dwEdit, CRect(210, 278, 560, 300), this, IDC_BROWSE_NONE) ||
        !m_browseFolder.Create(dwEdit, CRect(210, 310, 560, 332), this, IDC_BROWSE_FOLDER) ||
        !m_browseFile.Create(dwEdit, CRect(210, 342, 560, 364), this, IDC_BROWSE_FILE) ||
        !m_browseMenu.Create(dwEdit, CRect(210, 374, 560, 396), this, IDC_BROWSE_MENU))
        return FALSE;
    for (CKXBrowseEdit* p : {&m_browseNone, &m_browseFolder, &m_browseFile, &m_browseMenu})
        p->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    m_browseNone.SetWindowText("Typed only");
    m_browseFolder.SetWindowText("C:\\windows");
    m_browseFile.SetWindowText("C:\\windows\\win.ini");
    m_browseMenu.SetWindowText("Page ");

    if (!m_rows.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, CRect(210, 406, 560, 484), this, IDC_ROWS) ||
        !m_startEdit.Create("Edit row 2", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(570, 406, 690, 430), this,
                            IDC_START_EDIT) ||
        !m_report.Create("Enter applies, Esc cancels, clicking elsewhere applies.",
                         WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(20, 494, 690, 530), this, IDC_REPORT))
        return FALSE;
    for (const char* p : {"First row", "Second row", "Third row", "Fourth row"}) m_rows.AddString(p);
    return TRUE;
}

void CCombosPage::OnStartEdit() {
    CRect rc;
    const int nRow = 1;
    m_rows.GetItemRect(nRow, &rc);
    m_rows.MapWindowPoints(this, &rc);
    m_rows.GetText(nRow, m_strEdited);
    // The editor deletes itself; its report arrives as a command.
    new CKXItemEdit(this, rc, m_strEdited, 4);
}

BOOL CCombosPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
    if (nID == CKXItemEdit::kControlID && lParam != 0 &&
        (nCode == CKXItemEdit::kNotifyApplied || nCode == CKXItemEdit::kNotifyCancelled)) {
        if (nCode == CKXItemEdit::kNotifyApplied) {
            m_rows.DeleteString(1);
            m_rows.InsertString(1, m_strEdited);
        }
        m_report.SetWindowText(nCode == CKXItemEdit::kNotifyApplied ? "Applied (0x0DCA)." : "Cancelled (0x0DCB).");
        return TRUE;
    }
    return CGalleryPage::OnCommand(wParam, lParam);
}

void CCombosPage::OnField(UINT nID) {
    static const char* const fields[] = {"<file name>", "<date>", "<page>"};
    // Browsing left the text selected: the field goes after it.
    const int nEnd = m_browseMenu.GetWindowTextLength();
    m_browseMenu.SetSel(nEnd, nEnd);
    m_browseMenu.ReplaceSel(fields[nID - ID_BROWSE_NAME]);
}

}  // namespace

CGalleryPage* CreateCombosPage() { return new CCombosPage; }
