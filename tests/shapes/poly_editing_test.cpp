// Simplifying, normalising, moving and sizing a poly; its bounds, handles, anchors and the
// poly-style property ids.
#include <gtest/gtest.h>

#include <cmath>

#include "core/property_ids.h"
#include "platform/graphics_path.h"
#include "platform/variant.h"
#include "properties/arrow_property.h"
#include "properties/property_kinds.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"

TEST(PolyEditingTest, SimplifyDropsPointsAlmostOnTheWayAndKeepsCorners) {
    auto poly = MakePoly({{0, 0}, {5, 0.01f}, {10, 0}, {10, 10}});
    EXPECT_TRUE(poly->Simplify());
    std::vector<PointF> points = PointsOf(*poly);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_POINT_NEAR(points[1], 10, 0, 0);
    EXPECT_POINT_NEAR(points[2], 10, 10, 0);

    // After a removal the next point is tried against the same start: a straight run of any
    // length becomes its two ends.
    CQarnPoly run(RectF(0, 0, 1, 1));
    for (int i = 0; i <= 50; ++i) {
        run.AddPoint(PointF(float(i), i % 2 == 0 ? 0.0f : 0.05f));
    }
    run.AddPoint(PointF(50, 30));
    run.Simplify();
    points = PointsOf(run);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_POINT_NEAR(points[1], 50, 0, 0);
}

TEST(PolyEditingTest, SimplifyKeepsAPointThatCoincidesWithBothNeighbours) {
    CQarnPoly poly(RectF(0, 0, 1, 1));
    poly.SetPointArray({{0, 0}, {0, 0}, {0, 0}, {10, 0}});
    poly.SetPointCount(4);
    poly.Simplify();
    // The first middle point sits on both neighbours (0 is not more than 0) and stays; the
    // second sits on one neighbour only and goes.
    const std::vector<PointF> points = PointsOf(poly);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_POINT_NEAR(points[2], 10, 0, 0);
}

TEST(PolyEditingTest, SimplifyLeavesCurvesAndIntegerPolysAlone) {
    auto curve = MakePoly({{0, 0}, {5, 0.01f}, {10, 0}}, CQarnPoly::JoinCurve);
    EXPECT_FALSE(curve->Simplify());
    EXPECT_EQ(curve->GetPointCount(), 3);
    auto integer = MakePoly({{0, 0}, {5, 0.01f}, {10, 0}});
    integer->SetIntegerPoint(true);
    EXPECT_FALSE(integer->Simplify());
    EXPECT_EQ(integer->GetPointCount(), 3);
}

TEST(PolyEditingTest, SimplifiedOutlineAndFrameFollowTheSurvivingPoints) {
    auto poly = MakePoly({{0, 0}, {5, 0.04f}, {10, 0}, {20, 0}});
    poly->ResetPath();
    ASSERT_EQ(poly->GetPath()->GetPointCount(), 4);
    poly->Simplify();
    ASSERT_NE(poly->GetPath(), nullptr);
    EXPECT_EQ(poly->GetPath()->GetPointCount(), 2);
    // Three or more points keep a frame of at least 0.1; two points span their line.
    EXPECT_RECT_NEAR(poly->GetRectF(), 0, 0, 20, 0, 0);
}

TEST(PolyEditingTest, NormaliseBakesRotationAndFlipIntoThePoints) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    poly->RotateAt(90, poly->GetCenterPointF(), 1);
    poly->Flip(0x10, poly->GetRotateCenter(), 0);
    std::vector<PointF> shown;
    for (int i = 1; i <= 3; ++i) {
        shown.push_back(poly->GetPoint(i, 1));
    }
    poly->Normalize();
    EXPECT_EQ(poly->GetRotateAngle(), 0.0f);
    EXPECT_EQ(poly->GetFlip(), 0u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_POINT_NEAR(poly->GetPoint(i, 0), shown[size_t(i - 1)].X, shown[size_t(i - 1)].Y,
                          1e-3);
        EXPECT_POINT_NEAR(poly->GetPoint(i, 1), shown[size_t(i - 1)].X, shown[size_t(i - 1)].Y,
                          1e-3);
    }
    // The frame is now that of the drawn points: 50 wide and 100 high about the old centre.
    EXPECT_RECT_NEAR(poly->GetRectF(), 25, -25, 50, 100, 1e-3);
    EXPECT_POINT_NEAR(poly->GetRotateCenter(), 50, 25, 1e-3);
}

TEST(PolyEditingTest, BoundsFromPointsByCountAndJoinKind) {
    // A line drawn from bottom-right to top-left keeps its direction.
    auto line = MakePoly({{100, 80}, {20, 30}});
    EXPECT_RECT_NEAR(line->GetRectF(), 100, 80, -80, -50, 0);

    auto flat = MakePoly({{0, 10}, {50, 10}, {100, 10}});
    EXPECT_RECT_NEAR(flat->GetRectF(), 0, 10, 100, 0.1f, 1e-6);
    EXPECT_EQ(flat->RecalcBounds(0), 0);

    // A curve's frame follows the curve, which swings out beyond its points.
    auto closedCurve =
        MakePoly({{40, 40}, {160, 40}, {160, 160}, {40, 160}}, CQarnPoly::JoinCurve, true);
    EXPECT_RECT_NEAR(closedCurve->GetRectF(), 25, 25, 150, 150, 0.01);

    CQarnPoly empty;
    empty.SetRectF(RectF(1, 2, 3, 4));
    EXPECT_EQ(empty.RecalcBounds(0), 0);
    EXPECT_RECT_NEAR(empty.GetRectF(), 1, 2, 3, 4, 0);
}

TEST(PolyEditingTest, MovingAndShiftingCarryThePoints) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    EXPECT_EQ(poly->MoveTo(RectF(10, 10, 200, 100), 0), 1);
    EXPECT_POINT_NEAR(poly->GetPoint(3, 0), 210, 110, 1e-4);
    EXPECT_EQ(poly->MoveTo(RectF(10, 10, 200, 100), 0), 0);
    poly->Shift(-10, 5);
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 0, 15, 1e-4);
    EXPECT_RECT_NEAR(poly->GetRectF(), 0, 15, 200, 100, 1e-4);
    // Dragging the bottom-right handle scales the points with the frame.
    EXPECT_EQ(poly->MoveHandleTo(5, PointF(100, 65), 0), 1);
    EXPECT_POINT_NEAR(poly->GetPoint(2, 0), 100, 15, 1e-4);
    EXPECT_POINT_NEAR(poly->GetPoint(3, 0), 100, 65, 1e-4);
}

TEST(PolyEditingTest, ATwoPointLineIsSizedByItsEnds) {
    auto line = MakePoly({{0, 0}, {100, 50}});
    EXPECT_EQ(line->GetHandleCount(), 2);
    EXPECT_POINT_NEAR(line->GetHandle(2, 1), 100, 50, 0);
    EXPECT_EQ(line->GetHandleCursor(1), Qt::CrossCursor);
    EXPECT_EQ(line->MoveHandleTo(1, PointF(120, 90), 0), 1);
    EXPECT_POINT_NEAR(line->GetPoint(1, 0), 120, 90, 0);
    EXPECT_RECT_NEAR(line->GetRectF(), 120, 90, -20, -40, 0);
    EXPECT_EQ(line->MoveHandleTo(4, PointF(0, 0), 0), 0);
    // Hit tests report the handles by number.
    EXPECT_EQ(line->HitTest(CPoint(101, 49), nullptr, 1, nullptr), 2);

    auto three = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    EXPECT_EQ(three->GetHandleCount(), 8);
    EXPECT_NE(three->GetHandleCursor(1), Qt::CrossCursor);
}

TEST(PolyEditingTest, PointHitsAndSegmentsUnderThePointer) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    EXPECT_EQ(poly->HitTest2(CPoint(98, 2), nullptr, 1, nullptr), 2);
    EXPECT_EQ(poly->HitTest2(CPoint(98, 2), nullptr, 0, nullptr), 0);
    EXPECT_EQ(poly->HitTest2(CPoint(50, 25), nullptr, 1, nullptr), 0);
    int unusedFirst = 0;
    int unusedSecond = 0;
    EXPECT_EQ(poly->GetTerminus(unusedFirst, unusedSecond, CPoint(50, 1)), 1);
    EXPECT_EQ(poly->GetTerminus(unusedFirst, unusedSecond, CPoint(101, 30)), 2);
    EXPECT_EQ(poly->GetTerminus(unusedFirst, unusedSecond, CPoint(40, 20)), 0);
    poly->SetClosed(true);
    EXPECT_EQ(poly->GetTerminus(unusedFirst, unusedSecond, CPoint(40, 20)), 3);
}

TEST(PolyEditingTest, AnchorsAreThePointsWithDirectionsFromTheCentre) {
    auto poly = MakePoly({{0, 50}, {50, 0}, {100, 50}, {50, 100}});
    EXPECT_EQ(poly->GetAnchorCount(), 4);
    EXPECT_POINT_NEAR(poly->GetAnchorPoint(2), 50, 0, 0);
    EXPECT_EQ(poly->GetAnchorDirection(1), 8);
    EXPECT_EQ(poly->GetAnchorDirection(2), 1);
    EXPECT_EQ(poly->GetAnchorDirection(3), 2);
    EXPECT_EQ(poly->GetAnchorDirection(4), 4);
    // Turned a quarter, the top point shows on the right.
    poly->SetRotateAngle(90);
    EXPECT_EQ(poly->GetAnchorDirection(2), 2);
}

TEST(PolyEditingTest, PolyStyleIdsReadAndWriteTheirBitsAndRebuildOnChange) {
    auto poly = MakePoly({{0, 0}, {50, 50}, {100, 0}});
    poly->SetPolyStyle(CQarnPoly::kIntegerPoint | CQarnPoly::kStyleBit8 | 1);
    EXPECT_EQ(poly->GetPropValue(QarnPropId::PolyStyle).GetI4(), 1);
    EXPECT_EQ(poly->GetPropValue(QarnPropId::PolyStyleBit8).GetI4(), 256);

    EXPECT_EQ(poly->SetPropValue(CVariant(std::int32_t(2)), QarnPropId::PolyStyle), S_OK);
    EXPECT_EQ(poly->GetPolyStyle(), CQarnPoly::kIntegerPoint | CQarnPoly::kStyleBit8 | 2);
    EXPECT_EQ(poly->SetPropValue(CVariant(std::int32_t(0)), QarnPropId::PolyStyleBit8), S_OK);
    EXPECT_EQ(poly->GetPolyStyle(), CQarnPoly::kIntegerPoint | 2);
    EXPECT_EQ(poly->SetPropValue(CVariant(std::int32_t(300)), QarnPropId::PolyStyle),
              DISP_E_OVERFLOW);
    EXPECT_EQ(poly->GetJoinKind(), 2u);
    // The arc frame follows the new join kind.
    EXPECT_RECT_NEAR(poly->GetRectF(), 0, 0, 100, 50, 0.05);

    // A plain component still answers 0.
    CQarnComponent plain;
    EXPECT_EQ(plain.GetPropValue(QarnPropId::PolyStyleBit8).GetI4(), 0);
}

TEST(PolyEditingTest, OpeningAndClosingThroughThePropertyRebuildsTheOutline) {
    auto poly = MakePoly({{0, 0}, {100, 0}, {100, 50}});
    poly->ResetPath();
    EXPECT_FALSE(poly->GetPath()->AllFiguresClosed());
    EXPECT_EQ(poly->SetPropValue(CVariant(true), QarnPropId::Closed), S_OK);
    EXPECT_TRUE(poly->IsClosed());
    ASSERT_NE(poly->GetPath(), nullptr);
    EXPECT_TRUE(poly->GetPath()->AllFiguresClosed());
    EXPECT_TRUE(poly->GetPropValue(QarnPropId::Closed).GetBool() != VARIANT_FALSE);

    // Writing the value already held leaves the outline as it is.
    const GraphicsPath* built = poly->GetPath();
    EXPECT_EQ(poly->SetPropValue(CVariant(true), QarnPropId::Closed), S_OK);
    EXPECT_EQ(poly->GetPath(), built);

    EXPECT_EQ(poly->SetPropValue(CVariant(false), QarnPropId::Closed), S_OK);
    EXPECT_FALSE(poly->GetPath()->AllFiguresClosed());
}

TEST(PolyEditingTest, ANewPolyIsAPolylineWithAnArrowAndACentredPen) {
    CQarnPoly poly(RectF(0, 0, 10, 10));
    EXPECT_EQ(poly.GetShapeID(), CQarnPoly::kPolylineShapeID);
    EXPECT_TRUE(poly.HasArrow());
    EXPECT_EQ(poly.GetTension(), 0.5f);
    EXPECT_EQ(poly.GetPolyStyle(), 0u);
    EXPECT_EQ(poly.GetPointCount(), 0);
    EXPECT_EQ(CQarnPoly().GetShapeID(), CQarnPoly::kPolylineShapeID);
}

TEST(PolyEditingTest, FlatteningReplacesPointsByTheFlattenedOutline) {
    auto poly = MakePoly({{0, 0}, {50, 50}, {100, 0}}, CQarnPoly::JoinArcSegment);
    poly->Flatten(0.25f);
    EXPECT_GT(poly->GetPointCount(), 10);
    EXPECT_EQ(poly->GetAllocPoints(), poly->GetPointCount());
    poly->SetPolyStyle(0);
    bool low = false;
    for (const PointF& p : PointsOf(*poly)) {
        low = low || p.Y > 49.0f;
    }
    EXPECT_TRUE(low);
}
