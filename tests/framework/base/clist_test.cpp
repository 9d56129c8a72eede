#include "base/clist.h"
#include "base/list_types.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The list read forwards, then backwards, as "abc|cba".
std::string Walk(const CStringList& l) {
    std::string s;
    for (POSITION pos = l.GetHeadPosition(); pos != nullptr;)
        s += l.GetNext(pos).GetString();
    s += '|';
    for (POSITION pos = l.GetTailPosition(); pos != nullptr;)
        s += l.GetPrev(pos).GetString();
    return s;
}

}  // namespace

TEST(CList, GetNextReturnsTheCurrentElementAndAdvances) {
    CList<int, int> l;
    l.AddTail(1);
    l.AddTail(2);
    POSITION pos = l.GetHeadPosition();
    POSITION first = pos;
    EXPECT_EQ(l.GetNext(pos), 1);
    EXPECT_NE(pos, first);
    EXPECT_EQ(l.GetAt(pos), 2);
    EXPECT_EQ(l.GetNext(pos), 2);
    EXPECT_EQ(pos, nullptr);
    pos = l.GetTailPosition();
    EXPECT_EQ(l.GetPrev(pos), 2);
    EXPECT_EQ(pos, first);
    EXPECT_EQ(l.GetPrev(pos), 1);
    EXPECT_EQ(pos, nullptr);
    // Past the end: a default value, and the position stays NULL.
    EXPECT_EQ(l.GetNext(pos), 0);
    EXPECT_EQ(pos, nullptr);
}

TEST(CList, InsertAroundPositionsAndRemove) {
    CStringList l;
    POSITION b = l.AddTail("b");
    l.InsertBefore(b, "a");
    POSITION d = l.InsertAfter(b, "d");
    l.InsertBefore(d, "c");
    l.InsertBefore(nullptr, "^");  // NULL: at the head
    l.InsertAfter(nullptr, "$");   // NULL: at the tail
    l.AddHead("<");
    l.AddTail(">");
    EXPECT_EQ(Walk(l), "<^abcd$>|>$dcba^<");
    EXPECT_EQ(l.GetCount(), 8);

    l.RemoveAt(l.GetHeadPosition());
    l.RemoveAt(l.GetTailPosition());
    l.RemoveAt(l.Find("b"));
    l.RemoveAt(nullptr);
    EXPECT_EQ(Walk(l), "^acd$|$dca^");
    EXPECT_EQ(l.RemoveHead(), "^");
    EXPECT_EQ(l.RemoveTail(), "$");
    EXPECT_EQ(l.GetHead(), "a");
    EXPECT_EQ(l.GetTail(), "d");
    l.SetAt(l.FindIndex(1), "C");
    EXPECT_EQ(Walk(l), "aCd|dCa");
}

TEST(CList, RemovingDuringIterationAndRecyclingNodes) {
    CList<int, int> l(2);
    for (int i = 0; i < 10; ++i)
        l.AddTail(i);
    // Remove the odd ones while walking: take the position before GetNext.
    for (POSITION pos = l.GetHeadPosition(); pos != nullptr;) {
        POSITION cur = pos;
        if (l.GetNext(pos) % 2)
            l.RemoveAt(cur);
    }
    EXPECT_EQ(l.GetCount(), 5);
    POSITION pos = l.GetHeadPosition();
    for (int i = 0; i < 10; i += 2)
        EXPECT_EQ(l.GetNext(pos), i);

    // A removed node is the next one handed out.
    POSITION third = l.FindIndex(2);
    l.RemoveAt(third);
    EXPECT_EQ(l.AddHead(99), third);
    EXPECT_EQ(l.GetHead(), 99);
}

TEST(CList, EmptyListsAnswerSafely) {
    CStringList l;
    EXPECT_TRUE(l.IsEmpty());
    EXPECT_EQ(l.GetHead(), "");
    l.GetTail() = "lost";
    EXPECT_EQ(l.GetTail(), "");
    EXPECT_EQ(l.RemoveHead(), "");
    EXPECT_EQ(l.RemoveTail(), "");
    EXPECT_EQ(l.FindIndex(0), nullptr);
    l.SetAt(nullptr, "x");
    EXPECT_EQ(l.GetAt(nullptr), "");
    EXPECT_EQ(l.GetCount(), 0);

    CList<int, int> bad(0);  // a block size below 1 still works
    bad.AddTail(1);
    EXPECT_EQ(bad.GetSize(), 1);
}

TEST(CList, FindAndFindIndex) {
    CStringList l;
    l.AddTail("x");
    l.AddTail("y");
    l.AddTail("x");
    POSITION p1 = l.Find("x");
    POSITION p2 = l.Find("x", p1);
    EXPECT_EQ(p1, l.GetHeadPosition());
    EXPECT_EQ(p2, l.GetTailPosition());
    EXPECT_EQ(l.Find("x", p2), nullptr);
    EXPECT_EQ(l.Find("z"), nullptr);
    EXPECT_EQ(l.FindIndex(2), p2);
    EXPECT_EQ(l.FindIndex(3), nullptr);
    EXPECT_EQ(l.FindIndex(-1), nullptr);

    int a = 0, b = 0;
    CPtrList pl;
    pl.AddTail(&a);
    pl.AddTail(&b);
    EXPECT_EQ(pl.Find(&b), pl.GetTailPosition());
    EXPECT_EQ(pl.Find(nullptr), nullptr);
}

TEST(CList, AddingWholeListsKeepsTheirOrder) {
    CStringList a, b;
    a.AddTail("1");
    a.AddTail("2");
    b.AddTail("x");
    b.AddHead(&a);
    EXPECT_EQ(Walk(b), "12x|x21");
    b.AddTail(&a);
    EXPECT_EQ(Walk(b), "12x12|21x21");
    a.AddTail(&a);  // adding a list to itself doubles it once
    EXPECT_EQ(Walk(a), "1212|2121");
    a.AddHead(&a);
    EXPECT_EQ(a.GetCount(), 8);
    EXPECT_EQ(Walk(a), "12121212|21212121");

    // Long strings in many blocks: everything is destroyed (ASan checks).
    CStringList big(3);
    for (int i = 0; i < 100; ++i)
        big.AddTail(CString('x', 40));
    while (big.GetCount() > 50)
        big.RemoveHead();
    big.RemoveAll();
    EXPECT_TRUE(big.IsEmpty());
    big.AddTail("again");
    EXPECT_EQ(big.GetHead(), "again");
}
