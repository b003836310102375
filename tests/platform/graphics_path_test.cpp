#include <gtest/gtest.h>

#include <QPainterPath>
#include <cmath>
#include <vector>

#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"

namespace {

std::vector<int> TypesOf(const GraphicsPath& path) {
    return std::vector<int>(path.Types().begin(), path.Types().end());
}

void ExpectNear(const PointF& p, float x, float y, float tolerance = 1e-3f) {
    EXPECT_NEAR(p.X, x, tolerance) << "x of (" << p.X << ", " << p.Y << ")";
    EXPECT_NEAR(p.Y, y, tolerance) << "y of (" << p.X << ", " << p.Y << ")";
}

// How far a point lies from the ellipse with that centre and radii, along the radius.
double EllipseError(const PointF& p, double cx, double cy, double rx, double ry) {
    double dx = (p.X - cx) / rx;
    double dy = (p.Y - cy) / ry;
    return std::fabs(std::sqrt(dx * dx + dy * dy) - 1.0) * std::min(rx, ry);
}

}  // namespace

TEST(GraphicsPathTest, OpenSegmentsJoinTheCurrentFigureUntilItIsClosed) {
    GraphicsPath path;
    path.AddLine(0, 0, 10, 0);
    path.AddLine(10, 0, 10, 10);   // starts where the last ended: no repeated point
    path.AddLine(20, 20, 30, 20);  // starts elsewhere: joined by a line
    EXPECT_EQ(TypesOf(path), (std::vector<int>{0, 1, 1, 1, 1}));
    path.CloseFigure();
    path.AddLine(0, 50, 5, 50);
    EXPECT_EQ(TypesOf(path), (std::vector<int>{0, 1, 1, 1, 0x81, 0, 1}));
    path.StartFigure();
    path.AddLine(1, 1, 2, 2);
    EXPECT_EQ(path.Types()[7], PathPointTypeStart);
    EXPECT_FALSE(path.AllFiguresClosed());
    path.CloseAllFigures();
    EXPECT_TRUE(path.AllFiguresClosed());
}

TEST(GraphicsPathTest, ClosedShapesAreFiguresOfTheirOwn) {
    GraphicsPath path;
    path.AddLine(0, 0, 5, 5);
    path.AddRectangle(RectF(10, 20, 30, 40));
    ASSERT_EQ(path.GetPointCount(), 6);
    EXPECT_EQ(TypesOf(path), (std::vector<int>{0, 1, 0, 1, 1, 0x81}));
    ExpectNear(path.Points()[4], 40, 60);
    const PointF triangle[3] = {{0, 0}, {10, 0}, {5, 8}};
    path.AddPolygon(triangle, 3);
    EXPECT_EQ(path.Types()[6], PathPointTypeStart);
    EXPECT_EQ(path.Types()[8], PathPointTypeLine | PathPointTypeCloseSubpath);
}

TEST(GraphicsPathTest, BadArgumentsAreRefusedAndLeaveThePathAlone) {
    GraphicsPath path;
    path.AddLine(0, 0, 1, 1);
    const PointF five[5] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    EXPECT_EQ(path.AddBeziers(five, 5), InvalidParameter);
    EXPECT_EQ(path.AddPolygon(five, 2), InvalidParameter);
    EXPECT_EQ(path.AddCurve(five, 1), InvalidParameter);
    EXPECT_EQ(path.AddClosedCurve(five, 2), InvalidParameter);
    EXPECT_EQ(path.AddLine(0, 0, NAN, 1), InvalidParameter);
    EXPECT_EQ(path.AddArc(RectF(0, 0, INFINITY, 1), 0, 90), InvalidParameter);
    EXPECT_EQ(path.AddCurve(five, 5, 3, 2, 0.5f), InvalidParameter);  // past the last point
    EXPECT_EQ(path.GetPointCount(), 2);
    EXPECT_EQ(path.GetLastStatus(), InvalidParameter);
    PointF buffer[1];
    EXPECT_EQ(path.GetPathPoints(buffer, 1), InsufficientBuffer);
}

TEST(GraphicsPathTest, ArcsRunClockwiseOnScreenFromTheirStartAngle) {
    GraphicsPath path;
    path.AddArc(RectF(0, 0, 100, 100), 0, 90);
    ASSERT_EQ(path.GetPointCount(), 4);
    EXPECT_EQ(TypesOf(path), (std::vector<int>{0, 3, 3, 3}));
    ExpectNear(path.Points().front(), 100, 50);  // rightmost point
    ExpectNear(path.Points().back(), 50, 100);   // then down, to the bottom

    GraphicsPath back;
    back.AddArc(RectF(0, 0, 100, 100), 0, -90);
    ExpectNear(back.Points().back(), 50, 0);  // a negative sweep goes up

    // The angles are those of rays: on a wide ellipse the 45 degree end lies on the diagonal
    // through the centre, not at the parametric 45 degrees.
    GraphicsPath wide;
    wide.AddArc(RectF(0, 0, 200, 100), 0, 45);
    const PointF end = wide.Points().back();
    EXPECT_NEAR(end.X - 100, end.Y - 50, 1e-3);
    EXPECT_LT(EllipseError(end, 100, 50, 100, 50), 1e-3);
}

TEST(GraphicsPathTest, EllipsesAreFourClosedBeziersAndSweepsStopAtOneTurn) {
    GraphicsPath ellipse;
    ellipse.AddEllipse(RectF(0, 0, 200, 100));
    ASSERT_EQ(ellipse.GetPointCount(), 13);
    ExpectNear(ellipse.Points().front(), 200, 50);
    EXPECT_EQ(ellipse.Types().back(), PathPointTypeBezier | PathPointTypeCloseSubpath);
    // The curve stays on the ellipse: check its flattened points.
    GraphicsPath flat(ellipse);
    flat.Flatten(nullptr, 0.01f);
    for (const PointF& p : flat.Points()) {
        EXPECT_LT(EllipseError(p, 100, 50, 100, 50), 0.1);
    }

    GraphicsPath twice;
    twice.AddArc(RectF(0, 0, 100, 100), 30, 720);
    EXPECT_EQ(twice.GetPointCount(), 13);
    ExpectNear(twice.Points().front(), twice.Points().back().X, twice.Points().back().Y);
}

TEST(GraphicsPathTest, PiesRunFromTheCentreAlongTheArcAndBack) {
    GraphicsPath pie;
    pie.AddPie(RectF(0, 0, 100, 100), 0, 90);
    ASSERT_EQ(pie.GetPointCount(), 5);
    EXPECT_EQ(TypesOf(pie), (std::vector<int>{0, 1, 3, 3, 0x83}));
    ExpectNear(pie.Points()[0], 50, 50);
    ExpectNear(pie.Points()[1], 100, 50);
    EXPECT_TRUE(pie.IsVisible(70, 70));
    EXPECT_FALSE(pie.IsVisible(30, 70));  // the quarter past the sweep
}

TEST(GraphicsPathTest, CardinalCurvesBecomeBeziersWithTangentsOfATensionThird) {
    const PointF points[3] = {{0, 0}, {60, 30}, {120, 0}};
    GraphicsPath curve;
    curve.AddCurve(points, 3, 0.6f);
    ASSERT_EQ(curve.GetPointCount(), 7);
    EXPECT_EQ(TypesOf(curve), (std::vector<int>{0, 3, 3, 3, 3, 3, 3}));
    // Tangent at an end: the chord to the neighbour times tension / 3 = 0.2.
    ExpectNear(curve.Points()[1], 12, 6);
    // Tangent in the middle: the chord between the neighbours (120, 0) times 0.2.
    ExpectNear(curve.Points()[2], 60 - 24, 30);
    ExpectNear(curve.Points()[3], 60, 30);
    ExpectNear(curve.Points()[4], 60 + 24, 30);
    ExpectNear(curve.Points()[5], 120 - 12, 6);

    GraphicsPath straight;
    straight.AddCurve(points, 3, 0.0f);
    ExpectNear(straight.Points()[1], 0, 0);
    ExpectNear(straight.Points()[2], 60, 30);

    GraphicsPath part;
    const PointF four[4] = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
    part.AddCurve(four, 4, 1, 2, 0.5f);
    ASSERT_EQ(part.GetPointCount(), 7);
    ExpectNear(part.Points().front(), 10, 10);
    ExpectNear(part.Points().back(), 30, 10);
    ExpectNear(part.Points()[1], 10 + 20 / 6.0f, 10);  // the tangent still sees point 0
}

TEST(GraphicsPathTest, ClosedCurvesWrapTheirTangentsAround) {
    const PointF diamond[4] = {{50, 0}, {100, 50}, {50, 100}, {0, 50}};
    GraphicsPath closed;
    closed.AddClosedCurve(diamond, 4, 0.5f);
    ASSERT_EQ(closed.GetPointCount(), 13);
    EXPECT_TRUE(closed.AllFiguresClosed());
    ExpectNear(closed.Points().back(), 50, 0);
    // At the top the tangent is the chord from the left point to the right one.
    ExpectNear(closed.Points()[1], 50 + 100 / 6.0f, 0);
    ExpectNear(closed.Points()[11], 50 - 100 / 6.0f, 0);
    EXPECT_TRUE(closed.IsVisible(50, 50));
}

TEST(GraphicsPathTest, FlatteningKeepsWithinTheFlatnessAndKeepsCloseFlags) {
    GraphicsPath coarse;
    coarse.AddEllipse(RectF(0, 0, 400, 400));
    GraphicsPath fine(coarse);
    coarse.Flatten(nullptr, 1.0f);
    fine.Flatten(nullptr, 0.05f);
    EXPECT_GT(fine.GetPointCount(), coarse.GetPointCount());
    for (const GraphicsPath* path : {&coarse, &fine}) {
        for (size_t i = 1; i < path->Types().size(); ++i) {
            EXPECT_EQ(path->Types()[i] & PathPointTypePathTypeMask, PathPointTypeLine);
        }
        EXPECT_TRUE(path->AllFiguresClosed());
    }
    // Each chord's middle stays within the flatness of the circle.
    const std::vector<PointF>& pts = coarse.Points();
    for (size_t i = 1; i < pts.size(); ++i) {
        PointF mid((pts[i - 1].X + pts[i].X) / 2, (pts[i - 1].Y + pts[i].Y) / 2);
        EXPECT_LE(EllipseError(mid, 200, 200, 200, 200), 1.1);
    }
    // A matrix applies before flattening.
    GraphicsPath moved;
    moved.AddLine(0, 0, 1, 0);
    Matrix shift(1, 0, 0, 1, 5, 7);
    moved.Flatten(&shift);
    ExpectNear(moved.Points()[0], 5, 7);
}

TEST(GraphicsPathTest, BoundsFollowTheCurveAndOptionallyThePen) {
    GraphicsPath s;
    s.AddBezier(0, 0, 0, 100, 100, 100, 100, 0);
    RectF b;
    s.GetBounds(&b);
    EXPECT_NEAR(b.X, 0, 1e-3);
    EXPECT_NEAR(b.Width, 100, 1e-3);
    EXPECT_NEAR(b.Height, 75, 1e-3);  // the curve's top, not its control points

    GraphicsPath line;
    line.AddLine(0, 0, 100, 0);
    Pen flat(Color(Color::Black), 10);
    line.GetBounds(&b, nullptr, &flat);
    EXPECT_NEAR(b.Y, -5, 1e-3);
    EXPECT_NEAR(b.Height, 10, 1e-3);
    EXPECT_NEAR(b.Width, 100, 1e-3);
    Pen square(Color(Color::Black), 10);
    square.SetLineCap(LineCapSquare, LineCapSquare, DashCapFlat);
    line.GetBounds(&b, nullptr, &square);
    EXPECT_NEAR(b.X, -5, 1e-3);
    EXPECT_NEAR(b.Width, 110, 1e-3);

    Matrix twice(2, 0, 0, 2, 0, 0);
    line.GetBounds(&b, &twice);
    EXPECT_NEAR(b.Width, 200, 1e-3);
    EXPECT_EQ(line.GetPointCount(), 2);  // measuring does not change the path
    EXPECT_NEAR(line.Points()[1].X, 100, 1e-6);
}

TEST(GraphicsPathTest, FillHitTestsFollowTheFillMode) {
    // Two overlapping squares drawn the same way round.
    GraphicsPath path;
    path.AddRectangle(RectF(0, 0, 100, 100));
    path.AddRectangle(RectF(50, 50, 100, 100));
    EXPECT_TRUE(path.IsVisible(25, 25));
    EXPECT_FALSE(path.IsVisible(75, 75));  // covered twice: a hole under alternate
    path.SetFillMode(FillModeWinding);
    EXPECT_TRUE(path.IsVisible(75, 75));
    EXPECT_FALSE(path.IsVisible(175, 25));

    GraphicsPath open;  // an open figure fills as if closed
    const PointF corner[3] = {{0, 0}, {100, 0}, {0, 100}};
    open.AddLines(corner, 3);
    EXPECT_TRUE(open.IsVisible(20, 20));
    EXPECT_FALSE(open.IsVisible(80, 80));
}

TEST(GraphicsPathTest, OutlineHitTestsUseThePenWidth) {
    GraphicsPath line;
    line.AddLine(0, 50, 100, 50);
    Pen thin(Color(Color::Black), 4);
    Pen thick(Color(Color::Black), 8);
    EXPECT_FALSE(line.IsOutlineVisible(50, 53, &thin));
    EXPECT_TRUE(line.IsOutlineVisible(50, 53, &thick));
    EXPECT_FALSE(line.IsOutlineVisible(105, 50, &thick));  // flat caps end at the ends
    GraphicsPath box;
    box.AddRectangle(RectF(0, 0, 100, 100));
    EXPECT_FALSE(box.IsOutlineVisible(50, 50, &thick));
    EXPECT_TRUE(box.IsOutlineVisible(0, 50, &thick));
    EXPECT_FALSE(box.IsOutlineVisible(50, 50, nullptr));
}

TEST(GraphicsPathTest, WideningGivesTheFilledStrokeAsLines) {
    GraphicsPath arc;
    arc.AddArc(RectF(0, 0, 100, 100), 180, 180);
    Pen pen(Color(Color::Black), 10);
    arc.Widen(&pen);
    EXPECT_EQ(arc.GetFillMode(), FillModeWinding);
    for (BYTE type : arc.Types()) {
        EXPECT_NE(type & PathPointTypePathTypeMask, PathPointTypeBezier);
    }
    EXPECT_TRUE(arc.IsVisible(50, 2));    // on the arc's top, inside the stroke
    EXPECT_FALSE(arc.IsVisible(50, 50));  // the centre is not stroked
    RectF b;
    arc.GetBounds(&b);
    EXPECT_NEAR(b.Y, -5, 0.5);
}

TEST(GraphicsPathTest, QtPathsConvertBothWaysWithFiguresAndCurves) {
    GraphicsPath path(FillModeWinding);
    path.AddLine(0, 0, 10, 0);
    path.AddBezier(10, 0, 20, 0, 20, 10, 20, 20);
    path.AddRectangle(RectF(30, 30, 5, 5));
    QPainterPath q = path.ToQPainterPath();
    EXPECT_EQ(q.fillRule(), Qt::WindingFill);
    GraphicsPath back(q);
    EXPECT_EQ(back.GetFillMode(), FillModeWinding);
    EXPECT_EQ(TypesOf(back), TypesOf(path));
    ASSERT_EQ(back.GetPointCount(), path.GetPointCount());
    for (int i = 0; i < path.GetPointCount(); ++i) {
        ExpectNear(back.Points()[size_t(i)], path.Points()[size_t(i)].X,
                   path.Points()[size_t(i)].Y);
    }
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, 10, 10));
    GraphicsPath fromQt(circle);
    EXPECT_TRUE(fromQt.AllFiguresClosed());
    EXPECT_TRUE(fromQt.IsVisible(5, 5));
}

TEST(GraphicsPathTest, AddedPathsCanContinueTheOpenFigure) {
    GraphicsPath tail;
    tail.AddLine(20, 0, 30, 0);
    GraphicsPath joined;
    joined.AddLine(0, 0, 10, 0);
    joined.AddPath(&tail, TRUE);
    EXPECT_EQ(TypesOf(joined), (std::vector<int>{0, 1, 1, 1}));
    GraphicsPath apart;
    apart.AddLine(0, 0, 10, 0);
    apart.AddPath(&tail, FALSE);
    EXPECT_EQ(TypesOf(apart), (std::vector<int>{0, 1, 0, 1}));
    apart.AddPath(&apart, FALSE);  // itself
    EXPECT_EQ(apart.GetPointCount(), 8);
}

TEST(GraphicsPathTest, TransformMovesEveryPoint) {
    GraphicsPath path;
    path.AddRectangle(RectF(0, 0, 10, 20));
    Matrix m;
    m.Rotate(90);
    m.Translate(100, 0, MatrixOrderAppend);
    path.Transform(&m);
    ExpectNear(path.Points()[1], 100, 10);  // (10, 0) turned a quarter clockwise
    ExpectNear(path.Points()[2], 80, 10);
}

TEST(GraphicsPathTest, FlatteningAPathOfHugeCurvesStaysNearItsLimit) {
    // 65,535 curves each a million units across would need 1024 lines apiece.
    GraphicsPath path;
    std::vector<PointF> points;
    for (int i = 0; i < 65535; ++i) {
        points.emplace_back(float(i % 2) * 1e6f, float(i) * 10.0f);
    }
    ASSERT_EQ(path.AddCurve(points.data(), int(points.size()), 0.5f), Ok);
    const int curves = (path.GetPointCount() - 1) / 3;
    ASSERT_EQ(curves, 65534);
    EXPECT_EQ(path.Flatten(nullptr, 0.25f), Ok);
    EXPECT_LE(size_t(path.GetPointCount()), GraphicsPath::kMaxFlattenedLines);
    EXPECT_GT(path.GetPointCount(), curves);  // still more than one line per curve
    // A path within the limit keeps the flatness asked for.
    GraphicsPath small;
    small.AddBezier(PointF(0, 0), PointF(0, 1000), PointF(1000, 1000), PointF(1000, 0));
    small.Flatten(nullptr, 0.25f);
    EXPECT_GT(small.GetPointCount(), 50);
}
