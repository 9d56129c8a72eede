// The tree of a property grid and its rows: sorting a list of items or
// strings, searching a tree, and keeping the rows of a view in step with the
// tree as items expand, collapse and the sort order changes.
//
// The rules are templates over the item type so that the tests and the fuzz
// target run them on a plain node type, and the grid view on its items.
//
// Item type T (CKXPropertyGridItem; a test node) has these members, reachable
// by CKXPropertyRows<T> (a friend where they are protected):
//   int m_nIndex;        the item's row while it is shown
//   BOOL m_bVisible;     TRUE exactly while the item has a row
//   BOOL m_bExpanded;    its children are shown below it
//   T* m_pParent;        null at the top
//   CString m_strCaption;
//   L* m_pChilds;        the children in display order, L derived from CList<T*, T*>
//
// Host type H, the rows (the view's list box; a vector in the tests):
//   int GetRowCount() const;
//   T* GetRow(int nIndex) const;          null outside 0..count-1
//   int InsertRow(int nIndex, T* pItem);  -1 appends; the new row's index, or -1
//   void DeleteRow(int nIndex);
//   int GetCurSel() const;                -1: none
//   void SetCurSel(int nIndex);
//   void ResetRows();                     forgets the active item, then ClearRows-like
//   void OnSelectionChanged();            the selection change of the view
// Inserting a row at or above the current one moves the selection down with
// its row; deleting the current row leaves none selected (as a list box does).
//
// Contract: no function trusts an index.  A row that cannot be inserted is
// skipped; an item that is not shown makes no row change.
#pragma once

#include "base/clist.h"
#include "base/cstring.h"
#include "propgrid/property_grid_defs.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Sorts list ascending by key(element) (a C string), stably: the order
// inserting each element, in the order before sorting, before the first
// element of a new list whose key compares greater gives.  Keys compare
// bytewise, case-sensitively.
template <class TYPE, class ARG_TYPE, class KEY>
void KXSortList(CList<TYPE, ARG_TYPE>& list, KEY key) {
    std::vector<TYPE> elements;
    elements.reserve(static_cast<size_t>(list.GetCount()));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) elements.push_back(list.GetNext(pos));
    std::stable_sort(elements.begin(), elements.end(),
                     [&](const TYPE& a, const TYPE& b) { return std::strcmp(key(a), key(b)) < 0; });
    list.RemoveAll();
    for (const TYPE& element : elements) list.AddTail(element);
}

// The first item for which match(item) holds, depth first in pre-order (an
// item, its whole subtree, then its next sibling); null when none.
template <class T, class L, class MATCH>
T* KXFindItem(const L& list, MATCH match) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        T* pItem = list.GetNext(pos);
        if (pItem == nullptr) continue;
        if (match(pItem)) return pItem;
        if (pItem->m_pChilds != nullptr) {
            if (T* pFound = KXFindItem<T>(*pItem->m_pChilds, match)) return pFound;
        }
    }
    return nullptr;
}

template <class T>
class CKXPropertyRows {
public:
    // Whether pAncestor is the parent, grandparent or a further ancestor.
    static bool IsDescendant(const T* pItem, const T* pAncestor) {
        if (pAncestor == nullptr) return false;
        for (const T* p = pItem->m_pParent; p != nullptr; p = p->m_pParent)
            if (p == pAncestor) return true;
        return false;
    }

    // Gives pItem the row nIndex (-1: at the end) and, when it is expanded,
    // its shown descendants the rows below it.  Returns the index after the
    // last row inserted.
    template <class H>
    static int InsertItem(H& host, T* pItem, int nIndex) {
        const int nRow = host.InsertRow(nIndex, pItem);
        if (nRow < 0) return nIndex < 0 ? host.GetRowCount() : nIndex;
        pItem->m_bVisible = TRUE;
        pItem->m_nIndex = nRow;
        if (!pItem->m_bExpanded) return nRow + 1;
        return InsertChildren(host, pItem, nRow + 1);
    }

    // The rows of pItem's descendants from nIndex on: each child, and below
    // each expanded child its own.  Returns the index after the last one.
    template <class H>
    static int InsertChildren(H& host, T* pItem, int nIndex) {
        if (pItem->m_pChilds == nullptr) return nIndex;
        for (POSITION pos = pItem->m_pChilds->GetHeadPosition(); pos != nullptr;) {
            T* pChild = pItem->m_pChilds->GetNext(pos);
            if (pChild != nullptr) nIndex = InsertItem(host, pChild, nIndex);
        }
        return nIndex;
    }

    // Deletes the rows that directly follow pItem's row for as long as they
    // hold its descendants.
    template <class H>
    static void DeleteDescendants(H& host, T* pItem) {
        const int nIndex = pItem->m_nIndex + 1;
        while (T* pRow = host.GetRow(nIndex)) {
            if (!IsDescendant(pRow, pItem)) break;
            pRow->m_bVisible = FALSE;
            const int nCount = host.GetRowCount();
            host.DeleteRow(nIndex);
            if (host.GetRowCount() >= nCount) break;  // the row would not go
        }
    }

    // Renumbers the rows from nFrom on (the rows above a change keep theirs).
    template <class H>
    static void RefreshIndexes(H& host, int nFrom = 0) {
        const int nCount = host.GetRowCount();
        for (int i = nFrom < 0 ? 0 : nFrom; i < nCount; ++i)
            if (T* pRow = host.GetRow(i)) pRow->m_nIndex = i;
    }

    // Every row's item loses its visible flag (before the rows are cleared).
    template <class H>
    static void ForgetRows(H& host) {
        const int nCount = host.GetRowCount();
        for (int i = 0; i < nCount; ++i)
            if (T* pRow = host.GetRow(i)) pRow->m_bVisible = FALSE;
    }

    template <class H>
    static void Expand(H& host, T* pItem) {
        if (pItem->m_bExpanded) return;
        if (pItem->m_bVisible) {
            InsertChildren(host, pItem, pItem->m_nIndex + 1);
            RefreshIndexes(host, pItem->m_nIndex + 1);
            host.OnSelectionChanged();
        }
        pItem->m_bExpanded = TRUE;
    }

    template <class H>
    static void Collapse(H& host, T* pItem) {
        if (!pItem->m_bExpanded) return;
        if (pItem->m_bVisible) {
            DeleteDescendants(host, pItem);
            RefreshIndexes(host, pItem->m_nIndex + 1);
            host.OnSelectionChanged();
        }
        pItem->m_bExpanded = FALSE;
    }

    // The current row becomes pItem's, then the selection change runs;
    // nothing for an item that is not shown.
    template <class H>
    static void Select(H& host, T* pItem) {
        if (!pItem->m_bVisible) return;
        host.SetCurSel(pItem->m_nIndex);
        host.OnSelectionChanged();
    }

    // Collapses the item of row nIndex when it is expanded, else expands it.
    template <class H>
    static void SwitchExpandState(H& host, int nIndex) {
        T* pItem = host.GetRow(nIndex);
        if (pItem == nullptr) return;
        if (pItem->m_bExpanded) Collapse(host, pItem);
        else Expand(host, pItem);
    }

    // Clears the rows and fills them again from the categories in the sort
    // order: categorized, each category with its shown descendants;
    // alphabetical, the children of every category sorted by caption, each
    // with its shown descendants; no sort, the same unsorted; any other
    // order, nothing.  The item that was selected is selected again when it
    // is still shown; then the selection change runs.
    template <class H, class L>
    static void Rebuild(H& host, const L& categories, int nSort) {
        T* pSelected = host.GetRow(host.GetCurSel());
        host.ResetRows();
        if (nSort == KX_SORT_CATEGORIZED) {
            for (POSITION pos = categories.GetHeadPosition(); pos != nullptr;) {
                T* pCategory = categories.GetNext(pos);
                if (pCategory != nullptr) InsertItem(host, pCategory, -1);
            }
        } else if (nSort == KX_SORT_ALPHABETICAL || nSort == KX_SORT_NOSORT) {
            CList<T*, T*> gathered;
            for (POSITION pos = categories.GetHeadPosition(); pos != nullptr;) {
                T* pCategory = categories.GetNext(pos);
                if (pCategory == nullptr || pCategory->m_pChilds == nullptr) continue;
                for (POSITION child = pCategory->m_pChilds->GetHeadPosition(); child != nullptr;)
                    gathered.AddTail(pCategory->m_pChilds->GetNext(child));
            }
            if (nSort == KX_SORT_ALPHABETICAL) KXSortList(gathered, [](T* p) { return p->m_strCaption.GetString(); });
            for (POSITION pos = gathered.GetHeadPosition(); pos != nullptr;) {
                T* pItem = gathered.GetNext(pos);
                if (pItem != nullptr) InsertItem(host, pItem, -1);
            }
        }
        RefreshIndexes(host);
        if (pSelected != nullptr && pSelected->m_bVisible) host.SetCurSel(pSelected->m_nIndex);
        host.OnSelectionChanged();
    }
};
