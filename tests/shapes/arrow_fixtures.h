#pragma once
// The block arrows of the catalogue by shape id, and the checks every arrow outline must pass:
// closed, defined, inside its frame and without an edge crossing another.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/component.h"
#include "platform/graphics_path.h"
#include "platform/path_point_type.h"
#include "shapes/shape_base.h"
#include "shapes/shape_registry.h"

struct ArrowId {
    int shapeId;
    const char* className;
    int freeHandles;
};

inline const std::vector<ArrowId>& ArrowIds() {
    static const std::vector<ArrowId> ids = [] {
        std::vector<ArrowId> all;
        for (int id :
             {18251, 18252, 18253, 18254, 18255, 18256, 18257, 18259, 18260, 18261, 18262, 18263,
              18264, 18265, 18266, 18274, 18275, 18280, 18282, 18283, 18284, 18285, 18286}) {
            all.push_back({id, "CQarnShapeArrow", 1});
        }
        all.push_back({18267, "CQarnShapeCrossArrow", 2});
        all.push_back({18268, "CQarnShapeTArrow", 2});
        all.push_back({18269, "CQarnShapeCurveArrow", 0});
        all.push_back({18288, "CQarnShapeCurveArrow", 0});
        all.push_back({18271, "CQarnShapeQuadArrow", 3});
        all.push_back({18272, "CQarnShapeCalloutArrow", 3});
        all.push_back({18273, "CQarnShapeCalloutArrow", 3});
        all.push_back({18276, "CQarnShapeLArrow", 2});
        all.push_back({18277, "CQarnShapeLArrow", 2});
        all.push_back({18278, "CQarnShapeBentArrow", 1});
        all.push_back({18279, "CQarnShapeUArrow", 1});
        all.push_back({18211, "CQarnShapeArcArrow", 0});
        all.push_back({18287, "CQarnShapeArcArrow", 0});
        all.push_back({18289, "CQarnShapeArcArrow", 0});
        return all;
    }();
    return ids;
}

// The frame every arrow is drawn in unless a test says otherwise.
inline RectF ArrowFrame() {
    return RectF(0, 0, 200, 120);
}

template <class Shape = CQarnShapeBase>
std::unique_ptr<Shape> CreateArrow(int shapeId, const RectF& frame = ArrowFrame()) {
    CQarnComponent* c = Qarn::CreateShape(shapeId, frame);
    auto* shape = dynamic_cast<Shape*>(c);
    EXPECT_NE(shape, nullptr) << shapeId;
    if (shape == nullptr) {
        delete c;
        return nullptr;
    }
    shape->UpdateRotateCenter();
    shape->SetFill(true);
    return std::unique_ptr<Shape>(shape);
}

// The figures of the outline as built, each flattened into its corners.
inline std::vector<std::vector<PointF>> OutlineFigures(CQarnComponent& c) {
    c.ResetPath();
    std::vector<std::vector<PointF>> figures;
    if (c.GetPath() == nullptr) {
        return figures;
    }
    GraphicsPath flat = *c.GetPath();
    flat.Flatten(nullptr, 0.05f);
    const std::vector<PointF>& points = flat.Points();
    const std::vector<BYTE>& types = flat.Types();
    for (size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & PathPointTypePathTypeMask) == PathPointTypeStart) {
            figures.emplace_back();
        }
        figures.back().push_back(points[i]);
    }
    return figures;
}

// The corners of a one-figure outline, as built (not flattened).
inline std::vector<PointF> Corners(CQarnComponent& c) {
    c.ResetPath();
    return c.GetPath() != nullptr ? c.GetPath()->Points() : std::vector<PointF>();
}

inline bool SamePoints(const std::vector<PointF>& a, const std::vector<PointF>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PointF& p, const PointF& q) { return p.Equals(q); });
}

inline bool HasPointNear(const std::vector<PointF>& points, PointF p, float tolerance = 0.01f) {
    return std::any_of(points.begin(), points.end(), [&](const PointF& q) {
        return std::fabs(q.X - p.X) <= tolerance && std::fabs(q.Y - p.Y) <= tolerance;
    });
}

namespace arrow_checks {

inline double Cross(PointF o, PointF a, PointF b) {
    return (double(a.X) - o.X) * (double(b.Y) - o.Y) - (double(a.Y) - o.Y) * (double(b.X) - o.X);
}

// Whether two segments cross at a point inside both (touching ends and running along each
// other do not count).
inline bool CrossProperly(PointF a, PointF b, PointF c, PointF d) {
    constexpr double kEpsilon = 1e-3;
    const double d1 = Cross(c, d, a);
    const double d2 = Cross(c, d, b);
    const double d3 = Cross(a, b, c);
    const double d4 = Cross(a, b, d);
    return ((d1 > kEpsilon && d2 < -kEpsilon) || (d1 < -kEpsilon && d2 > kEpsilon)) &&
           ((d3 > kEpsilon && d4 < -kEpsilon) || (d3 < -kEpsilon && d4 > kEpsilon));
}

// Twice the signed area of a closed polygon.
inline double Area(const std::vector<PointF>& polygon) {
    double sum = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const PointF& p = polygon[i];
        const PointF& q = polygon[(i + 1) % polygon.size()];
        sum += double(p.X) * q.Y - double(q.X) * p.Y;
    }
    return sum / 2;
}

}  // namespace arrow_checks

// The outline is one or more closed figures of defined points inside the frame (normalised,
// plus a hair), no edge of a figure crosses another, and together they cover some area
// (unless the handles were taken to where the arrow thins to a line).
inline void ExpectSoundOutline(CQarnComponent& c, const char* what, bool covers = true) {
    SCOPED_TRACE(what);
    c.ResetPath();
    ASSERT_NE(c.GetPath(), nullptr);
    EXPECT_TRUE(c.GetPath()->AllFiguresClosed());
    RectF frame = c.GetRectF();
    if (frame.Width < 0) {
        frame.X += frame.Width;
        frame.Width = -frame.Width;
    }
    if (frame.Height < 0) {
        frame.Y += frame.Height;
        frame.Height = -frame.Height;
    }
    constexpr float kHair = 0.01f;
    const auto figures = OutlineFigures(c);
    ASSERT_FALSE(figures.empty());
    double area = 0;
    for (const std::vector<PointF>& figure : figures) {
        for (const PointF& p : figure) {
            ASSERT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
            EXPECT_GE(p.X, frame.X - kHair);
            EXPECT_LE(p.X, frame.X + frame.Width + kHair);
            EXPECT_GE(p.Y, frame.Y - kHair);
            EXPECT_LE(p.Y, frame.Y + frame.Height + kHair);
        }
        const size_t n = figure.size();
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = i + 2; j < n; ++j) {
                if (i == 0 && j == n - 1) {
                    continue;  // the closing edge meets the first
                }
                const bool crosses = arrow_checks::CrossProperly(figure[i], figure[(i + 1) % n],
                                                                 figure[j], figure[(j + 1) % n]);
                EXPECT_FALSE(crosses) << "edges " << i << " and " << j << " of " << n;
                if (crosses) {
                    return;
                }
            }
        }
        area += std::fabs(arrow_checks::Area(figure));
    }
    if (covers) {
        EXPECT_GT(area, 0.0);
    }
}
