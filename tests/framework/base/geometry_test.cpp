#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(CRect, EdgesAndEmptiness) {
    CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 25)));  // right edge excluded
    EXPECT_FALSE(r.PtInRect(CPoint(15, 40)));  // bottom edge excluded
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 30));
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 9, 7, 1).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 9, 7, 1).IsRectNull());
    CRect n(30, 40, 10, 20);
    n.NormalizeRect();
    EXPECT_EQ(n, r);
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 30, 40));
}

TEST(CRect, InflateDeflateOffset) {
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(9, 8, 21, 22));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(10, 10, 18, 18));
    CRect pad(1, 2, 3, 4);
    r.InflateRect(&pad);
    EXPECT_EQ(r, CRect(9, 8, 21, 22));
    r.DeflateRect(&pad);
    EXPECT_EQ(r, CRect(10, 10, 18, 18));
    r.OffsetRect(-10, 5);
    EXPECT_EQ(r, CRect(0, 15, 8, 23));
    r.MoveToXY(100, 200);
    EXPECT_EQ(r, CRect(100, 200, 108, 208));
    EXPECT_EQ(r + CPoint(1, 1), CRect(101, 201, 109, 209));
    EXPECT_EQ(r - CSize(100, 200), CRect(0, 0, 8, 8));
}

TEST(CRect, SetOperationsReportEmptinessAsThePlatform) {
    CRect a(0, 0, 10, 10), b(5, 5, 15, 15), out(1, 2, 3, 4);
    EXPECT_TRUE(out.IntersectRect(&a, &b));
    EXPECT_EQ(out, CRect(5, 5, 10, 10));
    CRect touching(10, 0, 20, 10);
    EXPECT_FALSE(out.IntersectRect(&a, &touching));
    EXPECT_TRUE(out.IsRectNull());
    EXPECT_TRUE(out.UnionRect(&a, &b));
    EXPECT_EQ(out, CRect(0, 0, 15, 15));
    CRect empty(50, 50, 40, 60);
    EXPECT_TRUE(out.UnionRect(&empty, &b));  // an empty operand is ignored
    EXPECT_EQ(out, b);
    EXPECT_FALSE(out.UnionRect(&empty, &empty));
    EXPECT_TRUE(out.IsRectNull());
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 15, 15));
    // Subtraction shrinks only when the cut spans a whole side.
    CRect leftHalf(0, 0, 5, 10);
    EXPECT_TRUE(out.SubtractRect(&a, &leftHalf));
    EXPECT_EQ(out, CRect(5, 0, 10, 10));
    EXPECT_TRUE(out.SubtractRect(&a, &b));
    EXPECT_EQ(out, a);
    EXPECT_FALSE(out.SubtractRect(&a, &a));
}

TEST(CPointCSize, Arithmetic) {
    CPoint p(3, 4);
    EXPECT_EQ(p - CPoint(1, 1), CSize(2, 3));
    EXPECT_EQ(p + CSize(1, 1), CPoint(4, 5));
    EXPECT_EQ(-p, CPoint(-3, -4));
    EXPECT_EQ(CPoint(static_cast<LPARAM>(0xFFFE0005)), CPoint(5, -2));
    EXPECT_EQ(CSize(2, 2) + CPoint(1, 0), CPoint(3, 2));
    EXPECT_EQ(CRect(0, 0, 100, 50).MulDiv(3, 2), CRect(0, 0, 150, 75));
    EXPECT_EQ(CRect(-3, 0, 3, 1).MulDiv(1, 2), CRect(-2, 0, 2, 1));
}
