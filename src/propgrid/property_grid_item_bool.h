// The Boolean property item.  With check-box style 0 its value is one of
// two texts ("True" and "False" unless the application gives others),
// chosen from a drop-down list or by a typed first letter.  With a style
// above 0 a check box stands at the left of the value instead: styles 1 and
// 2 draw a check-box frame in rows that are not selected, styles 1 and 3
// draw the text beside it.
#pragma once

#include "propgrid/property_grid_item.h"

class CKXPropertyGridItemBool;

// The check box of the selected Boolean item, an automatic check box child
// of the view.  Tab and Shift+Tab leave for the next or previous control of
// the dialog, Escape shows the item's value again, Space toggles, Enter
// tells the owner (KX_PGN_EDIT_CHANGED).
class CKXPropertyGridInplaceCheckBox : public CButton {
    DECLARE_DYNAMIC(CKXPropertyGridInplaceCheckBox)
public:
    explicit CKXPropertyGridInplaceCheckBox(CKXPropertyGridItemBool* pItem = nullptr) : m_pItem(pItem) {}
    CKXPropertyGridItemBool* GetItem() const { return m_pItem; }

protected:
    UINT OnGetDlgCode();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnClicked();

    CKXPropertyGridItemBool* m_pItem;
    DECLARE_MESSAGE_MAP()
};

class CKXPropertyGridItemBool : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemBool)
public:
    CKXPropertyGridItemBool(LPCTSTR lpszCaption, BOOL bValue = FALSE, BOOL* pBindBool = nullptr,
                            UINT nCheckBoxStyle = 0);
    explicit CKXPropertyGridItemBool(UINT nID, BOOL bValue = FALSE, BOOL* pBindBool = nullptr,
                                     UINT nCheckBoxStyle = 0);
    ~CKXPropertyGridItemBool() override;

    void SetBool(BOOL bValue);
    BOOL GetBool() const { return m_bValue; }
    void BindToBool(BOOL* pBindBool) { m_pBindBool = pBindBool; }
    // The texts of the two values; the shown text follows.
    void SetValueText(LPCTSTR lpszTrueText, LPCTSTR lpszFalseText);
    CString GetTrueText() const { return m_strTrueText; }
    CString GetFalseText() const { return m_strFalseText; }
    void SetCheckBoxStyle(UINT nStyle);
    UINT GetCheckBoxStyle() const { return m_nCheckBoxStyle; }
    // The check box while the item is selected with a check-box style.
    CKXPropertyGridInplaceCheckBox* GetCheckBox() const { return m_pCheckBox; }

    CRect GetValueRect() override;
    // TRUE for the true text, letter case aside; anything else is FALSE.
    void SetValue(LPCTSTR lpszValue) override;
    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;
    void OnSelect() override;
    void OnDeselect() override;

protected:
    void DestroyCheckBox();
    void FillConstraints();

    BOOL m_bValue = FALSE;
    BOOL* m_pBindBool = nullptr;
    CString m_strTrueText = "True";
    CString m_strFalseText = "False";
    UINT m_nCheckBoxStyle = 0;
    CKXPropertyGridInplaceCheckBox* m_pCheckBox = nullptr;

    friend class CKXPropertyGridInplaceCheckBox;
};
