// The browse edit's button: "..." for the dialog styles, the browse image
// for the menu style.  A click, or Enter or Space while it has the focus,
// calls the edit's OnBrowse.
#pragma once

#include "core/button.h"

class CKXBrowseEdit;

class CKXBrowseButton : public CKXButton {
    DECLARE_DYNAMIC(CKXBrowseButton)
public:
    CKXBrowseButton(CKXBrowseEdit* pEdit, DWORD dwStyle, UINT nMenuID, int nSubMenu);
    ~CKXBrowseButton() override;

    // Creates the window for styles 1, 2 and 4; FALSE (and no window) for
    // the others.
    BOOL Create(CWnd* pParent, BOOL bVisible);

    CKXBrowseEdit* GetEdit() const { return m_pEdit; }
    UINT GetMenuID() const { return m_nMenuID; }
    int GetSubMenu() const { return m_nSubMenu; }

protected:
    BOOL OnClicked();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    CKXBrowseEdit* m_pEdit;
    DWORD m_dwStyle;
    UINT m_nMenuID;
    int m_nSubMenu;
    HICON m_hBrowseIcon = nullptr;  // owned

    DECLARE_MESSAGE_MAP()
};
