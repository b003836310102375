#pragma once
// Integer rectangle of windows and device contexts, held by its four edges. The left and top
// edges are inside, the right and bottom edges outside; nothing normalises implicitly.

#include <algorithm>
#include <cstdint>

#include "platform/cpoint.h"

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

class CRect : public RECT {
    static constexpr int Saturate(std::int64_t v) {
        return v > 0x7FFFFFFF ? 0x7FFFFFFF : (v < -0x7FFFFFFF - 1 ? -0x7FFFFFFF - 1 : int(v));
    }

public:
    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& r) : RECT(r) {}  // NOLINT: implicit like the platform's
    constexpr CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    // Extents saturate instead of overflowing when the edges lie far apart.
    constexpr int Width() const { return Saturate(std::int64_t(right) - left); }
    constexpr int Height() const { return Saturate(std::int64_t(bottom) - top); }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    // Integer halves truncate toward zero, as the platform's do.
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    // Empty when it has no area: a zero or negative width or height.
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(const POINT& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool EqualRect(const RECT& r) const {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }

    void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT& r) { *static_cast<RECT*>(this) = r; }

    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect() {
        if (left > right) {
            std::swap(left, right);
        }
        if (top > bottom) {
            std::swap(top, bottom);
        }
    }

    // Edges saturate at the ends of the integer range instead of wrapping.
    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(int l, int t, int r, int b) {
        left = Saturate(std::int64_t(left) - l);
        top = Saturate(std::int64_t(top) - t);
        right = Saturate(std::int64_t(right) + r);
        bottom = Saturate(std::int64_t(bottom) + b);
    }
    void InflateRect(const SIZE& s) { InflateRect(s.cx, s.cy); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const SIZE& s) { OffsetRect(s.cx, s.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }

    // Intersection; an empty intersection yields the null rectangle and false.
    bool IntersectRect(const RECT& a, const RECT& b) {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // Smallest rectangle holding both; an empty operand does not count.
    bool UnionRect(const RECT& a, const RECT& b) {
        CRect ra(a);
        CRect rb(b);
        if (ra.IsRectEmpty()) {
            *this = rb;
        } else if (rb.IsRectEmpty()) {
            *this = ra;
        } else {
            SetRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top),
                    std::max(ra.right, rb.right), std::max(ra.bottom, rb.bottom));
        }
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }

    constexpr bool operator==(const RECT& r) const { return EqualRect(r); }
    constexpr bool operator!=(const RECT& r) const { return !EqualRect(r); }
    CRect& operator+=(const POINT& p) {
        OffsetRect(p);
        return *this;
    }
    CRect& operator-=(const POINT& p) {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    CRect operator+(const POINT& p) const {
        CRect r(*this);
        r.OffsetRect(p);
        return r;
    }
    CRect operator&(const RECT& r) const {
        CRect out;
        out.IntersectRect(*this, r);
        return out;
    }
    CRect operator|(const RECT& r) const {
        CRect out;
        out.UnionRect(*this, r);
        return out;
    }
    CRect& operator&=(const RECT& r) {
        IntersectRect(*this, r);
        return *this;
    }
    CRect& operator|=(const RECT& r) {
        UnionRect(*this, r);
        return *this;
    }
};
