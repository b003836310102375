#include <gtest/gtest.h>

#include "core/geometry_fixtures.h"
#include "shapes/arc_pie.h"
#include "shapes/point.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace {

constexpr QRgb kFill = 0xFFFF0000u;
constexpr QRgb kLine = 0xFF0000FFu;
constexpr QRgb kWhite = 0xFFFFFFFFu;

// Filled red, stroked blue one unit wide.
template <class Shape>
void Paint(Shape& shape) {
    shape.SetFillColor(Color(kFill));
    shape.SetLineColor(Color(kLine));
    shape.SetLineWidth(1);
    shape.SetFill(true);
    shape.SetDrawLine(true);
    shape.ResetPath();
}

// Whether the colour is painted at or right next to the pixel (a stroke on a slant or a curve
// may fall on either side of an exact coordinate).
bool PaintedNear(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(x + dx, y + dy) == colour) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST(ShapeRenderingTest, ARoundedRectangleLeavesItsCornersWhite) {
    CQarnRect rect(RectF(20, 20, 160, 100));
    rect.SetShapeID(Qarn::kShapeRoundRectangle);
    rect.SetCornerSize(60, 60);
    Paint(rect);
    const QImage image = Render(rect);
    EXPECT_EQ(image.pixel(100, 70), kFill);
    EXPECT_EQ(image.pixel(24, 24), kWhite);  // cut off by the corner
    EXPECT_EQ(image.pixel(176, 116), kWhite);
    EXPECT_EQ(image.pixel(40, 40), kFill);            // inside the corner's curve
    EXPECT_TRUE(PaintedNear(image, 100, 20, kLine));  // the straight top edge
    EXPECT_TRUE(PaintedNear(image, 20, 70, kLine));
    EXPECT_EQ(image.pixel(100, 130), kWhite);
    // A plain rectangle fills the corner.
    rect.SetShapeID(Qarn::kShapeRectangle);
    rect.ResetPath();
    EXPECT_EQ(Render(rect).pixel(24, 24), kFill);
}

TEST(ShapeRenderingTest, AnEllipseFillsOnlyInsideItsCurve) {
    CQarnRect ellipse(RectF(20, 20, 160, 100));
    ellipse.SetShapeID(Qarn::kShapeEllipse);
    Paint(ellipse);
    const QImage image = Render(ellipse);
    EXPECT_EQ(image.pixel(100, 70), kFill);
    EXPECT_EQ(image.pixel(30, 30), kWhite);
    EXPECT_EQ(image.pixel(170, 110), kWhite);
    EXPECT_TRUE(PaintedNear(image, 100, 20, kLine));
    EXPECT_TRUE(PaintedNear(image, 20, 70, kLine));
    // Turned a quarter about its centre it stands upright.
    ellipse.UpdateRotateCenter();
    ellipse.RotateAt(90, ellipse.GetCenterPointF(), 1);
    const QImage turned = Render(ellipse);
    EXPECT_EQ(turned.pixel(100, 20), kFill);
    EXPECT_EQ(turned.pixel(30, 70), kWhite);
}

TEST(ShapeRenderingTest, APieIsAWedgeFromTheCentreOfItsEllipse) {
    CQarnArcPie pie(RectF(20, 20, 100, 50));
    pie.SetShapeID(Qarn::kShapePie);
    Paint(pie);
    const QImage image = Render(pie);
    EXPECT_EQ(image.pixel(100, 40), kFill);  // near the apex
    EXPECT_EQ(image.pixel(40, 45), kFill);
    EXPECT_EQ(image.pixel(30, 62), kWhite);           // outside the curve
    EXPECT_EQ(image.pixel(140, 40), kWhite);          // the other side of the centre
    EXPECT_TRUE(PaintedNear(image, 120, 45, kLine));  // the edge from the centre down
    EXPECT_TRUE(PaintedNear(image, 70, 20, kLine));   // the edge from the centre to the left
}

TEST(ShapeRenderingTest, AChordIsCutOffByTheStraightLineBetweenItsEnds) {
    CQarnArcPie chord(RectF(20, 20, 100, 50));
    chord.SetShapeID(Qarn::kShapeChord);
    Paint(chord);
    const QImage image = Render(chord);
    EXPECT_EQ(image.pixel(100, 40), kWhite);  // the pie's apex side of the chord
    EXPECT_EQ(image.pixel(40, 45), kFill);
    EXPECT_EQ(image.pixel(30, 62), kWhite);
    EXPECT_TRUE(PaintedNear(image, 70, 45, kLine));  // on the chord: (20, 20) to (120, 70)
}

TEST(ShapeRenderingTest, AnOpenArcIsOnlyStroked) {
    CQarnArcPie arc(RectF(20, 20, 100, 50));
    arc.SetShapeID(Qarn::kShapeArc);
    Paint(arc);
    arc.SetFill(false);
    const QImage image = Render(arc);
    EXPECT_EQ(image.pixel(40, 45), kWhite);
    EXPECT_TRUE(PaintedNear(image, 120, 70, kLine));
}

TEST(ShapeRenderingTest, APointMarkerIsDrawnAroundItsCentre) {
    CQarnPoint point(PointF(50, 50));
    point.SetMarkerStyle(CQarnPoint::MarkerSquare);
    point.SetMarkerRadius(10);
    Paint(point);
    const QImage image = Render(point, 0, nullptr, 100, 100);
    EXPECT_EQ(image.pixel(50, 50), kFill);
    EXPECT_TRUE(PaintedNear(image, 40, 50, kLine));
    EXPECT_EQ(image.pixel(50, 65), kWhite);
}
