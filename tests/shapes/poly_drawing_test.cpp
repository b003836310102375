// What polys draw and where clicks hit their strokes; the filled outline form.
#include <gtest/gtest.h>

#include <QImage>

#include "core/element.h"
#include "core/geometry_fixtures.h"
#include "platform/graphics_path.h"
#include "properties/arrow_property.h"
#include "properties/property_kinds.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"
#include "shapes/poly_outline.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

}  // namespace

TEST(PolyDrawingTest, AClosedCurveFillsTheSplineThatSwingsOutBeyondItsPoints) {
    auto poly = MakePoly({{40, 40}, {160, 40}, {160, 160}, {40, 160}}, CQarnPoly::JoinCurve, true);
    poly->SetFillColor(Color(kRed));
    poly->SetDrawLine(false);
    const QImage image = Render(*poly);
    EXPECT_EQ(At(image, 100, 100), kRed);
    // The spline through the corners of the square bulges out to 25 at the middle of each
    // side; a polygon would stop at 40.
    EXPECT_EQ(At(image, 100, 30), kRed);
    EXPECT_EQ(At(image, 30, 100), kRed);
    EXPECT_EQ(At(image, 100, 20), kWhite);
    EXPECT_EQ(At(image, 170, 100), kRed);
    // It passes through the corners and stays inside them diagonally.
    EXPECT_EQ(At(image, 35, 35), kWhite);
    EXPECT_EQ(At(image, 10, 10), kWhite);
}

TEST(PolyDrawingTest, AnOpenPolylineDrawsItsSegmentsAndNoClosingEdge) {
    // As the polyline tool makes it: open and not filled.
    auto poly = MakePoly({{20, 100}, {100, 20}, {180, 100}});
    poly->SetFill(false);
    poly->SetFillColor(Color(kRed));
    poly->SetLineColor(Color(kBlack));
    poly->SetLineWidth(4);
    poly->SetStartArrow(ArrowTypeArrow);
    poly->SetEndArrow(ArrowTypeArrow);
    const QImage image = Render(*poly);
    EXPECT_EQ(At(image, 60, 60), kBlack);
    EXPECT_EQ(At(image, 140, 60), kBlack);
    EXPECT_EQ(At(image, 100, 22), kBlack);
    // Not closed: nothing along the chord from the last point back to the first.
    EXPECT_EQ(At(image, 100, 100), kWhite);
    EXPECT_EQ(At(image, 100, 70), kWhite);
    EXPECT_EQ(At(image, 60, 66), kWhite);
}

TEST(PolyDrawingTest, APolyWithFewerThanTwoPointsDrawsNothing) {
    auto poly = MakePoly({{100, 100}});
    poly->SetLineWidth(10);
    const QImage image = Render(*poly);
    EXPECT_EQ(At(image, 100, 100), kWhite);
}

TEST(PolyDrawingTest, ClicksHitAThickStrokeNearItAndMissItFarAway) {
    auto line = MakePoly({{0, 100}, {100, 100}, {200, 100}});
    line->SetLineWidth(10);
    line->SetFill(false);
    line->SetClosed(false);
    // Within half the width of the line.
    EXPECT_TRUE(line->Intersects(CRect(100, 103, 101, 104), nullptr));
    EXPECT_TRUE(line->Intersects(CRect(50, 96, 51, 97), nullptr));
    // Beyond the stroke but inside the bounds, and far away.
    EXPECT_FALSE(line->Intersects(CRect(100, 108, 101, 109), nullptr));
    EXPECT_FALSE(line->Intersects(CRect(100, 180, 101, 181), nullptr));
    // A selection rectangle across the line, also one of no width, and an empty one on it.
    EXPECT_TRUE(line->Intersects(CRect(90, 50, 110, 150), nullptr));
    EXPECT_TRUE(line->Intersects(CRect(100, 50, 100, 150), nullptr));
    EXPECT_TRUE(line->Intersects(CRect(100, 102, 100, 102), nullptr));

    // Turned a quarter about its middle the stroke runs up and down.
    line->SetRotateAngle(90);
    EXPECT_TRUE(line->Intersects(CRect(103, 150, 104, 151), nullptr));
    EXPECT_FALSE(line->Intersects(CRect(150, 103, 151, 104), nullptr));
}

TEST(PolyDrawingTest, AFilledPolygonIsHitInsideAndAnOpenOneOnlyOnItsStroke) {
    auto triangle = MakePoly({{0, 0}, {100, 0}, {0, 100}}, CQarnPoly::JoinLineSegment, true);
    triangle->SetLineWidth(2);
    triangle->SetFill(true);
    EXPECT_TRUE(triangle->Intersects(CRect(20, 20, 21, 21), nullptr));
    EXPECT_FALSE(triangle->Intersects(CRect(80, 80, 81, 81), nullptr));
    triangle->SetFill(false);
    EXPECT_FALSE(triangle->Intersects(CRect(20, 20, 21, 21), nullptr));
    EXPECT_TRUE(triangle->Intersects(CRect(50, 50, 51, 51), nullptr));
}

TEST(PolyDrawingTest, TheOutlineFormIsAClosedBandOfTheOutlineWidth) {
    CQarnPolyOutline band(RectF(0, 0, 1, 1));
    EXPECT_TRUE(band.IsClosed());
    auto* arrow = dynamic_cast<CQarnArrowProperty*>(band.GetProperty(QARN_PROP_ARROW));
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(int(arrow->GetStartArrow()), 1);
    EXPECT_EQ(int(arrow->GetEndArrow()), 1);
    band.SetClosed(false);
    band.AddPoint(PointF(0, 50));
    band.AddPoint(PointF(200, 50));
    band.RecalcBounds(0);
    band.ResetPath();
    const GraphicsPath* path = band.GetPath();
    ASSERT_NE(path, nullptr);
    EXPECT_TRUE(path->AllFiguresClosed());
    RectF bounds;
    path->GetBounds(&bounds);
    // Flat ends: the band is as long as the line and 10 wide.
    EXPECT_RECT_NEAR(bounds, 0, 45, 200, 10, 0.05);
    EXPECT_TRUE(path->IsVisible(100, 52));
    EXPECT_FALSE(path->IsVisible(100, 57));

    // A closed square becomes a ring: its middle stays empty.
    CQarnPolyOutline ring(RectF(0, 0, 1, 1));
    ring.AddPoint(PointF(0, 0));
    ring.AddPoint(PointF(100, 0));
    ring.AddPoint(PointF(100, 100));
    ring.AddPoint(PointF(0, 100));
    ring.RecalcBounds(0);
    ring.ResetPath();
    ASSERT_NE(ring.GetPath(), nullptr);
    EXPECT_TRUE(ring.GetPath()->IsVisible(0, 50));
    EXPECT_TRUE(ring.GetPath()->IsVisible(102, 50));
    EXPECT_FALSE(ring.GetPath()->IsVisible(50, 50));
    // Round joins: the outer corner is rounded off.
    EXPECT_FALSE(ring.GetPath()->IsVisible(-4.5f, -4.5f));

    // The bounds grow by half the width (plus one, halved) on every side.
    CQarnPoly plain(RectF(0, 0, 1, 1));
    plain.AddPoint(PointF(0, 50));
    plain.AddPoint(PointF(200, 50));
    plain.RecalcBounds(0);
    const CRect inner = plain.GetBoundRect(false);
    const CRect outer = band.GetBoundRect(false);
    EXPECT_EQ(outer.left, inner.left - 5);
    EXPECT_EQ(outer.bottom, inner.bottom + 5);
}

TEST(PolyDrawingTest, TheOutlineFormDrawsFilled) {
    CQarnPolyOutline band(RectF(0, 0, 1, 1));
    band.SetClosed(false);
    band.AddPoint(PointF(20, 100));
    band.AddPoint(PointF(180, 100));
    band.RecalcBounds(0);
    band.SetClosed(true);
    band.SetFill(true);
    band.SetDrawLine(false);
    band.SetFillColor(Color(kRed));
    const QImage image = Render(band);
    EXPECT_EQ(At(image, 100, 103), kRed);
    EXPECT_EQ(At(image, 100, 97), kRed);
    EXPECT_EQ(At(image, 100, 108), kWhite);
}
