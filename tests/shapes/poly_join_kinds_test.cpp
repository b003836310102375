// The outline a poly builds for each join kind, open and closed.
#include <gtest/gtest.h>

#include <cmath>

#include "core/element.h"
#include "platform/graphics_path.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"

namespace {

// The flattened outline passes within `tolerance` of the point.
bool PassesNear(const GraphicsPath& outline, const PointF& p, float tolerance) {
    GraphicsPath flat(outline);
    flat.Flatten(nullptr, 0.05f);
    const std::vector<PointF>& points = flat.Points();
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const PointF a = points[i];
        const PointF b = points[i + 1];
        const double dx = double(b.X) - a.X;
        const double dy = double(b.Y) - a.Y;
        const double length2 = dx * dx + dy * dy;
        double t =
            length2 > 0 ? ((double(p.X) - a.X) * dx + (double(p.Y) - a.Y) * dy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double ex = a.X + t * dx - p.X;
        const double ey = a.Y + t * dy - p.Y;
        if (std::sqrt(ex * ex + ey * ey) <= tolerance) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(PolyJoinKindsTest, FewerThanTwoPointsHaveNoOutlineAndTwoAreOneLine) {
    auto one = MakePoly({{5, 5}}, CQarnPoly::JoinCurve, true);
    EXPECT_FALSE(one->CreateElements(nullptr));
    EXPECT_EQ(one->GetElementCount(), 0);
    one->ResetPath();
    EXPECT_EQ(one->GetPath(), nullptr);

    // Two points are a plain open line whatever the join kind and the closed flag.
    auto two = MakePoly({{0, 0}, {10, 10}}, CQarnPoly::JoinArcSegment, true);
    const GraphicsPath line = OutlineOf(*two);
    ASSERT_EQ(line.GetPointCount(), 2);
    EXPECT_EQ(Kind(line.Types()[1]), PathPointTypeLine);
    EXPECT_FALSE(Closes(line.Types()[1]));
}

TEST(PolyJoinKindsTest, LineSegmentsJoinPointsStraightOpenOrClosed) {
    auto open = MakePoly({{0, 0}, {10, 0}, {10, 10}});
    GraphicsPath path = OutlineOf(*open);
    ASSERT_EQ(path.GetPointCount(), 3);
    EXPECT_EQ(Kind(path.Types()[2]), PathPointTypeLine);
    EXPECT_FALSE(path.AllFiguresClosed());

    open->SetClosed(true);
    path = OutlineOf(*open);
    ASSERT_EQ(path.GetPointCount(), 3);
    EXPECT_TRUE(Closes(path.Types()[2]));

    // An unknown join kind draws straight segments too.
    open->SetPolyStyle(9);
    EXPECT_EQ(OutlineOf(*open).GetPointCount(), 3);
}

TEST(PolyJoinKindsTest, IntegerPointsAreRoundedWhileTheOutlineIsBuilt) {
    auto poly = MakePoly({{0.4f, 0.6f}, {10.5f, 2.2f}, {20.2f, 7.7f}});
    poly->SetIntegerPoint(true);
    EXPECT_NE(poly->GetIntegerPoint(), 0u);
    const GraphicsPath path = OutlineOf(*poly);
    EXPECT_POINT_NEAR(path.Points()[0], 0, 1, 0);
    EXPECT_POINT_NEAR(path.Points()[1], 11, 2, 0);
    EXPECT_POINT_NEAR(path.Points()[2], 20, 8, 0);
    // The stored points stay as they were.
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 0.4f, 0.6f, 0);
    poly->SetIntegerPoint(false);
    EXPECT_EQ(poly->GetPolyStyle(), 0u);
}

TEST(PolyJoinKindsTest, CurveIsOneSplineThroughAllPointsWithTheTension) {
    auto poly = MakePoly({{0, 0}, {50, 40}, {100, 0}, {150, 40}}, CQarnPoly::JoinCurve);
    GraphicsPath path = OutlineOf(*poly);
    ASSERT_EQ(path.GetPointCount(), 10);
    for (int i = 0; i < 4; ++i) {
        EXPECT_POINT_NEAR(path.Points()[size_t(3 * i)], poly->GetPoint(i + 1, 0).X,
                          poly->GetPoint(i + 1, 0).Y, 1e-4);
    }
    EXPECT_EQ(Kind(path.Types()[1]), PathPointTypeBezier);
    // Tension 0 straightens the curve: the control points lie on the segments.
    poly->SetTension(0);
    path = OutlineOf(*poly);
    EXPECT_POINT_NEAR(path.Points()[1], 0, 0, 1e-4);

    poly->SetTension(0.5f);
    poly->SetClosed(true);
    path = OutlineOf(*poly);
    // Four curved pieces around, back to the start.
    EXPECT_EQ(path.GetPointCount(), 13);
    EXPECT_TRUE(path.AllFiguresClosed());
}

TEST(PolyJoinKindsTest, ArcSegmentSpansAHalfEllipseThroughTheMiddlePoint) {
    auto poly = MakePoly({{0, 0}, {50, 50}, {100, 0}}, CQarnPoly::JoinArcSegment);
    const GraphicsPath path = OutlineOf(*poly);
    RectF bounds;
    path.GetBounds(&bounds);
    // A half circle below the chord from (0, 0) to (100, 0).
    EXPECT_RECT_NEAR(bounds, 0, 0, 100, 50, 0.05);
    EXPECT_TRUE(PassesNear(path, PointF(50, 50), 0.1f));
    EXPECT_TRUE(PassesNear(path, PointF(50 - 50 * std::sqrt(0.5f), 50 * std::sqrt(0.5f)), 0.1f));
    EXPECT_POINT_NEAR(path.Points().front(), 0, 0, 1e-3);
    EXPECT_POINT_NEAR(path.Points().back(), 100, 0, 1e-3);

    // A flatter middle point gives a half-ellipse of that height.
    auto flat = MakePoly({{0, 0}, {50, -20}, {100, 0}}, CQarnPoly::JoinArcSegment);
    RectF flatBounds;
    OutlineOf(*flat).GetBounds(&flatBounds);
    EXPECT_RECT_NEAR(flatBounds, 0, -20, 100, 20, 0.05);
}

TEST(PolyJoinKindsTest, ArcSegmentFallsBackToCurvesNearTheChordOrAtPointedCorners) {
    // Almost on the chord: a curve whose middle point is the given one.
    auto nearChord = MakePoly({{0, 0}, {50, 1}, {100, 0}}, CQarnPoly::JoinArcSegment);
    GraphicsPath path = OutlineOf(*nearChord);
    ASSERT_EQ(path.GetPointCount(), 7);
    EXPECT_POINT_NEAR(path.Points()[3], 50, 1, 1e-4);

    // B lies beyond C, so the corner at C is obtuse.
    auto pointed = MakePoly({{0, 0}, {200, 30}, {100, 0}}, CQarnPoly::JoinArcSegment);
    path = OutlineOf(*pointed);
    ASSERT_EQ(path.GetPointCount(), 7);
    EXPECT_POINT_NEAR(path.Points()[3], 200, 30, 1e-4);

    // A folded back onto C has no chord: still a curve, and nothing becomes NaN.
    auto folded = MakePoly({{0, 0}, {50, 50}, {0, 0}}, CQarnPoly::JoinArcSegment);
    path = OutlineOf(*folded);
    for (const PointF& p : path.Points()) {
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    }
}

TEST(PolyJoinKindsTest, ArcSegmentEndsWithAStraightPieceWhenThePointsDoNotPair) {
    // Open with an even count: the last two points are joined straight.
    auto open = MakePoly({{0, 0}, {50, 50}, {100, 0}, {150, 20}}, CQarnPoly::JoinArcSegment);
    GraphicsPath path = OutlineOf(*open);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeLine);
    EXPECT_POINT_NEAR(path.Points().back(), 150, 20, 0);

    // Closed with an odd count: two arcs, then a straight line back to point 1, closed.
    auto closed = MakePoly({{0, 0}, {50, 50}, {100, 0}, {150, 50}, {200, 0}},
                           CQarnPoly::JoinArcSegment, true);
    path = OutlineOf(*closed);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeLine);
    EXPECT_TRUE(Closes(path.Types().back()));
    EXPECT_POINT_NEAR(path.Points().back(), 0, 0, 0);
    EXPECT_TRUE(PassesNear(path, PointF(150, 50), 0.1f));

    // Closed with an even count: the last arc runs through the last point back to point 1.
    auto ring = MakePoly({{0, 0}, {50, 50}, {100, 0}, {50, -50}}, CQarnPoly::JoinArcSegment, true);
    path = OutlineOf(*ring);
    EXPECT_NE(Kind(path.Types().back()), PathPointTypeLine);
    EXPECT_TRUE(PassesNear(path, PointF(50, -50), 0.1f));
    EXPECT_TRUE(path.AllFiguresClosed());
}

TEST(PolyJoinKindsTest, OneControlPointCurvesTakeThreePointsAtATime) {
    auto odd =
        MakePoly({{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}}, CQarnPoly::JoinCurve1Control);
    GraphicsPath path = OutlineOf(*odd);
    // Two spline pieces of two Beziers each, joined at point 3.
    ASSERT_EQ(path.GetPointCount(), 13);
    EXPECT_POINT_NEAR(path.Points()[6], 20, 0, 1e-4);

    auto even = MakePoly({{0, 0}, {10, 10}, {20, 0}, {30, 10}}, CQarnPoly::JoinCurve1Control);
    path = OutlineOf(*even);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeLine);

    // Closed, the unpaired last points curve back to point 1.
    even->SetClosed(true);
    path = OutlineOf(*even);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeBezier);
    EXPECT_POINT_NEAR(path.Points().back(), 0, 0, 1e-4);
    EXPECT_TRUE(path.AllFiguresClosed());
}

TEST(PolyJoinKindsTest, TwoControlPointCurvesTakeFourPointsAtATime) {
    auto four = MakePoly({{0, 0}, {10, 10}, {20, 0}, {30, 10}}, CQarnPoly::JoinCurve2Controls);
    EXPECT_EQ(OutlineOf(*four).GetPointCount(), 10);

    // Three left over: one spline through them.
    auto six = MakePoly({{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}, {50, 10}},
                        CQarnPoly::JoinCurve2Controls);
    GraphicsPath path = OutlineOf(*six);
    EXPECT_EQ(path.GetPointCount(), 16);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeBezier);

    // Two left over: a straight line.
    auto five = MakePoly({{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}},
                         CQarnPoly::JoinCurve2Controls, true);
    path = OutlineOf(*five);
    EXPECT_EQ(Kind(path.Types().back()), PathPointTypeLine);
    EXPECT_TRUE(path.AllFiguresClosed());
}

TEST(PolyJoinKindsTest, ElementsInARectangleShowThePolyThereWithoutMovingIt) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    RectF target(200, 100, 50, 100);
    ASSERT_TRUE(poly->CreateElements(&target));
    const GraphicsPath* path = poly->GetElement(0)->GetPath();
    EXPECT_POINT_NEAR(path->Points()[1], 250, 100, 1e-4);
    EXPECT_POINT_NEAR(path->Points()[2], 250, 200, 1e-4);
    EXPECT_RECT_NEAR(poly->GetRectF(), 0, 0, 100, 50, 0);
    EXPECT_POINT_NEAR(poly->GetPoint(2, 0), 100, 0, 0);
}
