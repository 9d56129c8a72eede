#include "base/geometry.h"

namespace {
bool Empty(LPCRECT r) { return r->left >= r->right || r->top >= r->bottom; }

int MulDivInt(int n, int mul, int div) {
    // Rounds half away from zero; a zero divisor gives -1, as the platform's MulDiv does.
    if (div == 0) return -1;
    long long p = static_cast<long long>(n) * mul, d = div;
    if (d < 0) {
        p = -p;
        d = -d;
    }
    return static_cast<int>(p >= 0 ? (p + d / 2) / d : -((-p + d / 2) / d));
}
}  // namespace

void CRect::NormalizeRect() noexcept {
    if (left > right) SwapLeftRight();
    if (top > bottom) {
        LONG t = top;
        top = bottom;
        bottom = t;
    }
}

BOOL CRect::IntersectRect(LPCRECT r1, LPCRECT r2) noexcept {
    if (Empty(r1) || Empty(r2) || r1->left >= r2->right || r2->left >= r1->right ||
        r1->top >= r2->bottom || r2->top >= r1->bottom) {
        SetRectEmpty();
        return FALSE;
    }
    CRect out(r1->left > r2->left ? r1->left : r2->left, r1->top > r2->top ? r1->top : r2->top,
              r1->right < r2->right ? r1->right : r2->right,
              r1->bottom < r2->bottom ? r1->bottom : r2->bottom);
    *this = out;
    return TRUE;
}

BOOL CRect::UnionRect(LPCRECT r1, LPCRECT r2) noexcept {
    bool e1 = Empty(r1), e2 = Empty(r2);
    if (e1 && e2) {
        SetRectEmpty();
        return FALSE;
    }
    if (e1) {
        CopyRect(r2);
    } else if (e2) {
        CopyRect(r1);
    } else {
        CRect out(r1->left < r2->left ? r1->left : r2->left, r1->top < r2->top ? r1->top : r2->top,
                  r1->right > r2->right ? r1->right : r2->right,
                  r1->bottom > r2->bottom ? r1->bottom : r2->bottom);
        *this = out;
    }
    return TRUE;
}

BOOL CRect::SubtractRect(LPCRECT rSrc, LPCRECT rSub) noexcept {
    if (Empty(rSrc)) {
        SetRectEmpty();
        return FALSE;
    }
    CRect src(rSrc), cut;
    *this = src;
    if (cut.IntersectRect(&src, rSub)) {
        // Only a cut that spans a whole side shrinks the rectangle.
        if (cut == src) {
            SetRectEmpty();
            return FALSE;
        }
        if (cut.top == top && cut.bottom == bottom) {
            if (cut.left == left)
                left = cut.right;
            else if (cut.right == right)
                right = cut.left;
        } else if (cut.left == left && cut.right == right) {
            if (cut.top == top)
                top = cut.bottom;
            else if (cut.bottom == bottom)
                bottom = cut.top;
        }
    }
    return TRUE;
}

CRect CRect::MulDiv(int nMultiplier, int nDivisor) const noexcept {
    return CRect(MulDivInt(left, nMultiplier, nDivisor), MulDivInt(top, nMultiplier, nDivisor),
                 MulDivInt(right, nMultiplier, nDivisor), MulDivInt(bottom, nMultiplier, nDivisor));
}
