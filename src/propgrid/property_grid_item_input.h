// Property items edited in controls of their own instead of the view's edit
// box: a hot key (a hot-key field over the value) and a masked text (a
// masked edit over the value).  Each item owns its control; it shows while
// the item is selected and is hidden when the edit is committed.
#pragma once

#include "edit/mask_edit.h"
#include "propgrid/property_grid_item.h"
#include "win/ctl_common.h"

class CKXPropertyGridItemHotKey;
class CKXPropertyGridItemMaskEdit;

// Commits its item when it loses the focus.
class CKXPropertyGridInplaceHotKey : public CHotKeyCtrl {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceHotKey)
public:
    explicit CKXPropertyGridInplaceHotKey(CKXPropertyGridItemHotKey* pItem) : m_pItem(pItem) {}

protected:
    void OnKillFocus(CWnd* pNewWnd);
    CKXPropertyGridItemHotKey* m_pItem;
    DECLARE_MESSAGE_MAP()
};

class CKXPropertyGridItemHotKey : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemHotKey)
public:
    CKXPropertyGridItemHotKey(LPCTSTR lpszCaption, WORD wVirtualKeyCode = 0, WORD wModifiers = 0);
    explicit CKXPropertyGridItemHotKey(UINT nID, WORD wVirtualKeyCode = 0, WORD wModifiers = 0);
    ~CKXPropertyGridItemHotKey() override;

    // The key and its HOTKEYF_ modifiers; the text is the key's name.
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers);
    // The key in the low word, the modifiers in the high word.
    void SetHotKey(DWORD dwHotKey) { SetHotKey(LOWORD(dwHotKey), HIWORD(dwHotKey)); }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const;
    DWORD GetHotKey() const { return MAKELONG(m_wVirtualKeyCode, m_wModifiers); }
    // The name the platform gives the combination, e.g. "Ctrl + F5".
    CString GetHotKeyName() const;
    CHotKeyCtrl& GetHotKeyCtrl() { return m_wndHotKey; }

    void OnSelect() override;
    BOOL OnChar(UINT nChar) override;
    void OnLButtonDblClk() override;
    void OnValidateEdit() override;

protected:
    BOOL PlaceField();

    WORD m_wVirtualKeyCode = 0;
    WORD m_wModifiers = 0;
    CKXPropertyGridInplaceHotKey m_wndHotKey;
};

// The masked edit of a masked-text item: it commits when it loses the focus
// and on Enter; Escape restores the value.
class CKXPropertyGridInplaceMaskEdit : public CKXMaskEdit {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceMaskEdit)
public:
    explicit CKXPropertyGridInplaceMaskEdit(CKXPropertyGridItemMaskEdit* pItem) : m_pItem(pItem) {}

protected:
    UINT OnGetDlgCode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    CKXPropertyGridItemMaskEdit* m_pItem;
    DECLARE_MESSAGE_MAP()
};

class CKXPropertyGridItemMaskEdit : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemMaskEdit)
public:
    CKXPropertyGridItemMaskEdit(LPCTSTR lpszCaption, LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszValue = nullptr,
                                CString* pBindString = nullptr);
    CKXPropertyGridItemMaskEdit(UINT nID, LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszValue = nullptr,
                                CString* pBindString = nullptr);
    ~CKXPropertyGridItemMaskEdit() override;

    // The mask and literal of the edit, and the value.
    void SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszValue);
    CString GetMask() const { return m_strMask; }
    CString GetLiteral() const { return m_strLiteral; }
    CKXMaskEdit& GetMaskEdit() { return m_wndMaskEdit; }

    void OnSelect() override;
    BOOL OnChar(UINT nChar) override;
    void OnLButtonDblClk() override;
    void OnValidateEdit() override;
    void SetEditText(CString strEditText) override;

protected:
    BOOL PlaceEdit();

    CString m_strMask;
    CString m_strLiteral;
    CKXPropertyGridInplaceMaskEdit m_wndMaskEdit;
};
