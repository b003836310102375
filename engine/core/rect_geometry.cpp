#include "core/rect_geometry.h"

#include <algorithm>
#include <cmath>

namespace Qarn {

namespace {

template <typename R>
void NormalizeExtents(R& r) {
    if (r.Width < 0) {
        r.X += r.Width;
        r.Width = -r.Width;
    }
    if (r.Height < 0) {
        r.Y += r.Height;
        r.Height = -r.Height;
    }
}

template <typename R, typename P>
R BoundsOf(const P* points, int count) {
    if (count < 2) {
        return R(points[0].X, points[0].Y, 0, 0);
    }
    auto minX = points[0].X;
    auto maxX = points[0].X;
    auto minY = points[0].Y;
    auto maxY = points[0].Y;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, points[i].X);
        maxX = std::max(maxX, points[i].X);
        minY = std::min(minY, points[i].Y);
        maxY = std::max(maxY, points[i].Y);
    }
    return R(minX, minY, maxX - minX, maxY - minY);
}

struct AxisMapping {
    float scaleX;
    float scaleY;
};

AxisMapping ScaleBetween(const RectF& from, const RectF& to) {
    return {from.Width == 0.0f ? 1.0f : to.Width / from.Width,
            from.Height == 0.0f ? 1.0f : to.Height / from.Height};
}

Matrix MappingBetween(const RectF& from, const RectF& to) {
    AxisMapping s = ScaleBetween(from, to);
    Matrix m;
    m.Translate(-from.X, -from.Y, MatrixOrderAppend);
    m.Scale(s.scaleX, s.scaleY, MatrixOrderAppend);
    m.Translate(to.X, to.Y, MatrixOrderAppend);
    return m;
}

}  // namespace

void NormalizeRectF(RectF& r) {
    NormalizeExtents(r);
}

void NormalizeRectF(Rect& r) {
    NormalizeExtents(r);
}

RectF GetBoundRect(const PointF* points, int count) {
    return BoundsOf<RectF>(points, count);
}

Rect GetBoundRect(const Point* points, int count) {
    return BoundsOf<Rect>(points, count);
}

void TransformRectFast(RectF& r, const Matrix* m) {
    PointF corners[2] = {PointF(r.X, r.Y), PointF(r.X + r.Width, r.Y + r.Height)};
    m->TransformPoints(corners, 2);
    r = RectF(corners[0].X, corners[0].Y, corners[1].X - corners[0].X, corners[1].Y - corners[0].Y);
}

void TransformRect(RectF& r, const Matrix* m) {
    PointF corners[4] = {PointF(r.X, r.Y), PointF(r.X, r.Y + r.Height), PointF(r.X + r.Width, r.Y),
                         PointF(r.X + r.Width, r.Y + r.Height)};
    m->TransformPoints(corners, 4);
    r = GetBoundRect(corners, 4);
}

void TransformRect(RectF& r, const RectF& from, const RectF& to) {
    Matrix m = MappingBetween(from, to);
    TransformRectFast(r, &m);
}

void TransformPoints(PointF* points, int count, const RectF& from, const RectF& to) {
    Matrix m = MappingBetween(from, to);
    m.TransformPoints(points, count);
}

RectF GetEncloseEllipse(const RectF& r) {
    if (std::fabs(r.Width) < 0.5f || std::fabs(r.Height) < 0.5f) {
        return r;
    }
    float side = std::sqrt(r.Width * r.Width + r.Height * r.Height);
    float cx = r.X + r.Width / 2;
    float cy = r.Y + r.Height / 2;
    return RectF(cx - side / 2, cy - side / 2, side, side);
}

BOOL PtInEllipse(const RectF& ellipse, const PointF& p) {
    double a = ellipse.Width / 2.0;
    double b = ellipse.Height / 2.0;
    double dx = p.X - (ellipse.X + a);
    double dy = p.Y - (ellipse.Y + b);
    double value = (dx / a) * (dx / a) + (dy / b) * (dy / b);
    return value <= 1.0 ? TRUE : FALSE;
}

BOOL RectInEllipse(const RectF& inner, const RectF& ellipse) {
    const PointF corners[4] = {PointF(inner.X, inner.Y), PointF(inner.X, inner.Y + inner.Height),
                               PointF(inner.X + inner.Width, inner.Y),
                               PointF(inner.X + inner.Width, inner.Y + inner.Height)};
    for (const PointF& corner : corners) {
        if (!PtInEllipse(ellipse, corner)) {
            return FALSE;
        }
    }
    return TRUE;
}

void ConvertPoint(POINT& a, POINT& b, int d) {
    if (a.x < b.x) {
        a.x += d;
        b.x -= d;
    } else {
        a.x -= d;
        b.x += d;
    }
    // The larger Y comes down towards the smaller; on a tie the first point gives way.
    if (a.y >= b.y) {
        a.y -= d;
        b.y += d;
    } else {
        a.y += d;
        b.y -= d;
    }
}

void ConvertRect(CRect& r, int d) {
    POINT topLeft{r.left, r.top};
    POINT bottomRight{r.right, r.bottom};
    ConvertPoint(topLeft, bottomRight, d);
    r.SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

PointF CalculateNewPoint(PointF anchor, PointF p, BOOL) {
    float dx = p.X - anchor.X;
    float dy = p.Y - anchor.Y;
    int degrees = int((std::atan2(double(dy), double(dx)) + 3.1415927) * 57.295776);
    switch (degrees / 30) {
        case 0:
        case 5:
        case 6:
        case 11:
            return PointF(p.X, anchor.Y);
        case 2:
        case 3:
        case 8:
        case 9:
            return PointF(anchor.X, p.Y);
        default: {
            float product = dx * dy;
            if (product > 0) {
                return PointF(p.X, anchor.Y + dx);
            }
            if (product < 0) {
                return PointF(p.X, anchor.Y - dx);
            }
            return p;
        }
    }
}

}  // namespace Qarn
