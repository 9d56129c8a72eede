// CKXBrowseEdit: CKXEdit with a small push button on its right that picks
// the value instead of typing it.  What the button does is the browse style
// (SetBrowseStyle; its low three bits):
//   0  no button;
//   1  "..." chooses a folder (the folder dialog, starting at the text);
//   2  "..." chooses a file (the open or save dialog, or the application's
//      own file dialog given with SetFileDialog);
//   4  an icon button opens the popup m_nSubMenu of menu m_nMenuID; the
//      chosen command goes to the edit's top-level window, and the button
//      stays pushed while the menu is open;
//   3, 5, 6, 7  no button window.
// Before acting, the edit asks its parent with WM_NOTIFY (code 1, the
// edit's id and window in the header): a nonzero answer means the parent
// has browsed itself.  Either way the edit then selects its text and takes
// the focus.
//
// The button is a sibling (a child of the edit's parent, id 18055, a tab
// stop) placed an edge width to the right of the edit, as tall as it; the
// edit gives up that width whenever it is moved or sized, so that the pair
// fills the rectangle the edit was given.  Showing, hiding, enabling and
// disabling the edit do the same to the button.
//
// Made by Create or subclassed from a dialog item; the set-up runs from the
// library's initialise-control message in both cases (a stale request,
// whose count is not the latest, does nothing).
#pragma once

#include "edit/browse_layout.h"
#include "edit/edit.h"

class CKXButton;
class CFileDialog;

class CKXBrowseEdit : public CKXEdit {
    DECLARE_DYNAMIC(CKXBrowseEdit)
public:
    // The button's control id.
    static constexpr UINT kButtonID = 18055;
    // The code of the WM_NOTIFY that asks the parent first.
    static constexpr UINT kBrowseNotify = 1;

    CKXBrowseEdit();
    ~CKXBrowseEdit() override;

    using CKXEdit::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // The file mode's dialog.  An application's own dialog (the caller
    // keeps it alive) replaces the one built from the settings below.
    virtual void SetFileDialog(CFileDialog* pFileDialog) { m_pFileDialog = pFileDialog; }
    // TRUE: an Open dialog; FALSE: Save As.
    virtual void SetDlgOpenFile(BOOL bOpenFileDialog) { m_bOpenFileDialog = bOpenFileDialog; }
    // Null stores an empty text.
    virtual void SetDlgDefExt(LPCTSTR lpszDefExt) { m_strDefExt = lpszDefExt ? lpszDefExt : ""; }
    virtual void SetDlgFileName(LPCTSTR lpszFileName) { m_strFileName = lpszFileName ? lpszFileName : ""; }
    // OFN_ flags.
    virtual void SetDlgStyle(DWORD dwDlgStyle) { m_dwDlgStyle = dwDlgStyle; }
    // "Name|*.ext|...||", as CFileDialog takes it.
    virtual void SetDlgFilter(LPCTSTR lpszFilter) { m_strFilter = lpszFilter ? lpszFilter : ""; }
    // The parent of the file dialog (the edit itself once it initialises).
    virtual void SetDlgOwner(CWnd* pWnd) { m_pDlgOwner = pWnd; }
    // The folder dialog's title.
    virtual void SetDlgTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }
    // Takes effect when the control initialises: call it before Create (or
    // before subclassing).
    virtual void SetBrowseStyle(DWORD dwStyle, UINT nMenuID = 0, int nSubMenu = 0);
    DWORD GetBrowseStyle() const { return m_dwBrowseStyle; }

    // What a click on the button does: ask the parent, then act by the style.
    virtual void OnBrowse();
    // The folder dialog from the edit's text; IDOK puts the folder in the edit.
    virtual void ChooseDirectory();
    // The file dialog; IDOK puts its path name in the edit.
    virtual void ChooseFile();
    // The popup menu beside the button.
    virtual void PopupMenu();
    // bSelf: set the edit's own rectangle again (which makes room for the
    // button and then places it); otherwise place the button beside the edit.
    virtual void PositionBrowseButton(bool bSelf);

    // The button (null before initialisation and for style 0); its window
    // exists only for styles 1, 2 and 4.
    CKXButton* GetButton() const { return m_pButton; }
    BOOL IsBrowsing() const { return m_bBrowsing; }
    // The width of every browse button.
    static int GetButtonWidth();

protected:
    void PreSubclassWindow() override;
    bool HasButtonWindow() const;

    LRESULT OnInitControl(WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnEnable(BOOL bEnable);
    void OnDestroy();

    int m_nEdgeWidth;
    BYTE m_bBrowsing = 0;
    BOOL m_bOpenFileDialog = TRUE;
    UINT m_nMenuID = 0;
    int m_nSubMenu = 0;
    CWnd* m_pDlgOwner = nullptr;
    DWORD m_dwDlgStyle = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    DWORD m_dwBrowseStyle = KX_BROWSE_DIRECTORY;
    int m_nInitCookie = 1;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strTitle;
    CFileDialog* m_pFileDialog = nullptr;  // the application's
    CKXButton* m_pButton = nullptr;        // owned

    DECLARE_MESSAGE_MAP()
};
