// "Outlook bar": three outlook bars showing a folder of large icons (one
// item selected, one under the mouse), a folder of small icons and a folder
// that holds a tree; the tool box with a caption being renamed; the
// list-box variant.  Every notification the bars send is answered with 1
// (allowed) and shown in the log on the right.  Try: hover, click, drag an
// item to another place or onto another folder's button, right-click for
// the menu (icon size, remove, rename), click the folder buttons.
#include "gallery_page.h"

#include "bars/outlook_bar.h"
#include "bars/toolbox.h"
#include "snapshot.h"

namespace {

enum : UINT {
    IDC_BAR_LARGE = 100,
    IDC_BAR_SMALL,
    IDC_BAR_TREE,
    IDC_TOOLBOX,
    IDC_LIST,
    IDC_TREE,
    IDC_LOG,
};

// Icons of the platform's shell module, by resource number.
const struct {
    const char* pszName;
    UINT nIcon;
} s_places[] = {{"Desktop", 35}, {"Computer", 16}, {"Documents", 4}, {"Network", 18}, {"Printers", 17},
                {"Recycle Bin", 33}},
  s_shortcuts[] = {{"Find", 23}, {"Help", 24}, {"Run", 25}, {"Settings", 22}, {"Shut Down", 28}},
  s_controls[] = {{"Pointer", 3}, {"Document", 2}, {"Drive", 9}, {"CD-ROM", 12}, {"Printer", 17}, {"Folder", 5}},
  s_list[] = {{"Desktop", 35}, {"Computer", 16}, {"Network", 18}, {"Trash", 33}};

const char* const s_codes[] = {"",           "OBN_ITEMCLICK",  "OBN_ITEMRENAMED", "OBN_FOLDERRENAMED",
                               "OBN_ITEMMOVED", "OBN_FOLDERCHANGE", "OBN_ITEMHOVER", "OBN_ITEMDELETE",
                               "OBN_FOLDERDELETE", "OBN_BEGINDRAG", "OBN_CONTEXTMENU"};

class COutBarPage : public CGalleryPage {
public:
    COutBarPage() : CGalleryPage("Outlook bar") {}
    ~COutBarPage() override {
        if (m_hShell) ::FreeLibrary(m_hShell);
    }

    void PrepareSnapshot() override {
        m_barLarge.SetSelItem(0, 0);
        m_barLarge.SetCurSel(2, FALSE);  // under the mouse
        m_toolbox.SetSelItem(0, 1);
        m_toolbox.StartItemEdit(3);
    }

    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        SetFocus();  // ends the rename
        CRect rc;
        m_barSmall.GetIconRect(m_barSmall.GetSelFolder(), 1, rc);
        const CPoint pt = rc.CenterPoint();
        return SaveWindowPngWithMenu(pFrame, strPathPrefix + "-menu.png", [&] {
            m_barSmall.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        });
    }

protected:
    BOOL CreateControls() override;
    LRESULT OnOutBarNotify(WPARAM wParam, LPARAM lParam);

private:
    // One picture of the shell module at cx pixels; a plain square when it has none.
    HICON ShellIcon(UINT nIcon, int cx);
    void AddIcons(CImageList& list, int cx);
    BOOL MakeBar(CKXOutBarCtrl& bar, UINT nID, const CRect& rc, DWORD dwFlags);
    void Log(const CString& strLine);

    HINSTANCE m_hShell = nullptr;
    CImageList m_large, m_small;
    CStatic m_labels[5];
    CKXOutBarCtrl m_barLarge, m_barSmall, m_barTree;
    CKXToolBox m_toolbox;
    CKXOutlookBar m_list;
    CTreeCtrl m_tree;
    CListBox m_log;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COutBarPage, CGalleryPage)
    ON_MESSAGE(WM_OUTBAR_NOTIFY, OnOutBarNotify)
END_MESSAGE_MAP()

HICON COutBarPage::ShellIcon(UINT nIcon, int cx) {
    if (HICON hIcon = static_cast<HICON>(
            ::LoadImageA(m_hShell, MAKEINTRESOURCEA(nIcon), IMAGE_ICON, cx, cx, 0)))
        return hIcon;
    return static_cast<HICON>(::CopyImage(::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), IMAGE_ICON, cx, cx, 0));
}

// The image lists hold the places, then the shortcuts, then the controls.
void COutBarPage::AddIcons(CImageList& list, int cx) {
    list.Create(cx, cx, ILC_COLOR32 | ILC_MASK, 16, 4);
    for (const auto* table : {s_places, s_shortcuts, s_controls}) {
        const int n = table == s_shortcuts ? 5 : 6;
        for (int i = 0; i < n; ++i) {
            HICON hIcon = ShellIcon(table[i].nIcon, cx);
            list.Add(hIcon);
            ::DestroyIcon(hIcon);
        }
    }
}

BOOL COutBarPage::MakeBar(CKXOutBarCtrl& bar, UINT nID, const CRect& rc, DWORD dwFlags) {
    if (!bar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, this, nID, dwFlags)) return FALSE;
    bar.SetImageList(&m_large, OUTBAR_IMAGE_LARGE);
    bar.SetImageList(&m_small, OUTBAR_IMAGE_SMALL);
    const int nPlaces = bar.AddFolder("Places", 0);
    const int nShortcuts = bar.AddFolder("Shortcuts", 0);
    bar.SetSmallIconView(TRUE, nShortcuts);
    for (int i = 0; i < 6; ++i) bar.InsertItem(nPlaces, -1, s_places[i].pszName, i, 0);
    for (int i = 0; i < 5; ++i) bar.InsertItem(nShortcuts, -1, s_shortcuts[i].pszName, 6 + i, 0);
    bar.EnableItem(nShortcuts, 4, false);
    return TRUE;
}

BOOL COutBarPage::CreateControls() {
    // The log first: the bars tell it of their first folder changes.
    if (!m_log.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                      CRect(460, 20, 720, 556), this, IDC_LOG))
        return FALSE;
    Log("Notifications, each answered 1:");
    m_hShell = ::LoadLibraryExA("shell32.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    AddIcons(m_large, 32);
    AddIcons(m_small, 16);
    const DWORD dwFlags = OUTBAR_DEFAULTFLAGS | OUTBAR_DROPONFOLDERS | OUTBAR_ANIMATEFOLDERS;
    const char* labels[] = {"Large icons", "Small icons", "A child window", "CKXToolBox", "CKXOutlookBar"};
    const int xs[] = {0, 150, 300, 0, 150};
    for (int i = 0; i < 5; ++i) {
        const int y = i < 3 ? 0 : 284;
        if (!m_labels[i].Create(labels[i], WS_CHILD | WS_VISIBLE, CRect(xs[i], y, xs[i] + 140, y + 18), this))
            return FALSE;
    }
    if (!MakeBar(m_barLarge, IDC_BAR_LARGE, CRect(0, 20, 140, 276), dwFlags | OUTBAR_SHOWSELECTION) ||
        !MakeBar(m_barSmall, IDC_BAR_SMALL, CRect(150, 20, 290, 276), dwFlags) ||
        !MakeBar(m_barTree, IDC_BAR_TREE, CRect(300, 20, 440, 276), dwFlags))
        return FALSE;
    m_barSmall.SetSelFolder(1);  // asks this page, which allows it
    m_barSmall.SetAnimationTickCount(10);

    // The tree shown by the third bar's last folder.
    if (!m_tree.Create(WS_CHILD | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS, CRect(0, 0, 10, 10),
                       &m_barTree, IDC_TREE))
        return FALSE;
    m_tree.SetImageList(&m_small, TVSIL_NORMAL);
    HTREEITEM hRoot = m_tree.InsertItem("Computer", 1, 1);
    for (const char* psz : {"Documents", "Pictures", "Music"}) m_tree.InsertItem(psz, 2, 2, hRoot);
    HTREEITEM hNet = m_tree.InsertItem("Network", 3, 3);
    m_tree.InsertItem("Printers", 4, 4, hNet);
    m_tree.Expand(hRoot, TVE_EXPAND);
    m_tree.Expand(hNet, TVE_EXPAND);
    m_barTree.AddFolderBar("Folders", &m_tree, 0);
    m_barTree.SetSelFolder(2);

    // The tool box: controls to pick from, in flat rows.
    if (!m_toolbox.Create(WS_CHILD | WS_VISIBLE, CRect(0, 304, 140, 556), this, IDC_TOOLBOX,
                          OUTBAR_SMALLICONS | OUTBAR_RENAMEITEMS | OUTBAR_DRAGITEMS))
        return FALSE;
    m_toolbox.SetImageList(&m_small, OUTBAR_IMAGE_SMALL);
    m_toolbox.SetImageList(&m_large, OUTBAR_IMAGE_LARGE);
    m_toolbox.AddFolder("Controls", 0);
    m_toolbox.AddFolder("Components", 0);
    m_toolbox.AddFolder("General", 0);
    for (int i = 0; i < 6; ++i) m_toolbox.InsertItem(0, -1, s_controls[i].pszName, 11 + i, 0);
    for (int i = 0; i < 3; ++i) m_toolbox.InsertItem(1, -1, s_places[i].pszName, i, 0);

    // The list-box variant, its icons from the shell module as resources.
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(150, 304, 240, 556), this, IDC_LIST)) return FALSE;
    const HINSTANCE hOld = AfxGetResourceHandle();
    if (m_hShell) AfxSetResourceHandle(m_hShell);
    for (const auto& item : s_list) m_list.AddMenuItem(item.nIcon, item.pszName);
    AfxSetResourceHandle(hOld);

    return TRUE;
}

void COutBarPage::Log(const CString& strLine) {
    if (m_log.GetSafeHwnd() == nullptr) return;
    if (m_log.GetCount() > 200) m_log.DeleteString(1);
    m_log.SetTopIndex(m_log.AddString(strLine));
}

LRESULT COutBarPage::OnOutBarNotify(WPARAM wParam, LPARAM lParam) {
    CString strLine;
    if (lParam == IDC_LIST) {
        strLine.Format("list box %d: selection %d", static_cast<int>(lParam), static_cast<int>(wParam));
    } else {
        const auto* pInfo = reinterpret_cast<const KX_OUTBAR_INFO*>(lParam);
        const int nCode = static_cast<int>(wParam);
        if (nCode == OBN_ITEMHOVER) return 1;  // too many to log
        strLine.Format("%s %s %d \"%s\"", nCode > 0 && nCode <= OBN_CONTEXTMENU ? s_codes[nCode] : "?",
                       pInfo->bFolder ? "folder" : "item", pInfo->nIndex, pInfo->lpszText ? pInfo->lpszText : "");
        if (nCode == OBN_ITEMMOVED)
            strLine.AppendFormat(" %d->%d, folder %d->%d", pInfo->nDragFrom, pInfo->nDragTo, pInfo->nFolderFrom,
                                 pInfo->nFolderTo);
    }
    Log(strLine);
    return 1;
}

}  // namespace

CGalleryPage* CreateOutBarPage() { return new COutBarPage; }
