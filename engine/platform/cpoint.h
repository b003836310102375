#pragma once
// Integer point of windows and device contexts (pixels or whole document units).

#include "platform/win_types.h"

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

class CSize : public SIZE {
public:
    constexpr CSize() = default;
    constexpr CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}  // NOLINT: implicit like the platform's

    constexpr bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    constexpr bool operator!=(const CSize& o) const { return !(*this == o); }
    constexpr CSize operator+(const CSize& o) const { return {cx + o.cx, cy + o.cy}; }
    constexpr CSize operator-(const CSize& o) const { return {cx - o.cx, cy - o.cy}; }
    constexpr CSize operator-() const { return {-cx, -cy}; }
    CSize& operator+=(const CSize& o) {
        cx += o.cx;
        cy += o.cy;
        return *this;
    }
    CSize& operator-=(const CSize& o) {
        cx -= o.cx;
        cy -= o.cy;
        return *this;
    }
};

class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    constexpr CPoint(int x_, int y_) : POINT{x_, y_} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}  // NOLINT: implicit like the platform's

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(const CSize& s) { Offset(s.cx, s.cy); }
    void SetPoint(int x_, int y_) {
        x = x_;
        y = y_;
    }

    constexpr bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const CPoint& o) const { return !(*this == o); }
    constexpr CPoint operator+(const CSize& s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(const CSize& s) const { return {x - s.cx, y - s.cy}; }
    constexpr CSize operator-(const CPoint& p) const { return {x - p.x, y - p.y}; }
    constexpr CPoint operator+(const CPoint& p) const { return {x + p.x, y + p.y}; }
    constexpr CPoint operator-() const { return {-x, -y}; }
    CPoint& operator+=(const CSize& s) {
        Offset(s);
        return *this;
    }
    CPoint& operator-=(const CSize& s) {
        Offset(-s.cx, -s.cy);
        return *this;
    }
    CPoint& operator+=(const CPoint& p) {
        Offset(p.x, p.y);
        return *this;
    }
    CPoint& operator-=(const CPoint& p) {
        Offset(-p.x, -p.y);
        return *this;
    }
};
