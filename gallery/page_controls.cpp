// "Controls": the standard and common controls, each created through its
// wrapper class, with a few of their notifications handled.
#include "gallery_page.h"

#include "core/resource_scope.h"
#include "kxres_ids.h"

namespace {

enum : UINT {
    IDC_PUSH = 100,
    IDC_DEFAULT,
    IDC_CHECK,
    IDC_THREE_STATE,
    IDC_RADIO_ONE,
    IDC_RADIO_TWO,
    IDC_EDIT,
    IDC_COMBO,
    IDC_LIST,
    IDC_SLIDER,
    IDC_SPIN_EDIT,
    IDC_SPIN,
    IDC_PROGRESS,
    IDC_TAB,
    IDC_LISTCTRL,
    IDC_TREE,
    IDC_STATUS,
};

// A static that draws only its text, so that whatever it sits on (here
// the body of a tab control) shows through.  The colour message its parent
// gets is reflected back to it.
class CTransparentStatic : public CStatic {
public:
    void SetText(LPCTSTR lpszText) {
        SetWindowText(lpszText);
        // Nothing paints over the old text but the parent: repaint that first.
        CRect rc;
        GetWindowRect(&rc);
        GetParent()->ScreenToClient(&rc);
        GetParent()->InvalidateRect(&rc);
        GetParent()->UpdateWindow();
    }

protected:
    HBRUSH CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTransparentStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CControlsPage : public CGalleryPage {
public:
    CControlsPage() : CGalleryPage("Controls") {}

protected:
    BOOL CreateControls() override;
    // The application updates the toolbar when idle; a snapshot comes first.
    void PrepareSnapshot() override { m_wndToolBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE); }
    void OnButtonClicked(UINT nID);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarCommand(UINT nID);
    void OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndCheck.GetCheck()); }
    void SetStatus(LPCTSTR lpszText) { m_wndStatus.SetWindowText(lpszText); }

private:
    void CreateButtons();
    void CreateTextControls();
    void CreateRangeControls();
    void CreateTabs();
    void CreateListAndTree();
    void CreateToolBar();

    CButton m_wndButtonsGroup, m_wndTextGroup, m_wndRangeGroup;
    CButton m_wndPush, m_wndDefault, m_wndCheck, m_wndThreeState, m_wndRadioOne, m_wndRadioTwo;
    CStatic m_wndEditLabel;
    CEdit m_wndEdit;
    CComboBox m_wndCombo;
    CListBox m_wndList;
    CSliderCtrl m_wndSlider;
    CStatic m_wndSpinLabel;
    CEdit m_wndSpinEdit;
    CSpinButtonCtrl m_wndSpin;
    CProgressCtrl m_wndProgress;
    CTabCtrl m_wndTab;
    CTransparentStatic m_wndTabContents;
    CListCtrl m_wndListCtrl;
    CTreeCtrl m_wndTree;
    CStatic m_wndStatus;
    CStatic m_wndToolBarLabel;
    CToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsPage, CGalleryPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PUSH, IDC_RADIO_TWO, OnButtonClicked)
    ON_WM_HSCROLL()
    ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnTabSelChange)
    // Clear has no handler: the idle update shows it disabled.
    ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_UNDO, OnToolBarCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
END_MESSAGE_MAP()

BOOL CControlsPage::CreateControls() {
    CreateButtons();
    CreateTextControls();
    CreateRangeControls();
    CreateTabs();
    CreateListAndTree();
    m_wndStatus.Create("Click a button or move the slider.", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTERIMAGE,
                       CRect(8, 410, 700, 432), this, IDC_STATUS);
    CreateToolBar();
    return TRUE;
}

void CControlsPage::CreateToolBar() {
    m_wndToolBarLabel.Create("Toolbar from a toolbar resource (Paste follows the check box; Clear has no handler):",
                             WS_CHILD | WS_VISIBLE, CRect(8, 444, 700, 462), this);
    // The toolbar and its bitmap live in the library's companion module.
    CKXResourceScope scope;
    if (!m_wndToolBar.Create(this) || !m_wndToolBar.LoadToolBar(IDR_KX_EDIT_TOOLBAR)) return;
    const CSize size = m_wndToolBar.CalcFixedLayout(FALSE, TRUE);
    m_wndToolBar.MoveWindow(8, 464, size.cx, size.cy);
}

void CControlsPage::OnToolBarCommand(UINT nID) {
    CString text;
    text.Format("Toolbar command 0x%04X.", nID);
    SetStatus(text);
}

void CControlsPage::CreateButtons() {
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    m_wndButtonsGroup.Create("Buttons", dwChild | BS_GROUPBOX, CRect(8, 0, 228, 156), this, 0xffff);
    m_wndPush.Create("Push button", dwChild | WS_TABSTOP | BS_PUSHBUTTON, CRect(20, 22, 116, 48), this, IDC_PUSH);
    m_wndDefault.Create("Default", dwChild | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(122, 22, 216, 48), this,
                        IDC_DEFAULT);
    m_wndCheck.Create("Check box", dwChild | WS_TABSTOP | BS_AUTOCHECKBOX, CRect(20, 58, 216, 76), this, IDC_CHECK);
    m_wndCheck.SetCheck(BST_CHECKED);
    m_wndThreeState.Create("Three-state check box", dwChild | WS_TABSTOP | BS_AUTO3STATE, CRect(20, 78, 216, 96),
                           this, IDC_THREE_STATE);
    m_wndThreeState.SetCheck(BST_INDETERMINATE);
    m_wndRadioOne.Create("Radio button one", dwChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
                         CRect(20, 104, 216, 122), this, IDC_RADIO_ONE);
    m_wndRadioOne.SetCheck(BST_CHECKED);
    m_wndRadioTwo.Create("Radio button two", dwChild | BS_AUTORADIOBUTTON, CRect(20, 124, 216, 142), this,
                         IDC_RADIO_TWO);
}

void CControlsPage::CreateTextControls() {
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    m_wndTextGroup.Create("Text and lists", dwChild | BS_GROUPBOX, CRect(8, 164, 228, 400), this, 0xffff);
    m_wndEditLabel.Create("Static text above an edit:", dwChild, CRect(20, 184, 216, 200), this);
    m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Edit control", dwChild | WS_TABSTOP | ES_AUTOHSCROLL,
                       CRect(20, 202, 216, 224), this, IDC_EDIT);
    m_wndCombo.Create(dwChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(20, 232, 216, 360), this,
                      IDC_COMBO);
    for (LPCTSTR lpszColour : {"Red", "Green", "Blue", "Cyan", "Magenta", "Yellow"}) m_wndCombo.AddString(lpszColour);
    m_wndCombo.SetCurSel(2);
    m_wndList.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                       dwChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                       CRect(20, 264, 216, 264 + 7 * 16 + 4), this, IDC_LIST);
    m_wndList.SetFont(&GalleryFont());  // before the item height: a new font resets it
    m_wndList.SetItemHeight(0, 16);     // seven whole rows
    for (LPCTSTR lpszItem : {"List box item one", "Item two", "Item three", "Item four", "Item five", "Item six",
                             "Item seven", "Item eight", "Item nine"})
        m_wndList.AddString(lpszItem);
    m_wndList.SetCurSel(1);
}

void CControlsPage::CreateRangeControls() {
    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    m_wndRangeGroup.Create("Ranges", dwChild | BS_GROUPBOX, CRect(236, 0, 456, 156), this, 0xffff);
    m_wndSlider.Create(dwChild | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, CRect(244, 20, 448, 52), this, IDC_SLIDER);
    m_wndSlider.SetRange(0, 100);
    m_wndSlider.SetTicFreq(10);
    m_wndSlider.SetPos(60);

    m_wndProgress.Create(dwChild, CRect(250, 58, 442, 76), this, IDC_PROGRESS);
    m_wndProgress.SetRange32(0, 100);
    m_wndProgress.SetPos(60);

    m_wndSpinLabel.Create("Spin with a buddy edit:", dwChild, CRect(250, 92, 442, 108), this);
    m_wndSpinEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", dwChild | WS_TABSTOP | ES_NUMBER,
                           CRect(250, 112, 330, 134), this, IDC_SPIN_EDIT);
    // The spin attaches itself to the right edge of the edit before it.
    m_wndSpin.Create(dwChild | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, CRect(0, 0, 0, 0),
                     this, IDC_SPIN);
    m_wndSpin.SetRange32(0, 999);
    m_wndSpin.SetPos32(42);
}

void CControlsPage::CreateTabs() {
    m_wndTab.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(236, 164, 456, 400), this, IDC_TAB);
    m_wndTab.InsertItem(0, "General");
    m_wndTab.InsertItem(1, "Advanced");
    m_wndTab.InsertItem(2, "About");
    // The tab's display area holds a static that follows the selected tab.
    CRect rcDisplay;
    m_wndTab.GetClientRect(&rcDisplay);
    m_wndTab.AdjustRect(FALSE, &rcDisplay);
    rcDisplay.DeflateRect(8, 8);
    m_wndTabContents.Create("", WS_CHILD | WS_VISIBLE, rcDisplay, &m_wndTab);
    LRESULT lResult = 0;
    OnTabSelChange(nullptr, &lResult);
}

void CControlsPage::CreateListAndTree() {
    const DWORD dwChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    m_wndListCtrl.CreateEx(WS_EX_CLIENTEDGE, dwChild | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(464, 0, 700, 156), this,
                           IDC_LISTCTRL);
    m_wndListCtrl.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_wndListCtrl.InsertColumn(0, "Name", LVCFMT_LEFT, 90);
    m_wndListCtrl.InsertColumn(1, "Size", LVCFMT_RIGHT, 60);
    m_wndListCtrl.InsertColumn(2, "Type", LVCFMT_LEFT, 80);
    struct Row {
        LPCTSTR name, size, type;
    };
    const Row rows[] = {{"readme.txt", "2 KB", "Text"},
                        {"logo.png", "14 KB", "Picture"},
                        {"setup.exe", "1.2 MB", "Program"},
                        {"notes.doc", "36 KB", "Document"}};
    for (int i = 0; i < static_cast<int>(sizeof rows / sizeof rows[0]); ++i) {
        m_wndListCtrl.InsertItem(i, rows[i].name);
        m_wndListCtrl.SetItemText(i, 1, rows[i].size);
        m_wndListCtrl.SetItemText(i, 2, rows[i].type);
    }
    m_wndListCtrl.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    m_wndTree.CreateEx(WS_EX_CLIENTEDGE,
                       dwChild | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                       CRect(464, 164, 700, 400), this, IDC_TREE);
    HTREEITEM hFruit = m_wndTree.InsertItem("Fruit");
    m_wndTree.InsertItem("Apple", hFruit);
    HTREEITEM hCitrus = m_wndTree.InsertItem("Citrus", hFruit);
    m_wndTree.InsertItem("Lemon", hCitrus);
    m_wndTree.InsertItem("Orange", hCitrus);
    HTREEITEM hVegetables = m_wndTree.InsertItem("Vegetables");
    m_wndTree.InsertItem("Carrot", hVegetables);
    m_wndTree.InsertItem("Leek", hVegetables);
    HTREEITEM hGrain = m_wndTree.InsertItem("Grain (collapsed)");
    m_wndTree.InsertItem("Rice", hGrain);
    m_wndTree.Expand(hFruit, TVE_EXPAND);
    m_wndTree.Expand(hCitrus, TVE_EXPAND);
    m_wndTree.Expand(hVegetables, TVE_EXPAND);
    m_wndTree.SelectItem(hCitrus);
}

void CControlsPage::OnButtonClicked(UINT nID) {
    CWnd* pButton = GetDlgItem(static_cast<int>(nID));
    CString strCaption;
    pButton->GetWindowText(strCaption);
    SetStatus("Clicked: " + strCaption);
}

void CControlsPage::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
    // The slider drives the progress bar.
    if (pScrollBar == nullptr || pScrollBar->m_hWnd != m_wndSlider.m_hWnd) return;
    const int nPos = m_wndSlider.GetPos();
    m_wndProgress.SetPos(nPos);
    CString strStatus;
    strStatus.Format("Slider at %d", nPos);
    SetStatus(strStatus);
}

void CControlsPage::OnTabSelChange(NMHDR*, LRESULT* pResult) {
    static LPCTSTR const contents[] = {"The General tab is selected.\r\nClick another tab.",
                                       "The Advanced tab is selected.", "The About tab is selected."};
    const int nTab = m_wndTab.GetCurSel();
    if (nTab >= 0 && nTab < 3) m_wndTabContents.SetText(contents[nTab]);
    *pResult = 0;
}

}  // namespace

CGalleryPage* CreateControlsPage() { return new CControlsPage; }
