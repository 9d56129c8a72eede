// Random property trees and random operations on them: adding children to
// shown and hidden items, expanding, collapsing, toggling rows, selecting,
// removing subtrees and rebuilding in any sort order.  After every step the
// rows keep the invariants (each row's item is shown and knows its row, the
// shown items are exactly the rows, a shown parent is expanded and its
// descendants' rows follow it together, the selection is a row or none);
// after every rebuild the rows are exactly what the tree and the order say.
#include "../tests/propgrid/tree_fake.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using kxtest::FakeItem;
using kxtest::FakeRows;
using kxtest::FakeRowsOf;
using kxtest::FakeTree;

class Bytes {
public:
    Bytes(const uint8_t* p, size_t n) : m_p(p), m_n(n) {}
    bool Empty() const { return m_n == 0; }
    uint8_t Next() {
        if (m_n == 0) return 0;
        --m_n;
        return *m_p++;
    }
    int Below(int n) { return n > 0 ? Next() % n : 0; }

private:
    const uint8_t* m_p;
    size_t m_n;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

// Every item of the tree, depth first.
std::vector<FakeItem*> Items(const FakeTree& tree) {
    std::vector<FakeItem*> all;
    kxtest::AllItems(tree.categories, all);
    return all;
}

// Takes pItem out of its parent's children (or the categories); what the
// item's removal does before the rows are rebuilt.
void Detach(FakeTree& tree, FakeItem* pItem) {
    CList<FakeItem*, FakeItem*>& list = pItem->m_pParent ? *pItem->m_pParent->m_pChilds : tree.categories;
    if (POSITION pos = list.Find(pItem)) list.RemoveAt(pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    FakeTree tree;
    FakeRows rows;
    int nSort = KX_SORT_CATEGORIZED;
    static const char* const kCaptions[] = {"a", "b", "B", "ab", "", "a"};
    auto caption = [&] { return kCaptions[in.Below(6)]; };
    for (int i = 1 + in.Below(4); i > 0; --i) tree.AddCategory(caption());

    while (!in.Empty()) {
        std::vector<FakeItem*> all = Items(tree);
        FakeItem* pItem = all.empty() ? nullptr : all[static_cast<size_t>(in.Below(static_cast<int>(all.size())))];
        bool bRebuilt = false;
        switch (in.Next() % 9) {
        case 0:
        case 1:
            // A new child: rows are rebuilt when the parent shows its
            // children, as the grid does.
            if (pItem == nullptr) break;
            pItem->AddChild(tree.Make(caption()));
            if (pItem->m_bVisible && pItem->m_bExpanded) {
                FakeRowsOf::Rebuild(rows, tree.categories, nSort);
                bRebuilt = true;
            }
            break;
        case 2:
            if (pItem) FakeRowsOf::Expand(rows, pItem);
            break;
        case 3:
            if (pItem) FakeRowsOf::Collapse(rows, pItem);
            break;
        case 4: FakeRowsOf::SwitchExpandState(rows, in.Below(rows.GetRowCount() + 2) - 1); break;
        case 5:
            if (pItem) FakeRowsOf::Select(rows, pItem);
            break;
        case 6:
            nSort = in.Below(4);
            FakeRowsOf::Rebuild(rows, tree.categories, nSort);
            bRebuilt = true;
            break;
        case 7:
            // Removal: out of the tree, rows rebuilt while the item still
            // exists, then it is gone (its nodes stay owned by the tree and
            // are no longer reachable).
            if (pItem == nullptr) break;
            Detach(tree, pItem);
            FakeRowsOf::Rebuild(rows, tree.categories, nSort);
            bRebuilt = true;
            if (pItem->m_bVisible) Fail("a removed item is still shown");
            break;
        default:
            if (all.size() < 64) tree.AddCategory(caption());
            break;
        }
        const std::string broken = kxtest::BrokenInvariant(tree.categories, rows);
        if (!broken.empty()) Fail(broken);
        if (bRebuilt && rows.rows != kxtest::ExpectedRows(tree.categories, nSort))
            Fail("the rebuilt rows are not the tree's rows in the sort order");
    }
    return 0;
}
