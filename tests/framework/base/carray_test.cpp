#include "base/array_types.h"
#include "base/carray.h"
#include "support/assert_capture.h"

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
    EXPECT_EQ(big[big.GetUpperBound()], 3u);
}

TEST(CArray, ExplicitGrowByFreeExtraAndValueInitialisedGrowth) {
    CArray<int, int> a;
    a.SetSize(3, 10);  // first allocation: max(size, grow-by)
    EXPECT_EQ(ReallocatingAdds(a, 20), (std::vector<int>{8, 18}));
    a.SetSize(2, -1);  // -1 keeps the grow-by; shrinking keeps the block
    a.FreeExtra();
    const int* p = a.GetData();
    a.Add(7);
    EXPECT_NE(a.GetData(), p);
    a.RemoveAll();
    a.FreeExtra();
    EXPECT_EQ(a.GetData(), nullptr);

    CDWordArray d;
    for (DWORD i = 1; i <= 6; ++i)
        d.Add(i);
    d.SetSize(2);
    d.SetSize(5);  // fits in the old block: the old values must not come back
    EXPECT_TRUE(d[1] == 2 && d[2] == 0 && d[4] == 0);
    d.SetAtGrow(7, 9);
    EXPECT_EQ(d[6], 0u);
}

TEST(CArray, IndicesAtAndPastTheEdges) {
    CArray<int, int> a;
    a.Add(1);
    // Each misuse asserts (Debug), then changes nothing.
    EXPECT_ASSERTS(a.SetAt(1, 5));
    EXPECT_ASSERTS(a.SetAt(-1, 5));
    EXPECT_ASSERTS(a.InsertAt(-1, 5));
    EXPECT_ASSERTS(a.InsertAt(0, 5, 0));
    EXPECT_ASSERTS(a.SetAtGrow(-3, 5));
    EXPECT_ASSERTS(a.SetSize(-1));
    ASSERT_EQ(a.GetSize(), 1);
    // Out-of-range reads see a default value; writes through them are lost.
    EXPECT_ASSERTS(EXPECT_EQ(a.GetAt(1), 0));
    EXPECT_ASSERTS(a[1] = 42);
    EXPECT_ASSERTS(a.ElementAt(-1) = 43);
    EXPECT_ASSERTS(EXPECT_EQ(a[1], 0));
    const CArray<int, int>& c = a;
    EXPECT_ASSERTS(EXPECT_EQ(c[-1], 0));

    CStringArray s;
    EXPECT_ASSERTS(s[0] = "lost");
    EXPECT_ASSERTS(EXPECT_EQ(s.GetAt(0), ""));

    s.Add("b");
    s.InsertAt(0, "a");
    s.InsertAt(1, "x", 2);
    s.InsertAt(6, "z");  // past the end: grows with empty strings
    ASSERT_EQ(s.GetSize(), 7);
    EXPECT_EQ(s[3], "b");
    EXPECT_EQ(s[5], "");
    s.RemoveAt(4, 3);  // the tail
    s.RemoveAt(0, 3);  // the head
    ASSERT_EQ(s.GetSize(), 1);
    EXPECT_EQ(s[0], "b");
    EXPECT_ASSERTS(s.RemoveAt(0, 2));  // reaches past the end: ignored
    s.RemoveAt(1, 0);
    EXPECT_EQ(s.GetSize(), 1);
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

TEST(CArray, CopyAppendAndInsertArrayIntoThemselves) {
    CStringArray a, b;
    a.Add("1");
    a.Add("2");
    b.Add("x");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(a.Append(a), 2);  // appending to itself doubles
    ASSERT_EQ(a.GetSize(), 4);
    b.InsertAt(0, &b);
    ASSERT_EQ(b.GetSize(), 6);
    EXPECT_TRUE(b[3] == "x" && b[5] == "2");
    EXPECT_ASSERTS(b.InsertAt(0, static_cast<CStringArray*>(nullptr)));
    a.Copy(a);
    EXPECT_EQ(a.GetSize(), 4);

    // A pointer array takes another pointer array as an array, not an element.
    int x = 0;
    CPtrArray ptrs, more;
    ptrs.Add(&x);
    ptrs.Add(&x);
    more.Add(nullptr);
    more.InsertAt(0, &ptrs);
    ASSERT_EQ(more.GetSize(), 3);
    EXPECT_EQ(more[2], nullptr);
}
