// The grid's content: categories, finding items, data exchange with the
// application's variables, and which items were expanded.
#include "propgrid/property_grid.h"

#include "propgrid/property_grid_items.h"

namespace {

// Every item depth first in pre-order, categories included.
template <class F>
void ForEachItem(const CKXPropertyGridItems& items, F&& f) {
    for (POSITION pos = items.GetHeadPosition(); pos != nullptr;) {
        CKXPropertyGridItem* pItem = items.GetNext(pos);
        if (pItem == nullptr) continue;
        f(pItem);
        ForEachItem(*pItem->GetChilds(), f);
    }
}

// The item nID seen as T (the caller names the type); null when absent.
template <class T>
T* ItemAs(const CKXPropertyGrid& grid, UINT nID) {
    CKXPropertyGridItem* pItem = grid.FindItem(nID);
    ASSERT(pItem == nullptr || pItem->IsKindOf(RUNTIME_CLASS(T)));
    return static_cast<T*>(pItem);
}

}  // namespace

CKXPropertyGridItem* CKXPropertyGrid::AddCategory(UINT nID) {
    CString strCaption;
    strCaption.LoadString(nID);
    return m_wndView.AddCategory(strCaption);
}

CKXPropertyGridItem* CKXPropertyGrid::FindItem(UINT nID) const { return GetCategories()->FindItem(nID); }

CKXPropertyGridItem* CKXPropertyGrid::FindItem(CString strCaption) const {
    return GetCategories()->FindItem(strCaption.GetString());
}

void CKXPropertyGrid::ResetContent() {
    m_wndView.ResetContent();
    // The collection must not rebuild rows while it empties.
    const BOOL bClosing = m_wndView.m_bClosing;
    m_wndView.m_bClosing = TRUE;
    m_wndView.m_pCategories->Clear();
    m_wndView.m_bClosing = bClosing;
    if (m_wndView.GetSafeHwnd() != nullptr) m_wndView.Invalidate(FALSE);
    OnSelectionChanged(nullptr);
}

BOOL CKXPropertyGrid::SetItemReadOnly(UINT nID, BOOL bReadOnly) {
    CKXPropertyGridItem* pItem = FindItem(nID);
    if (pItem == nullptr) return FALSE;
    pItem->SetReadOnly(bReadOnly);
    return TRUE;
}

// --- values ---------------------------------------------------------------------------------

BOOL CKXPropertyGrid::UpdateData(BOOL bSaveAndValidate) {
    BOOL bResult = TRUE;
    if (m_wndView.GetSafeHwnd() == nullptr) return bResult;
    for (int i = 0; i < m_wndView.GetCount(); ++i)
        if (CKXPropertyGridItem* pItem = m_wndView.GetItem(i))
            if (!pItem->UpdateData(bSaveAndValidate)) bResult = FALSE;
    return bResult;
}

BOOL CKXPropertyGrid::UpdateItemValue(int& nValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemBool>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        nValue = pItem->GetBool();
    else
        pItem->SetBool(nValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(long& nValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemNumber>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        nValue = pItem->GetNumber();
    else
        pItem->SetNumber(nValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(DWORD& dwValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemColor>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        dwValue = pItem->GetColor();
    else
        pItem->SetColor(dwValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(LOGFONT& lfValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemFont>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        pItem->GetFont(&lfValue);
    else
        pItem->SetFont(lfValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(CRect& rcValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemRect>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        rcValue = pItem->GetRect();
    else
        pItem->SetRect(rcValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(CSize& szValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemSize>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        szValue = pItem->GetSize();
    else
        pItem->SetSize(szValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(HICON& hValue, UINT nID, BOOL bSaveAndValidate) {
    auto* pItem = ItemAs<CKXPropertyGridItemIcon>(*this, nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        hValue = pItem->GetIcon();
    else
        pItem->SetIcon(hValue);
    return TRUE;
}

BOOL CKXPropertyGrid::UpdateItemValue(CString& strValue, UINT nID, BOOL bSaveAndValidate) {
    CKXPropertyGridItem* pItem = FindItem(nID);
    if (pItem == nullptr) return FALSE;
    if (bSaveAndValidate)
        strValue = pItem->GetValue();
    else
        pItem->SetValue(strValue);
    return TRUE;
}

// --- which items are expanded --------------------------------------------------------------

void CKXPropertyGrid::SaveExpandingState(int& nSelectedID) {
    CKXPropertyGridItem* pSelected = GetSelectedItem();
    nSelectedID = pSelected != nullptr ? static_cast<int>(pSelected->GetID()) : 0;
    ForEachItem(*GetCategories(), [this](CKXPropertyGridItem* pItem) {
        if (pItem->GetID() != 0) m_mapExpanding[pItem->GetID()] = pItem->IsExpanded();
    });
}

void CKXPropertyGrid::RestoreExpandingState(int nSelectedID) {
    CKXPropertyGridItem* pSelect = nullptr;
    ForEachItem(*GetCategories(), [this, nSelectedID, &pSelect](CKXPropertyGridItem* pItem) {
        if (pItem->GetID() == 0) return;
        BOOL bExpanded = FALSE;
        if (m_mapExpanding.Lookup(pItem->GetID(), bExpanded)) {
            if (bExpanded)
                pItem->Expand();
            else
                pItem->Collapse();
        }
        if (static_cast<int>(pItem->GetID()) == nSelectedID) pSelect = pItem;
    });
    if (m_wndView.GetSafeHwnd() == nullptr) return;
    // The row is chosen first; the selection change runs once, at the end.
    for (int i = 0; pSelect != nullptr && i < m_wndView.GetCount(); ++i)
        if (m_wndView.GetItem(i) == pSelect) m_wndView.SetCurSel(i);
    m_wndView.OnSelectionChanged();
}
