// CPoint, CSize and CRect: the framework's geometry, with MFC's rules.
// A rectangle includes its left and top edges and excludes its right and
// bottom edges; it is empty when its width or height is not positive.
#pragma once

#include "base/wintypes.h"

class CPoint;
class CRect;

class CSize : public tagSIZE {
public:
    CSize() noexcept { cx = cy = 0; }
    CSize(int x, int y) noexcept { cx = x; cy = y; }
    CSize(SIZE s) noexcept { cx = s.cx; cy = s.cy; }
    explicit CSize(POINT p) noexcept { cx = p.x; cy = p.y; }
    explicit CSize(DWORD dw) noexcept { cx = (short)LOWORD(dw); cy = (short)HIWORD(dw); }

    void SetSize(int x, int y) noexcept { cx = x; cy = y; }
    bool operator==(SIZE s) const noexcept { return cx == s.cx && cy == s.cy; }
    bool operator==(const CSize& s) const noexcept { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const noexcept { return !(*this == s); }
    void operator+=(SIZE s) noexcept { cx += s.cx; cy += s.cy; }
    void operator-=(SIZE s) noexcept { cx -= s.cx; cy -= s.cy; }
    CSize operator+(SIZE s) const noexcept { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const noexcept { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const noexcept { return CSize(-cx, -cy); }
    CPoint operator+(POINT p) const noexcept;
    CPoint operator-(POINT p) const noexcept;
    CRect operator+(const RECT* r) const noexcept;
    CRect operator-(const RECT* r) const noexcept;
};

class CPoint : public tagPOINT {
public:
    CPoint() noexcept { x = y = 0; }
    CPoint(int ix, int iy) noexcept { x = ix; y = iy; }
    CPoint(POINT p) noexcept { x = p.x; y = p.y; }
    explicit CPoint(SIZE s) noexcept { x = s.cx; y = s.cy; }
    // From a mouse-message LPARAM: signed 16-bit x in the low word, y in the high word.
    explicit CPoint(LPARAM dw) noexcept { x = (short)LOWORD(dw); y = (short)HIWORD(dw); }

    void SetPoint(int ix, int iy) noexcept { x = ix; y = iy; }
    void Offset(int dx, int dy) noexcept { x += dx; y += dy; }
    void Offset(POINT p) noexcept { Offset(p.x, p.y); }
    void Offset(SIZE s) noexcept { Offset(s.cx, s.cy); }
    bool operator==(POINT p) const noexcept { return x == p.x && y == p.y; }
    bool operator==(const CPoint& p) const noexcept { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const noexcept { return !(*this == p); }
    void operator+=(SIZE s) noexcept { Offset(s); }
    void operator-=(SIZE s) noexcept { Offset(-s.cx, -s.cy); }
    void operator+=(POINT p) noexcept { Offset(p); }
    void operator-=(POINT p) noexcept { Offset(-p.x, -p.y); }
    CPoint operator+(SIZE s) const noexcept { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const noexcept { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator+(POINT p) const noexcept { return CPoint(x + p.x, y + p.y); }
    CSize operator-(POINT p) const noexcept { return CSize(x - p.x, y - p.y); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
    CRect operator+(const RECT* r) const noexcept;
    CRect operator-(const RECT* r) const noexcept;
};

class CRect : public tagRECT {
public:
    CRect() noexcept { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& r) noexcept { CopyRect(&r); }
    CRect(LPCRECT r) noexcept { CopyRect(r); }
    CRect(POINT pt, SIZE sz) noexcept { left = pt.x; top = pt.y; right = pt.x + sz.cx; bottom = pt.y + sz.cy; }
    CRect(POINT tl, POINT br) noexcept { left = tl.x; top = tl.y; right = br.x; bottom = br.y; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    BOOL IsRectEmpty() const noexcept { return left >= right || top >= bottom; }
    BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const noexcept { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }
    BOOL EqualRect(LPCRECT r) const noexcept {
        return left == r->left && top == r->top && right == r->right && bottom == r->bottom;
    }

    void SetRect(int l, int t, int r, int b) noexcept { left = l; top = t; right = r; bottom = b; }
    void SetRect(POINT tl, POINT br) noexcept { SetRect(tl.x, tl.y, br.x, br.y); }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT r) noexcept { left = r->left; top = r->top; right = r->right; bottom = r->bottom; }

    void InflateRect(int x, int y) noexcept { left -= x; top -= y; right += x; bottom += y; }
    void InflateRect(SIZE s) noexcept { InflateRect(s.cx, s.cy); }
    void InflateRect(LPCRECT r) noexcept { InflateRect(r->left, r->top, r->right, r->bottom); }
    void InflateRect(int l, int t, int r, int b) noexcept { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int x, int y) noexcept { InflateRect(-x, -y); }
    void DeflateRect(SIZE s) noexcept { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(LPCRECT r) noexcept { DeflateRect(r->left, r->top, r->right, r->bottom); }
    void DeflateRect(int l, int t, int r, int b) noexcept { left += l; top += t; right -= r; bottom -= b; }

    void OffsetRect(int x, int y) noexcept { left += x; right += x; top += y; bottom += y; }
    void OffsetRect(POINT p) noexcept { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) noexcept { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) noexcept { right = Width() + x; left = x; }
    void MoveToY(int y) noexcept { bottom = Height() + y; top = y; }
    void MoveToXY(int x, int y) noexcept { MoveToX(x); MoveToY(y); }
    void MoveToXY(POINT p) noexcept { MoveToXY(p.x, p.y); }
    void NormalizeRect() noexcept;
    void SwapLeftRight() noexcept { LONG t = left; left = right; right = t; }

    // Each of these returns whether the result is non-empty; an empty result
    // is stored as (0, 0, 0, 0), as the platform's functions do.
    BOOL IntersectRect(LPCRECT r1, LPCRECT r2) noexcept;
    BOOL UnionRect(LPCRECT r1, LPCRECT r2) noexcept;
    BOOL SubtractRect(LPCRECT rSrc, LPCRECT rSub) noexcept;

    CRect MulDiv(int nMultiplier, int nDivisor) const noexcept;

    CRect& operator=(const RECT& r) noexcept { CopyRect(&r); return *this; }
    bool operator==(const RECT& r) const noexcept { return EqualRect(&r); }
    bool operator==(const CRect& r) const noexcept { return EqualRect(&r); }
    bool operator!=(const RECT& r) const noexcept { return !EqualRect(&r); }
    void operator+=(POINT p) noexcept { OffsetRect(p); }
    void operator+=(SIZE s) noexcept { OffsetRect(s); }
    void operator+=(LPCRECT r) noexcept { InflateRect(r); }
    void operator-=(POINT p) noexcept { OffsetRect(-p.x, -p.y); }
    void operator-=(SIZE s) noexcept { OffsetRect(-s.cx, -s.cy); }
    void operator-=(LPCRECT r) noexcept { DeflateRect(r); }
    void operator&=(const RECT& r) noexcept { IntersectRect(this, &r); }
    void operator|=(const RECT& r) noexcept { UnionRect(this, &r); }
    CRect operator+(POINT p) const noexcept { CRect c(*this); c.OffsetRect(p); return c; }
    CRect operator-(POINT p) const noexcept { CRect c(*this); c.OffsetRect(-p.x, -p.y); return c; }
    CRect operator+(SIZE s) const noexcept { CRect c(*this); c.OffsetRect(s); return c; }
    CRect operator-(SIZE s) const noexcept { CRect c(*this); c.OffsetRect(-s.cx, -s.cy); return c; }
    CRect operator+(LPCRECT r) const noexcept { CRect c(*this); c.InflateRect(r); return c; }
    CRect operator-(LPCRECT r) const noexcept { CRect c(*this); c.DeflateRect(r); return c; }
    CRect operator&(const RECT& r) const noexcept { CRect c; c.IntersectRect(this, &r); return c; }
    CRect operator|(const RECT& r) const noexcept { CRect c; c.UnionRect(this, &r); return c; }
};

inline CPoint CSize::operator+(POINT p) const noexcept { return CPoint(cx + p.x, cy + p.y); }
inline CPoint CSize::operator-(POINT p) const noexcept { return CPoint(cx - p.x, cy - p.y); }
inline CRect CSize::operator+(const RECT* r) const noexcept { return CRect(r) + *this; }
inline CRect CSize::operator-(const RECT* r) const noexcept { return CRect(r) - *this; }
inline CRect CPoint::operator+(const RECT* r) const noexcept { return CRect(r) + *this; }
inline CRect CPoint::operator-(const RECT* r) const noexcept { return CRect(r) - *this; }
