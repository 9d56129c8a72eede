#include "base/clist.h"
#include "base/list_types.h"
#include "support/assert_capture.h"

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
    EXPECT_EQ(l.GetNext(pos), 1);
    EXPECT_EQ(l.GetAt(pos), 2);
    EXPECT_EQ(l.GetNext(pos), 2);
    EXPECT_EQ(pos, nullptr);
    // Past the end: an assertion, a default value, and the position stays NULL.
    EXPECT_ASSERTS(EXPECT_EQ(l.GetNext(pos), 0));
    EXPECT_EQ(pos, nullptr);
}

TEST(CList, InsertAroundPositionsFindAndRemove) {
    CStringList l;
    POSITION b = l.AddTail("b");
    l.InsertBefore(b, "a");
    POSITION d = l.InsertAfter(b, "d");
    l.InsertBefore(d, "c");
    l.InsertBefore(nullptr, "^");  // NULL: at the head
    l.InsertAfter(nullptr, "$");   // NULL: at the tail
    EXPECT_EQ(Walk(l), "^abcd$|$dcba^");
    l.AddTail("a");
    EXPECT_EQ(l.Find("a", l.Find("a")), l.GetTailPosition());  // searches after the position
    EXPECT_EQ(l.FindIndex(-1), nullptr);
    l.RemoveAt(l.GetTailPosition());
    l.RemoveAt(l.Find("b"));
    EXPECT_ASSERTS(l.RemoveAt(nullptr));
    EXPECT_EQ(l.RemoveHead(), "^");
    EXPECT_EQ(l.RemoveTail(), "$");
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
}

TEST(CList, EmptyListsAnswerSafely) {
    CStringList l;
    EXPECT_ASSERTS(l.GetTail() = "lost");
    EXPECT_ASSERTS(EXPECT_EQ(l.GetHead(), ""));
    EXPECT_ASSERTS(EXPECT_EQ(l.RemoveTail(), ""));
    EXPECT_ASSERTS(l.SetAt(nullptr, "x"));
    EXPECT_ASSERTS(EXPECT_EQ(l.GetAt(nullptr), ""));
    EXPECT_EQ(l.GetCount(), 0);

    CList<int, int> bad(0);  // a block size below 1 still works
    bad.AddTail(1);
    EXPECT_EQ(bad.GetSize(), 1);
}

TEST(CList, AddingWholeListsKeepsTheirOrderEvenToThemselves) {
    CStringList a, b;
    a.AddTail("1");
    a.AddTail("2");
    b.AddTail("x");
    b.AddHead(&a);
    b.AddTail(&a);
    EXPECT_EQ(Walk(b), "12x12|21x21");
    a.AddTail(&a);  // adding a list to itself doubles it once
    EXPECT_EQ(Walk(a), "1212|2121");
    a.AddHead(&a);
    EXPECT_EQ(Walk(a), "12121212|21212121");

    // Long strings in many blocks: everything is destroyed (ASan checks).
    CStringList big(3);
    for (int i = 0; i < 100; ++i)
        big.AddTail(CString('x', 40));
    while (big.GetCount() > 50)
        big.RemoveHead();
    big.RemoveAll();
}
