#pragma once
// Rectangles of the graphics layer: an origin and an extent. Extents may be negative until a
// caller normalises them; the predicates below follow the graphics layer's rules.

#include <algorithm>

#include "platform/point_f.h"

struct RectF {
    float X = 0.0f;
    float Y = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;

    constexpr RectF() = default;
    constexpr RectF(float x, float y, float w, float h) : X(x), Y(y), Width(w), Height(h) {}
    constexpr RectF(const PointF& location, const SizeF& size)
        : X(location.X), Y(location.Y), Width(size.Width), Height(size.Height) {}

    constexpr float GetLeft() const { return X; }
    constexpr float GetTop() const { return Y; }
    constexpr float GetRight() const { return X + Width; }
    constexpr float GetBottom() const { return Y + Height; }
    constexpr PointF GetLocation() const { return {X, Y}; }
    constexpr SizeF GetSize() const { return {Width, Height}; }
    constexpr bool IsEmptyArea() const { return Width <= 0.0f || Height <= 0.0f; }
    constexpr bool Equals(const RectF& o) const {
        return X == o.X && Y == o.Y && Width == o.Width && Height == o.Height;
    }

    // The right and bottom edges are outside, as in the graphics layer.
    constexpr bool Contains(float x, float y) const {
        return x >= X && x < X + Width && y >= Y && y < Y + Height;
    }
    constexpr bool Contains(const PointF& p) const { return Contains(p.X, p.Y); }
    constexpr bool Contains(const RectF& r) const {
        return X <= r.X && r.GetRight() <= GetRight() && Y <= r.Y && r.GetBottom() <= GetBottom();
    }

    void Inflate(float dx, float dy) {
        X -= dx;
        Y -= dy;
        Width += 2 * dx;
        Height += 2 * dy;
    }
    void Offset(float dx, float dy) {
        X += dx;
        Y += dy;
    }

    // Intersection; an empty result reports false and leaves an empty rectangle.
    static bool Intersect(RectF& out, const RectF& a, const RectF& b) {
        float right = std::min(a.GetRight(), b.GetRight());
        float bottom = std::min(a.GetBottom(), b.GetBottom());
        float left = std::max(a.X, b.X);
        float top = std::max(a.Y, b.Y);
        out = RectF(left, top, right - left, bottom - top);
        return !out.IsEmptyArea();
    }
    bool Intersect(const RectF& r) { return Intersect(*this, *this, r); }
    bool IntersectsWith(const RectF& r) const {
        return GetLeft() < r.GetRight() && GetTop() < r.GetBottom() && GetRight() > r.GetLeft() &&
               GetBottom() > r.GetTop();
    }
    static bool Union(RectF& out, const RectF& a, const RectF& b) {
        float right = std::max(a.GetRight(), b.GetRight());
        float bottom = std::max(a.GetBottom(), b.GetBottom());
        float left = std::min(a.X, b.X);
        float top = std::min(a.Y, b.Y);
        out = RectF(left, top, right - left, bottom - top);
        return !out.IsEmptyArea();
    }
};

// Integer rectangle of the graphics layer (origin and extent, unlike CRect's edges).
struct Rect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    constexpr Rect() = default;
    constexpr Rect(int x, int y, int w, int h) : X(x), Y(y), Width(w), Height(h) {}

    constexpr int GetLeft() const { return X; }
    constexpr int GetTop() const { return Y; }
    constexpr int GetRight() const { return X + Width; }
    constexpr int GetBottom() const { return Y + Height; }
    constexpr bool IsEmptyArea() const { return Width <= 0 || Height <= 0; }
    constexpr bool Equals(const Rect& o) const {
        return X == o.X && Y == o.Y && Width == o.Width && Height == o.Height;
    }
};
