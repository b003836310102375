#pragma once
// Single-precision point and size of the graphics layer, plus the integer point it also knows.

struct SizeF;

struct PointF {
    float X = 0.0f;
    float Y = 0.0f;

    constexpr PointF() = default;
    constexpr PointF(float x, float y) : X(x), Y(y) {}

    constexpr PointF operator+(const PointF& o) const { return {X + o.X, Y + o.Y}; }
    constexpr PointF operator-(const PointF& o) const { return {X - o.X, Y - o.Y}; }
    // Exact comparison; the drawing code compares points with a tolerance instead.
    constexpr bool Equals(const PointF& o) const { return X == o.X && Y == o.Y; }
};

struct SizeF {
    float Width = 0.0f;
    float Height = 0.0f;

    constexpr SizeF() = default;
    constexpr SizeF(float w, float h) : Width(w), Height(h) {}
    constexpr bool Empty() const { return Width == 0.0f && Height == 0.0f; }
};

// Integer point of the graphics layer (the integer twin of PointF).
struct Point {
    int X = 0;
    int Y = 0;

    constexpr Point() = default;
    constexpr Point(int x, int y) : X(x), Y(y) {}
    constexpr bool Equals(const Point& o) const { return X == o.X && Y == o.Y; }
};

struct Size {
    int Width = 0;
    int Height = 0;

    constexpr Size() = default;
    constexpr Size(int w, int h) : Width(w), Height(h) {}
};
