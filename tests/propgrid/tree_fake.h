// A property tree without windows, for the native tests and the fuzz
// target: plain nodes, rows in a vector that keep the selection the way a
// list box does, an independent statement of what the rows must be, and the
// invariants every state must keep.
#pragma once

#include "propgrid/property_tree.h"

#include <memory>
#include <string>
#include <vector>

namespace kxtest {

struct FakeItem {
    explicit FakeItem(const char* psz = "") : m_strCaption(psz) {}
    FakeItem* AddChild(FakeItem* p) {
        m_pChilds->AddTail(p);
        p->m_pParent = this;
        return p;
    }

    int m_nIndex = -1;
    BOOL m_bVisible = FALSE;
    BOOL m_bExpanded = FALSE;
    FakeItem* m_pParent = nullptr;
    CString m_strCaption;
    std::unique_ptr<CList<FakeItem*, FakeItem*>> m_pChilds = std::make_unique<CList<FakeItem*, FakeItem*>>();
};

using FakeRowsOf = CKXPropertyRows<FakeItem>;

// Rows as a list box keeps them: inserting at or above the current row moves
// the selection with its row, deleting the current row leaves none.
class FakeRows {
public:
    std::vector<FakeItem*> rows;
    int sel = -1;
    int selectionChanges = 0;
    int resets = 0;

    int GetRowCount() const { return static_cast<int>(rows.size()); }
    FakeItem* GetRow(int i) const { return i >= 0 && i < GetRowCount() ? rows[static_cast<size_t>(i)] : nullptr; }
    int InsertRow(int i, FakeItem* p) {
        if (i < 0) i = GetRowCount();
        if (i > GetRowCount()) return -1;
        rows.insert(rows.begin() + i, p);
        if (sel >= i) ++sel;
        return i;
    }
    void DeleteRow(int i) {
        if (i < 0 || i >= GetRowCount()) return;
        rows.erase(rows.begin() + i);
        if (sel == i) sel = -1;
        else if (sel > i) --sel;
    }
    int GetCurSel() const { return sel; }
    void SetCurSel(int i) { sel = i >= 0 && i < GetRowCount() ? i : -1; }
    void ResetRows() {
        ++resets;
        FakeRowsOf::ForgetRows(*this);
        rows.clear();
        sel = -1;
    }
    void OnSelectionChanged() { ++selectionChanges; }
};

// The items a row list must show, stated on its own: an item, then, when it
// is expanded, each child's rows.
inline void AppendShown(FakeItem* p, std::vector<FakeItem*>& out) {
    out.push_back(p);
    if (!p->m_bExpanded) return;
    for (POSITION pos = p->m_pChilds->GetHeadPosition(); pos;) AppendShown(p->m_pChilds->GetNext(pos), out);
}

// The rows of the whole tree in a sort order.  Alphabetical sorting is the
// literal rule: each item goes before the first already placed one whose
// caption compares greater.
inline std::vector<FakeItem*> ExpectedRows(const CList<FakeItem*, FakeItem*>& categories, int nSort) {
    std::vector<FakeItem*> out;
    if (nSort == KX_SORT_CATEGORIZED) {
        for (POSITION pos = categories.GetHeadPosition(); pos;) AppendShown(categories.GetNext(pos), out);
        return out;
    }
    if (nSort != KX_SORT_ALPHABETICAL && nSort != KX_SORT_NOSORT) return out;
    std::vector<FakeItem*> top;
    for (POSITION pos = categories.GetHeadPosition(); pos;) {
        FakeItem* pCategory = categories.GetNext(pos);
        for (POSITION c = pCategory->m_pChilds->GetHeadPosition(); c;) {
            FakeItem* p = pCategory->m_pChilds->GetNext(c);
            auto at = top.end();
            if (nSort == KX_SORT_ALPHABETICAL) {
                for (auto it = top.begin(); it != top.end(); ++it)
                    if (std::strcmp((*it)->m_strCaption, p->m_strCaption) > 0) {
                        at = it;
                        break;
                    }
            }
            top.insert(at, p);
        }
    }
    for (FakeItem* p : top) AppendShown(p, out);
    return out;
}

// Every node of the tree, depth first.
inline void AllItems(const CList<FakeItem*, FakeItem*>& list, std::vector<FakeItem*>& out) {
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        FakeItem* p = list.GetNext(pos);
        out.push_back(p);
        AllItems(*p->m_pChilds, out);
    }
}

// What must hold in every state; the first broken rule, or empty.  Each row
// holds a shown item that knows its row; no item outside the rows counts as
// shown; a row whose parent is shown lies in the parent's block of rows
// below it, and that parent is expanded; the selection is a row or none.
inline std::string BrokenInvariant(const CList<FakeItem*, FakeItem*>& categories, const FakeRows& rows) {
    std::vector<FakeItem*> all;
    AllItems(categories, all);
    int nShown = 0;
    for (FakeItem* p : all) nShown += p->m_bVisible ? 1 : 0;
    if (nShown != rows.GetRowCount()) return "the count of shown items is not the count of rows";
    for (int i = 0; i < rows.GetRowCount(); ++i) {
        FakeItem* p = rows.GetRow(i);
        if (!p->m_bVisible) return "a row holds an item that is not shown";
        if (p->m_nIndex != i) return "an item does not know its row";
        FakeItem* pParent = p->m_pParent;
        if (pParent == nullptr || !pParent->m_bVisible) continue;
        if (!pParent->m_bExpanded) return "a row's parent is shown collapsed";
        if (pParent->m_nIndex >= i) return "a row stands above its parent";
        for (int j = pParent->m_nIndex + 1; j < i; ++j)
            if (!FakeRowsOf::IsDescendant(rows.GetRow(j), pParent)) return "a parent's rows are not together";
    }
    if (rows.sel < -1 || rows.sel >= rows.GetRowCount()) return "the selection is not a row";
    return std::string();
}

// Owns a tree built from nodes it makes.
class FakeTree {
public:
    CList<FakeItem*, FakeItem*> categories;
    FakeItem* Make(const char* psz) {
        nodes.push_back(std::make_unique<FakeItem>(psz));
        return nodes.back().get();
    }
    FakeItem* AddCategory(const char* psz) {
        FakeItem* p = Make(psz);
        categories.AddTail(p);
        return p;
    }

private:
    std::vector<std::unique_ptr<FakeItem>> nodes;
};

}  // namespace kxtest
