// CToolBarButtons: what a control bar around the common toolbar control
// keeps and does with its buttons: the button and image sizes, the image
// well (whose standard greys follow the system colours) and where it came
// from, and the operations on the control's buttons by index.  CToolBar is
// built on it, and so is any other bar hosting the toolbar control; it
// acts on the bar's window as it is when called (nothing before creation).
#pragma once

#include "base/toolbar_wrap.h"
#include "win/ctl_common.h"

class CCmdTarget;

class CToolBarButtons {
public:
    explicit CToolBarButtons(CWnd* pBar) : m_pBar(pBar) {}
    // The image well goes; the bar's window must be gone already.
    ~CToolBarButtons();
    CToolBarButtons(const CToolBarButtons&) = delete;
    CToolBarButtons& operator=(const CToolBarButtons&) = delete;

    // The buttons, sizes and bitmap of toolbar resource lpszResourceName;
    // FALSE (and nothing changed) when the resource is missing or malformed.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // Takes ownership of hbmImageWell, replacing the bitmap in use.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // After a system colour change: the resource bitmap mapped again.
    void ReloadBitmap();
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // Records sizes the control was given directly (TB_SETBUTTONSIZE...).
    void NoteButtonSize(CSize size) { m_sizeButton = size; }
    void NoteImageSize(CSize size) { m_sizeImage = size; }

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    CString GetButtonText(int nIndex) const;
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);

    // The buttons' style, state and command for a layout (sizes left to the caller).
    void ReadLayout(AFX_TBLAYOUTBUTTON* pButtons, int nCount) const;
    // Gives the control the states (wrap bits) of a layout.
    void CommitLayout(const AFX_TBLAYOUTBUTTON* pButtons, int nCount);
    // The union of the buttons' rectangles (but separators ending rows),
    // from the origin: what the control made of a committed layout.
    CSize GetButtonsExtent() const;

    // The button under point (client): its command, and its rectangle as
    // the tool; -1 over a separator or no button.
    INT_PTR ToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    // Updates every button through pTarget's command routing, as menu items.
    void UpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    CSize m_sizeImage{16, 15};
    CSize m_sizeButton{23, 22};

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL HasWindow() const { return m_pBar->GetSafeHwnd() != nullptr; }

    CWnd* m_pBar;
    HBITMAP m_hbmImageWell = nullptr;  // owned
    // Where the image well came from, to map it again to new system colours.
    HINSTANCE m_hInstImageWell = nullptr;
    CString m_strImageWell;       // a named resource
    UINT_PTR m_nIDImageWell = 0;  // a numbered one
};
