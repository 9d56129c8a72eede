// The rows of a property tree: expanding and collapsing at any depth, the
// selection as a list box keeps it, rebuilding in each sort order, sorting
// and searching.
#include "tree_fake.h"

#include "base/list_types.h"

#include <gtest/gtest.h>


namespace {

using kxtest::BrokenInvariant;
using kxtest::FakeItem;
using kxtest::FakeRows;
using kxtest::FakeRowsOf;
using kxtest::FakeTree;

std::string Captions(const FakeRows& rows) {
    std::string s;
    for (FakeItem* p : rows.rows) s += (s.empty() ? "" : " ") + std::string(p->m_strCaption);
    return s;
}

// Two categories: A holds a1 (with a1x, a1y) and a2; B holds b1.
struct Sample {
    FakeTree tree;
    FakeRows rows;
    FakeItem *A, *a1, *a1x, *a1y, *a2, *B, *b1;
    Sample() {
        A = tree.AddCategory("A");
        a1 = A->AddChild(tree.Make("a1"));
        a1x = a1->AddChild(tree.Make("a1x"));
        a1y = a1->AddChild(tree.Make("a1y"));
        a2 = A->AddChild(tree.Make("a2"));
        B = tree.AddCategory("B");
        b1 = B->AddChild(tree.Make("b1"));
        FakeRowsOf::Rebuild(rows, tree.categories, KX_SORT_CATEGORIZED);
    }
    void Check() { EXPECT_EQ("", BrokenInvariant(tree.categories, rows)); }
};

TEST(PropertyRows, ExpandAndCollapseKeepRowsAndSelectionInStep) {
    Sample s;
    EXPECT_EQ("A B", Captions(s.rows));
    EXPECT_EQ(-1, s.rows.sel);

    // A hidden item only remembers that it is expanded.
    const int nChanges = s.rows.selectionChanges;
    FakeRowsOf::Expand(s.rows, s.a1);
    EXPECT_TRUE(s.a1->m_bExpanded);
    EXPECT_EQ("A B", Captions(s.rows));
    EXPECT_EQ(nChanges, s.rows.selectionChanges);

    // Selecting B, then expanding A above it: B keeps the selection and its
    // index follows; a1's remembered expansion shows its children at once.
    FakeRowsOf::Select(s.rows, s.B);
    EXPECT_EQ(1, s.rows.sel);
    FakeRowsOf::Expand(s.rows, s.A);
    EXPECT_EQ("A a1 a1x a1y a2 B", Captions(s.rows));
    EXPECT_EQ(5, s.rows.sel);
    EXPECT_EQ(5, s.B->m_nIndex);
    EXPECT_EQ(nChanges + 2, s.rows.selectionChanges);
    s.Check();

    // Collapsing a1 removes exactly its block; a1x becomes selected and is
    // then collapsed away with A: no row is selected any more.
    FakeRowsOf::Collapse(s.rows, s.a1);
    EXPECT_EQ("A a1 a2 B", Captions(s.rows));
    EXPECT_FALSE(s.a1x->m_bVisible);
    FakeRowsOf::Expand(s.rows, s.a1);
    FakeRowsOf::Select(s.rows, s.a1x);
    FakeRowsOf::Collapse(s.rows, s.A);
    EXPECT_EQ("A B", Captions(s.rows));
    EXPECT_EQ(-1, s.rows.sel);
    EXPECT_TRUE(s.a1->m_bExpanded);  // inner state survives
    s.Check();

    // Enter's toggle works on any row, with or without children; nothing
    // outside the rows.
    FakeRowsOf::SwitchExpandState(s.rows, 1);
    EXPECT_EQ("A B b1", Captions(s.rows));
    FakeRowsOf::SwitchExpandState(s.rows, 2);
    EXPECT_TRUE(s.b1->m_bExpanded);
    FakeRowsOf::SwitchExpandState(s.rows, 7);
    FakeRowsOf::SwitchExpandState(s.rows, -1);
    EXPECT_EQ("A B b1", Captions(s.rows));
    s.Check();

    // Selecting an item that is not shown does nothing.
    FakeRowsOf::Select(s.rows, s.b1);
    const int nSel = s.rows.sel;
    FakeRowsOf::Select(s.rows, s.a2);
    EXPECT_EQ(nSel, s.rows.sel);
}

TEST(PropertyRows, RebuildFollowsTheSortOrderAndKeepsTheSelection) {
    Sample s;
    s.b1->m_strCaption = "Zeta";
    s.a2->m_strCaption = "Alpha";
    s.a1->m_strCaption = "alpha";  // after every capital
    FakeRowsOf::Expand(s.rows, s.a1);
    FakeRowsOf::Expand(s.rows, s.A);
    FakeRowsOf::Select(s.rows, s.a1y);

    // Alphabetical: the children of every category, collapsed ones' too,
    // sorted, each with its own shown rows; the selected item stays selected.
    FakeRowsOf::Rebuild(s.rows, s.tree.categories, KX_SORT_ALPHABETICAL);
    EXPECT_EQ("Alpha Zeta alpha a1x a1y", Captions(s.rows));
    EXPECT_EQ(s.a1y->m_nIndex, s.rows.sel);
    EXPECT_FALSE(s.A->m_bVisible);
    s.Check();

    FakeRowsOf::Rebuild(s.rows, s.tree.categories, KX_SORT_NOSORT);
    EXPECT_EQ("alpha a1x a1y Alpha Zeta", Captions(s.rows));
    s.Check();

    // The selected item is no longer shown: nothing is selected.
    FakeRowsOf::Select(s.rows, s.b1);
    FakeRowsOf::Rebuild(s.rows, s.tree.categories, KX_SORT_CATEGORIZED);
    EXPECT_EQ("A alpha a1x a1y Alpha B", Captions(s.rows));
    EXPECT_EQ(-1, s.rows.sel);
    s.Check();

    // An unknown order shows nothing.
    FakeRowsOf::Rebuild(s.rows, s.tree.categories, 7);
    EXPECT_EQ("", Captions(s.rows));
    s.Check();
}

TEST(PropertyRows, SortingIsAscendingStableAndBytewise) {
    auto sorted = [](std::initializer_list<const char*> in) {
        CStringList list;
        for (const char* p : in) list.AddTail(p);
        KXSortList(list, [](const CString& s) { return s.GetString(); });
        std::string out;
        for (POSITION pos = list.GetHeadPosition(); pos;) out += std::string(list.GetNext(pos)) + ",";
        return out;
    };
    EXPECT_EQ("a,b,", sorted({"b", "a"}));
    EXPECT_EQ("a,b,c,", sorted({"c", "a", "b"}));
    EXPECT_EQ("B,a,b,", sorted({"b", "a", "B"}));
    EXPECT_EQ(",\xE9,", sorted({"\xE9", ""}));

    // Equal captions keep their order.
    FakeTree tree;
    FakeItem* pCategory = tree.AddCategory("c");
    FakeItem* pFirst = pCategory->AddChild(tree.Make("x"));
    pCategory->AddChild(tree.Make("a"));
    FakeItem* pSecond = pCategory->AddChild(tree.Make("x"));
    FakeRows rows;
    FakeRowsOf::Rebuild(rows, tree.categories, KX_SORT_ALPHABETICAL);
    EXPECT_EQ(pFirst, rows.GetRow(1));
    EXPECT_EQ(pSecond, rows.GetRow(2));
}

TEST(PropertyRows, SearchIsPreOrderAndCaseSensitive) {
    Sample s;
    s.a1y->m_strCaption = "b1";  // deeper under A, before B's own b1
    auto byCaption = [](const char* psz) { return [psz](FakeItem* p) { return p->m_strCaption == psz; }; };
    EXPECT_EQ(s.a1y, KXFindItem<FakeItem>(s.tree.categories, byCaption("b1")));
    EXPECT_EQ(nullptr, KXFindItem<FakeItem>(s.tree.categories, byCaption("B1")));
    EXPECT_EQ(s.a2, KXFindItem<FakeItem>(s.tree.categories, byCaption("a2")));
    EXPECT_TRUE(FakeRowsOf::IsDescendant(s.a1x, s.A));
    EXPECT_FALSE(FakeRowsOf::IsDescendant(s.A, s.A));
    EXPECT_FALSE(FakeRowsOf::IsDescendant(s.b1, s.A));
}

}  // namespace
