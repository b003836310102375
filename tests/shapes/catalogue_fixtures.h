#pragma once
// What the tests of the catalogue kinds share: making a kind by its id, the free handles by
// number, and the measures of a valid outline (finite points, figures that do not cross
// themselves, bounds within the frame).

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "core/element.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"
#include "platform/path_point_type.h"
#include "shapes/shape_base.h"
#include "shapes/shape_registry.h"

// The kind of the id on the frame, or null (with a failure) when the id makes something else.
template <class Shape = CQarnShapeBase>
std::unique_ptr<Shape> MakeKind(int shapeId, const RectF& frame) {
    CQarnComponent* made = Qarn::CreateShape(shapeId, frame);
    auto* shape = dynamic_cast<Shape*>(made);
    EXPECT_NE(shape, nullptr) << "shape id " << shapeId;
    if (shape == nullptr) {
        delete made;
    }
    return std::unique_ptr<Shape>(shape);
}

// The handle number of free handle k (from 0), 0 when the shape shows no such handle.
inline int FreeHandleNumber(const CQarnComponent& shape, int k) {
    for (const CQarnHandle& h : shape.GetShownHandles()) {
        if (h.kind == QarnHandleKind::Adjust && h.parameter == k) {
            return h.number;
        }
    }
    return 0;
}

// The outline as built, untransformed, flattened into figures of points.
struct FlatFigure {
    std::vector<PointF> points;
    bool closed = false;
};

inline std::vector<FlatFigure> FlatFigures(CQarnComponent& shape) {
    shape.ResetPath();
    std::vector<FlatFigure> figures;
    if (shape.GetPath() == nullptr) {
        return figures;
    }
    GraphicsPath flat(*shape.GetPath());
    flat.Flatten(nullptr, 0.05f);
    const std::vector<PointF>& points = flat.Points();
    const std::vector<BYTE>& types = flat.Types();
    for (size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & PathPointTypePathTypeMask) == PathPointTypeStart || figures.empty()) {
            figures.emplace_back();
        }
        figures.back().points.push_back(points[i]);
        if ((types[i] & PathPointTypeCloseSubpath) != 0) {
            figures.back().closed = true;
        }
    }
    return figures;
}

inline bool AllFinite(CQarnComponent& shape) {
    for (const FlatFigure& figure : FlatFigures(shape)) {
        for (const PointF& p : figure.points) {
            if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
                return false;
            }
        }
    }
    return true;
}

// Whether two segments cross at a point inside both (touching ends and overlaps along a line
// do not count: a figure pressed flat at the end of a handle's range is not crossed).
inline bool SegmentsCross(PointF a, PointF b, PointF c, PointF d) {
    auto side = [](PointF p, PointF q, PointF r) {
        return (double(q.X) - p.X) * (double(r.Y) - p.Y) -
               (double(q.Y) - p.Y) * (double(r.X) - p.X);
    };
    const double eps = 1e-3;
    const double d1 = side(c, d, a);
    const double d2 = side(c, d, b);
    const double d3 = side(a, b, c);
    const double d4 = side(a, b, d);
    return ((d1 > eps && d2 < -eps) || (d1 < -eps && d2 > eps)) &&
           ((d3 > eps && d4 < -eps) || (d3 < -eps && d4 > eps));
}

// Whether any figure of the outline crosses itself.
inline bool CrossesItself(CQarnComponent& shape) {
    for (const FlatFigure& figure : FlatFigures(shape)) {
        std::vector<PointF> p = figure.points;
        if (figure.closed && !p.empty()) {
            p.push_back(p.front());
        }
        const size_t n = p.size();
        for (size_t i = 0; i + 1 < n; ++i) {
            for (size_t j = i + 2; j + 1 < n; ++j) {
                if (SegmentsCross(p[i], p[i + 1], p[j], p[j + 1])) {
                    return true;
                }
            }
        }
    }
    return false;
}

// The bounds of the outline as built (untransformed).
inline RectF BuiltBounds(CQarnComponent& shape) {
    RectF bounds;
    shape.ResetPath();
    if (shape.GetPath() != nullptr) {
        GraphicsPath flat(*shape.GetPath());
        flat.Flatten(nullptr, 0.05f);
        flat.GetBounds(&bounds);
    }
    return bounds;
}

// Whether the outline lies within the frame, give or take the tolerance.
inline bool WithinFrame(CQarnComponent& shape, float tolerance) {
    RectF frame = shape.GetRectF();
    Qarn::NormalizeRectF(frame);
    const RectF b = BuiltBounds(shape);
    return b.X >= frame.X - tolerance && b.Y >= frame.Y - tolerance &&
           b.X + b.Width <= frame.X + frame.Width + tolerance &&
           b.Y + b.Height <= frame.Y + frame.Height + tolerance;
}

// The points of one drawing element's path, as built.
inline std::vector<PointF> ElementPoints(CQarnComponent& shape, int element = 0) {
    shape.ResetPath();
    const CQarnElement* e = shape.GetElement(element);
    return e != nullptr ? e->GetPath()->Points() : std::vector<PointF>();
}

inline void ExpectPolygon(CQarnComponent& shape, int element, const std::vector<PointF>& corners) {
    const std::vector<PointF> points = ElementPoints(shape, element);
    ASSERT_EQ(points.size(), corners.size());
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].X, corners[i].X, 0.01f) << "corner " << i;
        EXPECT_NEAR(points[i].Y, corners[i].Y, 0.01f) << "corner " << i;
    }
}

// Whether the outline as built passes through the point (a corner or an end of a curve).
inline bool PassesThrough(CQarnComponent& shape, PointF p) {
    shape.ResetPath();
    for (const PointF& q : shape.GetPath()->Points()) {
        if (std::fabs(q.X - p.X) < 0.01f && std::fabs(q.Y - p.Y) < 0.01f) {
            return true;
        }
    }
    return false;
}

// Whether the outline as built (with the fill rule the shape draws with) covers the point.
inline bool Covers(CQarnComponent& shape, PointF p) {
    shape.ResetPath();
    GraphicsPath outline(*shape.GetPath());
    outline.SetFillMode(shape.GetFillWinding() ? FillModeWinding : FillModeAlternate);
    return outline.IsVisible(p) != 0;
}
