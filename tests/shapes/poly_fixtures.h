#pragma once
// Polys built from point lists for the shape tests.

#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/graphics_path.h"
#include "shapes/poly.h"

// A poly on the given points, its frame taken from them, open unless asked.
inline std::unique_ptr<CQarnPoly> MakePoly(std::initializer_list<PointF> points,
                                           DWORD joinKind = CQarnPoly::JoinLineSegment,
                                           bool closed = false) {
    auto poly = std::make_unique<CQarnPoly>(RectF(0, 0, 1, 1));
    poly->SetClosed(closed);
    poly->SetPolyStyle(joinKind);
    for (const PointF& p : points) {
        poly->AddPoint(p);
    }
    poly->RecalcBounds(0);
    poly->UpdateRotateCenter();
    return poly;
}

inline std::vector<PointF> PointsOf(const CQarnPoly& poly) {
    return std::vector<PointF>(poly.GetPointArray(), poly.GetPointArray() + poly.GetPointCount());
}

inline GraphicsPath OutlineOf(const CQarnPoly& poly) {
    GraphicsPath path;
    poly.BuildOutline(path);
    return path;
}

inline BYTE Kind(BYTE type) {
    return BYTE(type & PathPointTypePathTypeMask);
}

inline bool Closes(BYTE type) {
    return (type & PathPointTypeCloseSubpath) != 0;
}

#include <gtest/gtest.h>

// Both coordinates within the tolerance.
#define EXPECT_POINT_NEAR(actual, x, y, tolerance)  \
    do {                                            \
        const PointF p_ = (actual);                 \
        EXPECT_NEAR(p_.X, (x), (tolerance)) << "x"; \
        EXPECT_NEAR(p_.Y, (y), (tolerance)) << "y"; \
    } while (false)

#define EXPECT_RECT_NEAR(actual, x, y, w, h, tolerance)  \
    do {                                                 \
        const RectF r_ = (actual);                       \
        EXPECT_NEAR(r_.X, (x), (tolerance)) << "x";      \
        EXPECT_NEAR(r_.Y, (y), (tolerance)) << "y";      \
        EXPECT_NEAR(r_.Width, (w), (tolerance)) << "w";  \
        EXPECT_NEAR(r_.Height, (h), (tolerance)) << "h"; \
    } while (false)
