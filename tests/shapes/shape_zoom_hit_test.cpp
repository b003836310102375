// Zoom-aware hit tests of polys, arcs, points and groups at tolerances of three
// pixels at 25% and at 800%.
#include <gtest/gtest.h>

#include <cmath>

#include "core/geometry_fixtures.h"
#include "shapes/arc_pie.h"
#include "shapes/group.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace {

constexpr float kZooms[] = {0.25f, 8.0f};

// A tenth of the tolerance inside and outside a distance.
float In(float distance, float tolerance) {
    return distance - tolerance / 10;
}
float Out(float distance, float tolerance) {
    return distance + tolerance / 10;
}

}  // namespace

TEST(ShapeZoomHitTest, AnOpenPolylineIsHitAlongItsSegmentsOnly) {
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        auto poly = MakePoly({{0, 0}, {100, 0}, {100, 100}});
        poly->SetFill(false);
        poly->SetLineWidth(2);
        const float reach = 1 + tol;
        EXPECT_TRUE(poly->HitTest(PointF(40, In(reach, tol)), tol));
        EXPECT_FALSE(poly->HitTest(PointF(40, Out(reach, tol)), tol));
        EXPECT_TRUE(poly->HitTest(PointF(100 - In(reach, tol), 70), tol));
        EXPECT_FALSE(poly->HitTest(PointF(100 - Out(reach, tol), 70), tol));
        // The way back from the last point to the first is not drawn.
        EXPECT_FALSE(poly->HitTest(PointF(50, 50), tol));
        // Past the open end only the tolerance around the end point counts.
        EXPECT_TRUE(poly->HitTest(PointF(100, 100 + In(reach, tol)), tol));
        EXPECT_FALSE(poly->HitTest(PointF(100, 100 + Out(reach, tol)), tol));
    }
}

TEST(ShapeZoomHitTest, AnArcIsHitOnItsCurveAndAPieInsideItsWedge) {
    // The quarter of the ellipse centred on (100, 0) with half-axes 100 and 50, from its
    // bottom to its left point; at 135 degrees it passes (29.29, 35.36).
    const double t = 135.0 * M_PI / 180.0;
    const PointF onCurve(float(100 + 100 * std::cos(t)), float(50 * std::sin(t)));
    // The outward normal there.
    const double nx = std::cos(t) / 100.0;
    const double ny = std::sin(t) / 50.0;
    const double length = std::hypot(nx, ny);
    auto outward = [&](float d) {
        return PointF(float(onCurve.X + d * nx / length), float(onCurve.Y + d * ny / length));
    };
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        CQarnArcPie arc(RectF(0, 0, 100, 50));
        arc.SetShapeID(Qarn::kShapeArc);
        arc.SetFill(false);
        arc.SetLineWidth(1);
        arc.UpdateRotateCenter();
        const float reach = 0.5f + tol;
        EXPECT_TRUE(arc.HitTest(onCurve, tol));
        EXPECT_TRUE(arc.HitTest(outward(In(reach, tol)), tol));
        EXPECT_FALSE(arc.HitTest(outward(Out(reach, tol)), tol));
        EXPECT_TRUE(arc.HitTest(outward(-In(reach, tol)), tol));
        EXPECT_FALSE(arc.HitTest(outward(-Out(reach, tol)), tol));
        EXPECT_FALSE(arc.HitTest(PointF(90, 10), tol));

        CQarnArcPie pie(RectF(0, 0, 100, 50));
        pie.SetShapeID(Qarn::kShapePie);
        pie.SetFill(true);
        pie.UpdateRotateCenter();
        EXPECT_TRUE(pie.HitTest(PointF(90, 10), tol));
        EXPECT_FALSE(pie.HitTest(outward(Out(reach, tol)), tol));
    }
}

TEST(ShapeZoomHitTest, APointIsHitWithinItsMarkerAndTheTolerance) {
    for (float zoom : kZooms) {
        SCOPED_TRACE(zoom);
        const float tol = ThreePixels(zoom);
        CQarnPoint point(PointF(50, 40));
        point.SetLineWidth(1);
        // Radius 3 and half the pen.
        const float reach = 3.5f + tol;
        EXPECT_TRUE(point.HitTest(PointF(50, 40), tol));
        EXPECT_TRUE(point.HitTest(PointF(50 + In(reach, tol), 40), tol));
        EXPECT_FALSE(point.HitTest(PointF(50 + Out(reach, tol), 40), tol));
        // A marker that draws nothing is still found.
        point.SetMarkerStyle(1);
        EXPECT_TRUE(point.HitTest(PointF(50, 40 - In(reach, tol)), tol));
    }
}

TEST(ShapeZoomHitTest, AGroupIsHitWhereAMemberIsNotInTheGapsOfItsFrame) {
    CQarnRect a(RectF(0, 0, 40, 40));
    CQarnRect b(RectF(60, 0, 40, 40));
    for (CQarnRect* member : {&a, &b}) {
        member->SetLineWidth(1);
        member->UpdateRotateCenter();
    }
    CQarnGroup group;
    group.AddComponent(&a);
    group.AddComponent(&b);
    group.RecalcBounds();
    EXPECT_TRUE(group.HitTest(PointF(20, 20), ThreePixels(8)));
    EXPECT_TRUE(group.HitTest(PointF(80, 20), ThreePixels(8)));
    EXPECT_FALSE(group.HitTest(PointF(50, 20), ThreePixels(8)));
    // At 25% the gap of 20 is within three pixels of both members.
    EXPECT_TRUE(group.HitTest(PointF(50, 20), ThreePixels(0.25f)));
    EXPECT_FALSE(group.HitTest(PointF(50, 60), ThreePixels(0.25f)));
    CQarnGroup empty;
    EXPECT_FALSE(empty.HitTest(PointF(0, 0), 100.0f));
}
