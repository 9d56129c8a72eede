#include "propgrid/property_grid_item_bool.h"

#include "propgrid/property_grid_bound.h"
#include "propgrid/property_grid_view.h"
#include "propgrid/typed_value_text.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridInplaceCheckBox, CButton)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemBool, CKXPropertyGridItem)

// --- the check box ---------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CKXPropertyGridInplaceCheckBox, CButton)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

UINT CKXPropertyGridInplaceCheckBox::OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS; }

void CKXPropertyGridInplaceCheckBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CKXPropertyGridView* pView = m_pItem != nullptr ? static_cast<CKXPropertyGridView*>(m_pItem->GetGrid()) : nullptr;
    switch (nChar) {
    case VK_TAB:
        if (pView != nullptr) pView->FocusNextControl(::GetKeyState(VK_SHIFT) < 0);
        return;
    case VK_ESCAPE:
        if (m_pItem != nullptr) SetCheck(m_pItem->GetBool() ? BST_CHECKED : BST_UNCHECKED);
        return;
    case VK_RETURN:
        if (pView != nullptr) pView->NotifyOwner(KX_PGN_EDIT_CHANGED, reinterpret_cast<LPARAM>(this));
        return;
    default:
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CKXPropertyGridInplaceCheckBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Tab, Escape and Enter were handled as keys; the button would beep.
    if (nChar == VK_TAB || nChar == VK_ESCAPE || nChar == VK_RETURN) return;
    CButton::OnChar(nChar, nRepCnt, nFlags);
}

void CKXPropertyGridInplaceCheckBox::OnClicked() {
    if (m_pItem == nullptr) return;
    const BOOL bChecked = GetCheck() == BST_CHECKED;
    m_pItem->OnValueChanged(bChecked ? m_pItem->m_strTrueText : m_pItem->m_strFalseText);
}

// --- the item ------------------------------------------------------------------------------

CKXPropertyGridItemBool::CKXPropertyGridItemBool(LPCTSTR lpszCaption, BOOL bValue, BOOL* pBindBool,
                                                 UINT nCheckBoxStyle)
    : CKXPropertyGridItem(lpszCaption), m_pBindBool(pBindBool) {
    SetCheckBoxStyle(nCheckBoxStyle);
    SetBool(bValue);
}

CKXPropertyGridItemBool::CKXPropertyGridItemBool(UINT nID, BOOL bValue, BOOL* pBindBool, UINT nCheckBoxStyle)
    : CKXPropertyGridItem(nID), m_pBindBool(pBindBool) {
    SetCheckBoxStyle(nCheckBoxStyle);
    SetBool(bValue);
}

CKXPropertyGridItemBool::~CKXPropertyGridItemBool() { DestroyCheckBox(); }

void CKXPropertyGridItemBool::SetBool(BOOL bValue) {
    m_bValue = bValue ? TRUE : FALSE;
    if (m_pBindBool != nullptr) *m_pBindBool = m_bValue;
    CKXPropertyGridItem::SetValue(m_bValue ? m_strTrueText : m_strFalseText);
    if (m_pCheckBox != nullptr) m_pCheckBox->SetCheck(m_bValue ? BST_CHECKED : BST_UNCHECKED);
}

void CKXPropertyGridItemBool::SetValue(LPCTSTR lpszValue) { SetBool(KXIsTrueText(lpszValue, m_strTrueText)); }

BOOL CKXPropertyGridItemBool::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindBool, m_bValue, bSaveAndValidate, [this](const BOOL& value) { SetBool(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}

void CKXPropertyGridItemBool::SetValueText(LPCTSTR lpszTrueText, LPCTSTR lpszFalseText) {
    m_strTrueText = lpszTrueText != nullptr ? lpszTrueText : "";
    m_strFalseText = lpszFalseText != nullptr ? lpszFalseText : "";
    if (m_nCheckBoxStyle == 0) FillConstraints();
    SetBool(m_bValue);
}

void CKXPropertyGridItemBool::FillConstraints() {
    m_pConstraints->RemoveAll();
    m_pConstraints->SetCurrent(-1);
    m_pConstraints->AddConstraint(m_strTrueText);
    m_pConstraints->AddConstraint(m_strFalseText);
}

void CKXPropertyGridItemBool::SetCheckBoxStyle(UINT nStyle) {
    m_nCheckBoxStyle = nStyle;
    if (nStyle == 0) {
        m_nFlags = KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON;
        FillConstraints();
        m_bConstraintEdit = TRUE;
    } else {
        m_nFlags = 0;
        m_pConstraints->RemoveAll();
        m_pConstraints->SetCurrent(-1);
        m_bConstraintEdit = FALSE;
    }
    if (CKXPropertyGridView* pView = GetLiveView()) {
        if (IsSelected()) {
            OnDeselect();
            OnSelect();
        }
        pView->Invalidate(FALSE);
    }
}

CRect CKXPropertyGridItemBool::GetValueRect() {
    CRect rc = CKXPropertyGridItem::GetValueRect();
    if (m_nCheckBoxStyle > 0) rc.left += 17;  // the check box
    return rc;
}

void CKXPropertyGridItemBool::OnSelect() {
    CKXPropertyGridItem::OnSelect();
    CKXPropertyGridView* pView = GetLiveView();
    if (m_nCheckBoxStyle == 0 || m_bReadOnly || pView == nullptr || m_pCheckBox != nullptr) return;
    const CRect rcValue = GetValueRect();
    const CRect rc(rcValue.left - 15, rcValue.top, rcValue.left, rcValue.bottom);
    m_pCheckBox = new CKXPropertyGridInplaceCheckBox(this);
    if (!m_pCheckBox->Create("", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, rc, pView, 0)) {
        delete m_pCheckBox;
        m_pCheckBox = nullptr;
        return;
    }
    m_pCheckBox->SetCheck(m_bValue ? BST_CHECKED : BST_UNCHECKED);
    m_pCheckBox->ShowWindow(SW_SHOW);
}

void CKXPropertyGridItemBool::OnDeselect() {
    DestroyCheckBox();
    CKXPropertyGridItem::OnDeselect();
}

void CKXPropertyGridItemBool::DestroyCheckBox() {
    if (m_pCheckBox == nullptr) return;
    m_pCheckBox->DestroyWindow();
    delete m_pCheckBox;
    m_pCheckBox = nullptr;
}

BOOL CKXPropertyGridItemBool::OnDrawItemValue(CDC& dc, CRect rcValue) {
    if (m_nCheckBoxStyle == 0) return FALSE;
    if ((m_nCheckBoxStyle == 1 || m_nCheckBoxStyle == 2) && m_pCheckBox == nullptr) {
        // Where the check box stands while the row is selected.
        const int cy = rcValue.Height() < 13 ? rcValue.Height() : 13;
        CRect rcBox(rcValue.left + 1, rcValue.top + (rcValue.Height() - cy) / 2, rcValue.left + 1 + cy, 0);
        rcBox.bottom = rcBox.top + cy;
        dc.DrawFrameControl(&rcBox, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (m_bValue ? DFCS_CHECKED : 0));
    }
    if (m_nCheckBoxStyle == 1 || m_nCheckBoxStyle == 3) {
        CRect rcText = rcValue;
        rcText.left += 17;
        dc.DrawText(m_strValue, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return TRUE;
}
