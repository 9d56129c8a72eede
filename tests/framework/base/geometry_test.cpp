#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(CRect, EdgesEmptinessAndArgumentOrder) {
    CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 25)));  // right edge excluded
    EXPECT_FALSE(r.PtInRect(CPoint(15, 40)));  // bottom edge excluded
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 9, 7, 1).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 9, 7, 1).IsRectNull());
    CRect n(30, 40, 10, 20);
    n.NormalizeRect();
    EXPECT_EQ(n, r);
    // Deflating by four values takes left, top, right, bottom in that order.
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(11, 22, 27, 36));
    CRect pad(1, 2, 3, 4);
    r.InflateRect(&pad);
    EXPECT_EQ(r, CRect(10, 20, 30, 40));
    r.MoveToXY(100, 200);
    EXPECT_EQ(r - CSize(100, 200), CRect(0, 0, 20, 20));
}

TEST(CRect, SetOperationsReportEmptinessAsThePlatform) {
    CRect a(0, 0, 10, 10), b(5, 5, 15, 15), out(1, 2, 3, 4);
    EXPECT_TRUE(out.IntersectRect(&a, &b));
    EXPECT_EQ(out, CRect(5, 5, 10, 10));
    CRect touching(10, 0, 20, 10);
    EXPECT_FALSE(out.IntersectRect(&a, &touching));
    EXPECT_TRUE(out.IsRectNull());
    CRect empty(50, 50, 40, 60);
    EXPECT_TRUE(out.UnionRect(&empty, &b));  // an empty operand is ignored
    EXPECT_EQ(out, b);
    EXPECT_FALSE(out.UnionRect(&empty, &empty));
    EXPECT_TRUE(out.IsRectNull());
    // Subtraction shrinks only when the cut spans a whole side.
    CRect leftHalf(0, 0, 5, 10);
    EXPECT_TRUE(out.SubtractRect(&a, &leftHalf));
    EXPECT_EQ(out, CRect(5, 0, 10, 10));
    EXPECT_TRUE(out.SubtractRect(&a, &b));
    EXPECT_EQ(out, a);
    EXPECT_FALSE(out.SubtractRect(&a, &a));
}

TEST(CPointCSize, PackedCoordinatesAndScaling) {
    EXPECT_EQ(CPoint(static_cast<LPARAM>(0xFFFE0005)), CPoint(5, -2));  // signed halves
    EXPECT_EQ(CRect(0, 0, 100, 50).MulDiv(3, 2), CRect(0, 0, 150, 75));
    EXPECT_EQ(CRect(-3, 0, 3, 1).MulDiv(1, 2), CRect(-2, 0, 2, 1));  // halves round away from zero
}
