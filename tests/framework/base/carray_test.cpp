#include "base/array_types.h"
#include "base/carray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The Add numbers (1-based) at which the array had to reallocate.
template<class A>
std::vector<int> ReallocatingAdds(A& a, int nAdds) {
    std::vector<int> out;
    for (int i = 1; i <= nAdds; ++i) {
        const void* before = a.GetData();
        a.Add(i);
        if (a.GetData() != before)
            out.push_back(i);
    }
    return out;
}

}  // namespace

TEST(CArray, DefaultGrowthIsAnEighthBetweenFourAnd1024) {
    CArray<int, int> a;
    // First allocation exact, then 4 at a time until size/8 exceeds 4.
    EXPECT_EQ(ReallocatingAdds(a, 50), (std::vector<int>{1, 2, 6, 10, 14, 18, 22, 26, 30, 34, 38, 42, 47}));

    CDWordArray big;
    big.SetSize(16384);  // exact first allocation
    const DWORD* p = big.GetData();
    big.Add(1);
    EXPECT_NE(big.GetData(), p);
    p = big.GetData();
    for (int i = 0; i < 1023; ++i)
        big.Add(2);  // 1024 of slack, not 2048
    EXPECT_EQ(big.GetData(), p);
    big.Add(3);
    EXPECT_NE(big.GetData(), p);
    EXPECT_EQ(big.GetSize(), 16384 + 1025);
    EXPECT_EQ(big[16384], 1u);
    EXPECT_EQ(big[big.GetUpperBound()], 3u);
}

TEST(CArray, ExplicitGrowByAndFreeExtra) {
    CArray<int, int> a;
    a.SetSize(3, 10);  // first allocation: max(size, grow-by)
    EXPECT_EQ(ReallocatingAdds(a, 20), (std::vector<int>{8, 18}));
    a.SetSize(2, -1);  // -1 keeps the grow-by; shrinking keeps the block
    EXPECT_EQ(a.GetSize(), 2);
    a.FreeExtra();
    const int* p = a.GetData();
    a.Add(7);
    EXPECT_NE(a.GetData(), p);
    EXPECT_EQ(a[2], 7);
    a.RemoveAll();
    a.FreeExtra();
    EXPECT_EQ(a.GetData(), nullptr);
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CArray, NewElementsAreValueInitialisedAfterShrinking) {
    CDWordArray a;
    for (DWORD i = 1; i <= 6; ++i)
        a.Add(i);
    a.SetSize(2);
    a.SetSize(5);  // fits in the old block: the old values must not come back
    EXPECT_EQ(a[1], 2u);
    EXPECT_EQ(a[2], 0u);
    EXPECT_EQ(a[4], 0u);
    a.SetAtGrow(7, 9);
    EXPECT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a[6], 0u);
    EXPECT_EQ(a[7], 9u);
}

TEST(CArray, InsertAndRemoveAtTheEdges) {
    CStringArray a;
    a.Add("b");
    a.InsertAt(0, "a");
    a.InsertAt(2, "c");
    a.InsertAt(1, "x", 2);
    ASSERT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[0], "a");
    EXPECT_EQ(a[1], "x");
    EXPECT_EQ(a[2], "x");
    EXPECT_EQ(a[3], "b");
    EXPECT_EQ(a[4], "c");

    a.InsertAt(7, "z");  // past the end: grows with empty strings
    ASSERT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a[5], "");
    EXPECT_EQ(a[6], "");
    EXPECT_EQ(a[7], "z");

    a.RemoveAt(5, 3);  // the tail
    a.RemoveAt(1, 2);
    a.RemoveAt(0);  // the head
    ASSERT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[0], "b");
    EXPECT_EQ(a[1], "c");
    a.RemoveAt(1, 2);  // reaches past the end: ignored
    a.RemoveAt(-1);
    a.RemoveAt(2, 0);
    EXPECT_EQ(a.GetSize(), 2);
}

TEST(CArray, BadIndicesChangeNothing) {
    CArray<int, int> a;
    a.Add(1);
    a.SetAt(1, 5);
    a.SetAt(-1, 5);
    a.InsertAt(-1, 5);
    a.InsertAt(0, 5, 0);
    a.SetAtGrow(-3, 5);
    a.SetSize(-1);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], 1);
    // Out-of-range reads see a default value; writes through them are lost.
    EXPECT_EQ(a.GetAt(1), 0);
    a[1] = 42;
    a.ElementAt(-1) = 43;
    EXPECT_EQ(a[1], 0);
    const CArray<int, int>& c = a;
    EXPECT_EQ(c[-1], 0);
    EXPECT_EQ(a.GetSize(), 1);

    CStringArray s;
    s[0] = "lost";
    EXPECT_EQ(s.GetAt(0), "");
}

TEST(CArray, OwnElementsAsArgumentsSurviveReallocation) {
    CStringArray a;
    a.Add("first element, long enough to be on the heap");
    for (int i = 0; i < 40; ++i)
        a.Add(a[0]);  // reallocates several times while a[0] is the argument
    a.InsertAt(0, a[a.GetUpperBound()], 3);
    a.SetAtGrow(60, a[2]);
    EXPECT_EQ(a.GetSize(), 61);
    EXPECT_EQ(a[0], a[43]);
    EXPECT_EQ(a[60], a[1]);
    EXPECT_EQ(a[59], "");
}

TEST(CArray, CopyAppendAndInsertArray) {
    CStringArray a, b;
    a.Add("1");
    a.Add("2");
    b.Add("x");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 3);
    EXPECT_EQ(a.Append(a), 2);  // appending to itself doubles
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[3], "2");

    b.InsertAt(1, &a);
    ASSERT_EQ(b.GetSize(), 7);
    EXPECT_EQ(b[0], "x");
    EXPECT_EQ(b[1], "1");
    EXPECT_EQ(b[4], "2");
    EXPECT_EQ(b[5], "1");
    b.InsertAt(0, &b);
    EXPECT_EQ(b.GetSize(), 14);
    EXPECT_EQ(b[7], "x");
    EXPECT_EQ(b[13], "2");
    b.InsertAt(0, static_cast<CStringArray*>(nullptr));

    a.Copy(b);
    EXPECT_EQ(a.GetSize(), 14);
    a.Copy(a);
    EXPECT_EQ(a.GetSize(), 14);
    CStringArray empty;
    a.Copy(empty);
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CArray, PointerArrayInsertsArraysAsArrays) {
    int x = 0, y = 0;
    CPtrArray ptrs;
    ptrs.Add(&x);
    ptrs.Add(&y);
    CPtrArray more;
    more.Add(nullptr);
    more.InsertAt(0, &ptrs);  // the array overload, not a pointer element
    ASSERT_EQ(more.GetSize(), 3);
    EXPECT_EQ(more[0], &x);
    EXPECT_EQ(more[2], nullptr);
}
