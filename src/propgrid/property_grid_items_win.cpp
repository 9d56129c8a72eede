#include "propgrid/constraint_rules.h"
#include "propgrid/property_grid_item.h"
#include "propgrid/property_grid_view.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CKXPropertyGridItems, CCmdTarget)
IMPLEMENT_DYNAMIC(CKXItemConstraints, CCmdTarget)

// --- CKXPropertyGridItems -------------------------------------------------------------

CKXPropertyGridItem* CKXPropertyGridItems::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return nullptr;
    return CList::GetAt(FindIndex(nIndex));
}

CKXPropertyGridItem* CKXPropertyGridItems::FindItem(UINT nID) const {
    return KXFindItem<CKXPropertyGridItem>(*this, [nID](const CKXPropertyGridItem* p) { return p->m_nID == nID; });
}

CKXPropertyGridItem* CKXPropertyGridItems::FindItem(LPCTSTR lpszCaption) const {
    if (lpszCaption == nullptr) lpszCaption = "";
    return KXFindItem<CKXPropertyGridItem>(*this, [lpszCaption](const CKXPropertyGridItem* p) {
        return std::strcmp(p->m_strCaption.GetString(), lpszCaption) == 0;
    });
}

void CKXPropertyGridItems::RemoveAt(int nIndex) {
    if (nIndex < 0 || nIndex >= GetCount()) return;
    CKXPropertyGridView* pView = m_pGrid != nullptr && m_pGrid->GetSafeHwnd() != nullptr ? m_pGrid : nullptr;
    if (pView != nullptr) pView->ResetContent();
    const POSITION pos = FindIndex(nIndex);
    CKXPropertyGridItem* pItem = CList::GetAt(pos);
    CList::RemoveAt(pos);
    if (pItem != nullptr) pItem->InternalRelease();
    if (pView != nullptr) pView->Refresh();
}

void CKXPropertyGridItems::Clear() {
    CKXPropertyGridView* pView = m_pGrid != nullptr && m_pGrid->GetSafeHwnd() != nullptr && !m_pGrid->m_bClosing
                                     ? m_pGrid
                                     : nullptr;
    if (pView != nullptr) pView->ResetContent();
    while (!IsEmpty())
        if (CKXPropertyGridItem* pItem = RemoveTail()) pItem->InternalRelease();
    if (pView != nullptr) pView->Refresh();
}

void CKXPropertyGridItems::Sort() {
    KXSortList(*this, [](const CKXPropertyGridItem* p) { return p->m_strCaption.GetString(); });
}

// --- CKXItemConstraints ----------------------------------------------------------------

int CKXItemConstraints::AddConstraint(LPCTSTR lpszConstraint) {
    AddTail(CString(lpszConstraint));
    return static_cast<int>(GetCount()) - 1;
}

int CKXItemConstraints::FindConstaint(LPCTSTR lpszConstraint) const { return KXFindConstraint(*this, lpszConstraint); }

void CKXItemConstraints::Sort() {
    KXSortList(*this, [](const CString& s) { return s.GetString(); });
}
