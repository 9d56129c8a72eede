#include "propgrid/property_grid_item.h"

#include "propgrid/constraint_rules.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_view.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridItem, CCmdTarget)

namespace {
using CRows = CKXPropertyRows<CKXPropertyGridItem>;
}

CKXPropertyGridItem::CKXPropertyGridItem(LPCTSTR lpszCaption, LPCTSTR lpszValue, CString* pBindString)
    : m_strValue(lpszValue), m_strCaption(lpszCaption), m_pChilds(new CKXPropertyGridItems),
      m_pConstraints(new CKXItemConstraints) {
    BindToString(pBindString);
}

CKXPropertyGridItem::CKXPropertyGridItem(UINT nID, LPCTSTR lpszValue, CString* pBindString)
    : m_nID(nID), m_strValue(lpszValue), m_pChilds(new CKXPropertyGridItems),
      m_pConstraints(new CKXItemConstraints) {
    CString strText;
    if (strText.LoadString(nID)) {
        const int n = strText.Find('\n');
        if (n >= 0) {
            m_strCaption = strText.Left(n);
            m_strDescription = strText.Mid(n + 1);
        } else {
            m_strCaption = strText;
        }
    }
    BindToString(pBindString);
}

CKXPropertyGridItem::~CKXPropertyGridItem() {
    if (m_pGrid != nullptr && m_pGrid->m_pSelected == this) m_pGrid->m_pSelected = nullptr;
    // The rows no longer hold the subtree (it was removed, or the view is
    // going): the children are released without row work.
    while (!m_pChilds->IsEmpty())
        if (CKXPropertyGridItem* pChild = m_pChilds->RemoveTail()) pChild->InternalRelease();
    if (GetInplaceEdit().GetItem() == this) GetInplaceEdit().DestroyItem();
    if (GetInplaceButton().GetItem() == this) GetInplaceButton().DestroyItem();
    if (GetInplaceList().GetItem() == this) GetInplaceList().DestroyItem();
    m_pChilds->InternalRelease();
    m_pConstraints->InternalRelease();
}

// --- the tree ---------------------------------------------------------------------

void CKXPropertyGridItem::Attach(CKXPropertyGridView* pGrid, int nIndent) {
    m_pGrid = pGrid;
    m_pChilds->m_pGrid = pGrid;
    m_nIndent = nIndent;
    for (POSITION pos = m_pChilds->GetHeadPosition(); pos != nullptr;)
        if (CKXPropertyGridItem* pChild = m_pChilds->GetNext(pos)) pChild->Attach(pGrid, nIndent + 1);
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(CKXPropertyGridItem* pItem) {
    // An item has one owner: one already placed, a category, this item or
    // an ancestor of it cannot be added.
    if (pItem == nullptr || pItem->m_pParent != nullptr || pItem->m_bCategory || pItem == this ||
        HasParent(pItem)) {
        ASSERT(FALSE);
        return nullptr;
    }
    m_pChilds->AddTail(pItem);
    pItem->m_pParent = this;
    pItem->Attach(m_pGrid, m_nIndent + 1);
    pItem->OnAddChildItem();
    if (CKXPropertyGridView* pView = GetLiveView(); pView != nullptr && m_bVisible) {
        if (m_bExpanded)
            pView->Refresh();
        else if (m_pChilds->GetCount() == 1)
            pView->Invalidate(FALSE);  // the expand box appears
    }
    return pItem;
}

CKXPropertyGridItem* CKXPropertyGridItem::AddChildItem(UINT nID, LPCTSTR lpszValue, int nFlags) {
    CKXPropertyGridItem* pItem = new CKXPropertyGridItem(nID, lpszValue);
    if (nFlags != 0) pItem->m_nFlags = static_cast<UINT>(nFlags);
    return AddChildItem(pItem);
}

void CKXPropertyGridItem::Remove() {
    CKXPropertyGridItems* pList = nullptr;
    if (m_bCategory)
        pList = m_pGrid != nullptr ? m_pGrid->m_pCategories : nullptr;
    else if (m_pParent != nullptr)
        pList = m_pParent->m_pChilds;
    if (pList != nullptr) {
        if (POSITION pos = pList->Find(this)) pList->CList::RemoveAt(pos);
    }
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Refresh();
    InternalRelease();
}

BOOL CKXPropertyGridItem::HasParent(const CKXPropertyGridItem* pParent) const {
    return CRows::IsDescendant(this, pParent);
}

CKXPropertyGridItem* CKXPropertyGridItem::GetFirstChildItem(POSITION& pos) const {
    pos = m_pChilds->GetHeadPosition();
    return GetNextChildItem(pos);
}

CKXPropertyGridItem* CKXPropertyGridItem::GetNextChildItem(POSITION& pos) const {
    return pos != nullptr ? m_pChilds->GetNext(pos) : nullptr;
}

CWnd* CKXPropertyGridItem::GetGrid() const { return m_pGrid; }

CKXPropertyGridView* CKXPropertyGridItem::GetLiveView() const {
    return m_pGrid != nullptr && m_pGrid->GetSafeHwnd() != nullptr ? m_pGrid : nullptr;
}

// --- state -----------------------------------------------------------------------

void CKXPropertyGridItem::Expand() {
    CKXPropertyGridView::CRowHost rows(m_pGrid);
    CRows::Expand(rows, this);
}

void CKXPropertyGridItem::Collapse() {
    CKXPropertyGridView::CRowHost rows(m_pGrid);
    CRows::Collapse(rows, this);
}

void CKXPropertyGridItem::Select() {
    CKXPropertyGridView::CRowHost rows(m_pGrid);
    CRows::Select(rows, this);
}

BOOL CKXPropertyGridItem::IsSelected() const {
    CKXPropertyGridView* pView = GetLiveView();
    return pView != nullptr && m_bVisible && pView->GetItem(pView->GetCurSel()) == this;
}

CRect CKXPropertyGridItem::GetItemRect() const {
    CRect rc(0, 0, 0, 0);
    if (CKXPropertyGridView* pView = GetLiveView(); pView != nullptr && m_bVisible) {
        if (pView->GetItemRect(m_nIndex, &rc) == LB_ERR) rc.SetRectEmpty();
    }
    return rc;
}

void CKXPropertyGridItem::SetReadOnly(BOOL bReadOnly) {
    m_bReadOnly = bReadOnly;
    CKXPropertyGridView* pView = GetLiveView();
    if (pView == nullptr) return;
    if (IsSelected()) {
        OnDeselect();
        OnSelect();
    }
    pView->Invalidate(FALSE);
}

// --- value ---------------------------------------------------------------------------

void CKXPropertyGridItem::BindToString(CString* pBindString) {
    m_pBindString = pBindString;
    if (m_pBindString != nullptr) *m_pBindString = m_strValue;
}

CRect CKXPropertyGridItem::GetValueRect() {
    const CKXPropertyGridInplaceButton& button = GetInplaceButton();
    const bool bButton = (m_nFlags & (KX_ITEM_BROWSE_BUTTON | KX_ITEM_LIST_BUTTON)) != 0 &&
                         button.GetItem() == this && button.GetSafeHwnd() != nullptr && button.IsWindowVisible();
    const int nDivider = m_pGrid != nullptr ? m_pGrid->GetDividerPos() : 0;
    return KXItemValueRect(GetItemRect(), nDivider, bButton);
}

void CKXPropertyGridItem::SetValue(LPCTSTR lpszValue) {
    m_strValue = lpszValue;
    if (m_pBindString != nullptr) *m_pBindString = m_strValue;
    SetEditText(m_strValue);
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}

void CKXPropertyGridItem::SetEditText(CString strEditText) {
    if (m_pGrid == nullptr) return;
    CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (edit.GetSafeHwnd() == nullptr || edit.GetItem() != this) return;
    // An unchanged text is not set again: the owner would hear of a change.
    CString strText;
    edit.GetWindowText(strText);
    if (strText != strEditText) edit.SetWindowText(strEditText);
}

void CKXPropertyGridItem::OnValueChanged(LPCTSTR lpszValue) {
    SetValue(lpszValue);
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
    NotifyOwner(KX_PGN_ITEMVALUE_CHANGED, reinterpret_cast<LPARAM>(this));
}

BOOL CKXPropertyGridItem::OnDrawItemValue(CDC&, CRect) { return FALSE; }

BOOL CKXPropertyGridItem::UpdateData(BOOL bSaveAndValidate) {
    if (m_pBindString != nullptr) {
        if (bSaveAndValidate)
            *m_pBindString = m_strValue;
        else
            SetValue(*m_pBindString);
    }
    return TRUE;
}

void CKXPropertyGridItem::OnValidateEdit() {
    CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
    edit.HideWindow();
    if (edit.GetSafeHwnd() == nullptr || edit.GetItem() != this) return;
    CString strText;
    edit.GetWindowText(strText);
    if (strText != m_strValue) OnValueChanged(strText);
}

LRESULT CKXPropertyGridItem::NotifyOwner(WPARAM nCode, LPARAM lParam) const {
    return m_pGrid != nullptr ? m_pGrid->NotifyOwner(nCode, lParam) : 0;
}

// --- in-place controls -----------------------------------------------------------------

CKXPropertyGridInplaceEdit& CKXPropertyGridItem::GetInplaceEdit() const {
    static CKXPropertyGridInplaceEdit s_wndEdit;
    return m_pGrid != nullptr ? m_pGrid->m_wndEdit : s_wndEdit;
}

CKXPropertyGridInplaceButton& CKXPropertyGridItem::GetInplaceButton() const {
    static CKXPropertyGridInplaceButton s_wndButton;
    return m_pGrid != nullptr ? m_pGrid->m_wndButton : s_wndButton;
}

CKXPropertyGridInplaceList& CKXPropertyGridItem::GetInplaceList() const {
    static CKXPropertyGridInplaceList s_wndList;
    return m_pGrid != nullptr ? m_pGrid->m_wndListBox : s_wndList;
}

void CKXPropertyGridItem::OnSelect() {
    CKXPropertyGridInplaceButton& button = GetInplaceButton();
    if (!m_bReadOnly && (m_nFlags & (KX_ITEM_BROWSE_BUTTON | KX_ITEM_LIST_BUTTON)) != 0)
        button.Create(this, GetItemRect());
    else
        button.HideWindow();
    CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (m_nFlags & KX_ITEM_EDIT) {
        edit.SetValue(m_strValue);
        edit.Create(this, GetValueRect());
        if (edit.GetSafeHwnd() != nullptr) edit.SetReadOnly(m_bReadOnly);
    } else {
        edit.HideWindow();
    }
}

void CKXPropertyGridItem::OnDeselect() {
    GetInplaceButton().HideWindow();
    OnValidateEdit();
}

BOOL CKXPropertyGridItem::OnChar(UINT nChar) {
    if (!(m_nFlags & KX_ITEM_EDIT)) return FALSE;
    OnSelect();
    CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (edit.GetSafeHwnd() == nullptr) return TRUE;
    edit.SetFocus();
    edit.SetSel(0, -1);
    if (nChar != VK_TAB) edit.SendMessage(WM_CHAR, nChar);
    return TRUE;
}

void CKXPropertyGridItem::OnLButtonDblClk() {
    if (HasChilds()) {
        if (m_bExpanded)
            Collapse();
        else
            Expand();
        return;
    }
    OnSelect();
    if (m_nFlags & KX_ITEM_EDIT) {
        CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
        if (!m_bReadOnly && edit.SelectConstraint(1, TRUE)) {
            OnValidateEdit();
            return;
        }
        if (edit.GetSafeHwnd() == nullptr) return;
        edit.SetFocus();
        edit.SetSel(0, -1);
        edit.SendMessage(EM_SCROLLCARET);
    } else if (!m_bReadOnly && m_pConstraints->GetCount() > 0) {
        const int nCount = static_cast<int>(m_pConstraints->GetCount());
        const int i = KXCycleConstraint(m_pConstraints->GetCurrent(), m_pConstraints->FindConstaint(m_strValue), nCount);
        m_pConstraints->SetCurrent(i);
        OnValueChanged(KXConstraintAt(*m_pConstraints, i));
    }
}

BOOL CKXPropertyGridItem::OnLButtonDown(UINT, CPoint point) {
    if (CKXPropertyGridView* pView = GetLiveView()) pView->SetFocus();
    Select();
    if (KXIsInExpandBand(m_nIndent, point.x)) {
        if (m_bExpanded)
            Collapse();
        else
            Expand();
    }
    CKXPropertyGridInplaceEdit& edit = GetInplaceEdit();
    CKXPropertyGridView* pView = GetLiveView();
    if (pView == nullptr || !(m_nFlags & KX_ITEM_EDIT) || !GetValueRect().PtInRect(point) ||
        edit.GetSafeHwnd() == nullptr || edit.GetItem() != this)
        return TRUE;
    // The press goes on into the edit box just placed under it.  A press of
    // the real button is repeated as input at the cursor; a press that came
    // as a message (the cursor is elsewhere) is passed on as one.
    CPoint ptScreen = point;
    pView->ClientToScreen(&ptScreen);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (ptCursor == ptScreen && (::GetKeyState(VK_LBUTTON) & 0x8000)) {
        ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    } else {
        CPoint pt = ptScreen;
        edit.ScreenToClient(&pt);
        edit.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    return TRUE;
}

void CKXPropertyGridItem::OnAddChildItem() {}

void CKXPropertyGridItem::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    if ((m_nFlags & KX_ITEM_LIST_BUTTON) && m_pConstraints->GetCount() > 0) {
        GetInplaceList().Create(this, GetItemRect());
        if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
    }
}
