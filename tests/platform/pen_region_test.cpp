#include <gtest/gtest.h>

#include <QPen>
#include <QRegion>
#include <cmath>
#include <limits>

#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "platform/region.h"
#include "platform/rgn.h"
#include "platform/solid_brush.h"

TEST(PenTest, NamedDashStylesAreMeasuredInPenWidths) {
    Pen pen(Color(Color::Black), 2);
    EXPECT_TRUE(pen.DashLengths().empty());
    pen.SetDashStyle(DashStyleDashDot);
    EXPECT_EQ(pen.DashLengths(), (std::vector<float>{3, 1, 1, 1}));
    pen.SetDashStyle(DashStyleDashDotDot);
    EXPECT_EQ(pen.GetDashPatternCount(), 6);
    QPen q = pen.ToQPen();
    EXPECT_EQ(q.dashPattern(), (QList<qreal>{3, 1, 1, 1, 1, 1}));
    EXPECT_EQ(pen.SetDashStyle(DashStyle(9)), InvalidParameter);
    EXPECT_EQ(pen.GetDashStyle(), DashStyleDashDotDot);
}

TEST(PenTest, EveryConstructorRefusesWidthsThatAreNotFiniteAndNonNegative) {
    const SolidBrush red(Color(0xFFFF0000u));
    for (const float width : {std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(), std::nanf(""), -2.0f}) {
        const Pen byColor(Color(Color::Black), width);
        const Pen byBrush(&red, width);
        for (const Pen* pen : {&byColor, &byBrush}) {
            EXPECT_EQ(pen->GetWidth(), 1.0f) << width;
            EXPECT_EQ(pen->GetLastStatus(), InvalidParameter) << width;
            // A dashed Qt pen of that width finishes its pattern.
            Pen dashed(*pen);
            dashed.SetDashStyle(DashStyleDot);
            EXPECT_TRUE(std::isfinite(dashed.ToQPen().widthF()));
        }
    }
    const Pen wide(Color(Color::Black), 3.0e38f);
    EXPECT_EQ(wide.GetWidth(), 3.0e38f);
    EXPECT_EQ(wide.GetLastStatus(), Ok);
}

TEST(PenTest, CustomPatternsMustBePositiveAndOddOnesAreSpelledOut) {
    Pen pen{Color(Color::Black)};
    const float odd[3] = {2, 1, 3};
    EXPECT_EQ(pen.SetDashPattern(odd, 3), Ok);
    EXPECT_EQ(pen.GetDashStyle(), DashStyleCustom);
    EXPECT_EQ(pen.DashLengths(), (std::vector<float>{2, 1, 3, 2, 1, 3}));
    const float bad[2] = {1, 0};
    EXPECT_EQ(pen.SetDashPattern(bad, 2), InvalidParameter);
    EXPECT_EQ(pen.GetDashPatternCount(), 6);
    pen.SetDashStyle(DashStyleSolid);
    EXPECT_EQ(pen.GetDashPatternCount(), 0);
}

TEST(PenTest, CapsJoinsAndMiterTranslateToQt) {
    Pen pen(Color(0xFF102030u), 3);
    pen.SetLineCap(LineCapRound, LineCapSquare, DashCapRound);
    pen.SetLineJoin(LineJoinMiterClipped);
    pen.SetMiterLimit(8);
    QPen solid = pen.ToQPen();
    EXPECT_EQ(solid.capStyle(), Qt::SquareCap);  // a solid line takes the end cap
    EXPECT_EQ(solid.joinStyle(), Qt::SvgMiterJoin);
    EXPECT_DOUBLE_EQ(solid.miterLimit(), 4.0);  // Qt measures from the join point
    EXPECT_DOUBLE_EQ(solid.widthF(), 3.0);
    EXPECT_EQ(solid.color(), QColor(0x10, 0x20, 0x30));
    pen.SetDashStyle(DashStyleDot);
    EXPECT_EQ(pen.ToQPen().capStyle(), Qt::RoundCap);  // dashes take the dash cap
    EXPECT_EQ(pen.SetWidth(-1), InvalidParameter);
    EXPECT_EQ(pen.SetLineJoin(LineJoin(7)), InvalidParameter);
    pen.SetMiterLimit(0.2f);
    EXPECT_FLOAT_EQ(pen.GetMiterLimit(), 1.0f);
}

TEST(PenTest, PaintIsCopiedAndColourReplacesIt) {
    SolidBrush green(Color(0xFF00FF00u));
    Pen pen(&green, 2);
    green.SetColor(Color(Color::Red));
    EXPECT_EQ(pen.GetColor().GetValue(), 0xFF00FF00u);
    Pen copy(pen);
    copy.SetColor(Color(Color::Black));
    EXPECT_EQ(pen.GetColor().GetValue(), 0xFF00FF00u);
    EXPECT_EQ(copy.GetColor().GetValue(), 0xFF000000u);
    EXPECT_EQ(pen.SetBrush(nullptr), InvalidParameter);
    copy = pen;
    EXPECT_EQ(copy.GetColor().GetValue(), 0xFF00FF00u);
}

TEST(RegionTest, NewRegionsAreInfiniteAndCombineLikeSets) {
    Region all;
    EXPECT_TRUE(all.IsInfinite());
    EXPECT_TRUE(all.IsVisible(1e6f, -1e6f));
    Region r(RectF(0, 0, 10, 10));
    r.Union(RectF(20, 0, 10, 10));
    EXPECT_TRUE(r.IsVisible(5, 5));
    EXPECT_TRUE(r.IsVisible(25, 5));
    EXPECT_FALSE(r.IsVisible(15, 5));
    r.Intersect(RectF(5, 0, 20, 10));
    EXPECT_FALSE(r.IsVisible(2, 5));
    EXPECT_TRUE(r.IsVisible(22, 5));
    RectF b;
    r.GetBounds(&b);
    EXPECT_NEAR(b.X, 5, 1e-4);
    EXPECT_NEAR(b.Width, 20, 1e-4);

    Region hole;
    hole.Exclude(RectF(0, 0, 10, 10));  // the plane less a square
    EXPECT_FALSE(hole.IsInfinite());
    EXPECT_FALSE(hole.IsVisible(5, 5));
    EXPECT_TRUE(hole.IsVisible(50, 50));
    Region none(RectF(0, 0, 10, 10));
    none.Complement(RectF(2, 2, 4, 4));  // the square less this one: nothing
    EXPECT_TRUE(none.IsEmpty());
    Region x(RectF(0, 0, 10, 10));
    x.Xor(RectF(5, 5, 10, 10));
    EXPECT_TRUE(x.IsVisible(2, 2));
    EXPECT_FALSE(x.IsVisible(7, 7));
    EXPECT_TRUE(x.IsVisible(12, 12));
}

TEST(RegionTest, PathRegionsTransformAndBecomeIntegerRegions) {
    GraphicsPath circle;
    circle.AddEllipse(RectF(0, 0, 20, 20));
    Region r(&circle);
    EXPECT_TRUE(r.IsVisible(10, 10));
    EXPECT_FALSE(r.IsVisible(1, 1));
    EXPECT_TRUE(r.IsVisible(RectF(-5, 8, 6, 4)));  // a rectangle touching its left side
    Matrix shift(1, 0, 0, 1, 100, 0);
    r.Transform(&shift);
    EXPECT_TRUE(r.IsVisible(110, 10));
    QRegion pixels = r.ToQRegion();
    EXPECT_TRUE(pixels.contains(QPoint(110, 10)));
    EXPECT_FALSE(pixels.contains(QPoint(101, 1)));
    Region infinite;
    infinite.Transform(&shift);
    EXPECT_TRUE(infinite.IsInfinite());
}

TEST(CRgnTest, RectangleRegionsHaveOpenRightAndBottomEdges) {
    CRgn r;
    EXPECT_FALSE(r.IsCreated());
    r.CreateRectRgn(10, 20, 0, 0);  // corners in either order
    EXPECT_TRUE(r.PtInRegion(0, 0));
    EXPECT_TRUE(r.PtInRegion(9, 19));
    EXPECT_FALSE(r.PtInRegion(10, 5));
    RECT box;
    EXPECT_EQ(r.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(box.bottom, 20);
    RECT touching{9, 19, 12, 22};
    RECT outside{10, 0, 12, 5};
    EXPECT_TRUE(r.RectInRegion(&touching));
    EXPECT_FALSE(r.RectInRegion(&outside));
}

TEST(CRgnTest, PolygonRegionsFollowTheirFillRule) {
    // A pentagram: its centre is covered twice.
    const POINT star[5] = {{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}};
    CRgn winding, alternate;
    winding.CreatePolygonRgn(star, 5, WINDING);
    alternate.CreatePolygonRgn(star, 5, ALTERNATE);
    EXPECT_TRUE(winding.PtInRegion(50, 50));
    EXPECT_FALSE(alternate.PtInRegion(50, 50));
    EXPECT_TRUE(alternate.PtInRegion(50, 15));
    EXPECT_FALSE(winding.CreatePolygonRgn(star, 5, 7));
}

TEST(CRgnTest, CombiningReportsWhatResulted) {
    CRgn a, b, out;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    EXPECT_EQ(out.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(out.PtInRegion(12, 12));
    EXPECT_EQ(out.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    EXPECT_FALSE(out.PtInRegion(2, 2));
    EXPECT_EQ(out.CombineRgn(&a, &b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(out.PtInRegion(7, 7));
    EXPECT_EQ(out.CombineRgn(&a, &b, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(out.CombineRgn(&a, &a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(out.CombineRgn(&a, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(out.EqualRgn(&a));
    CRgn never;
    EXPECT_EQ(out.CombineRgn(&a, &never, RGN_AND), RGN_ERROR);
    out.OffsetRgn(100, 0);
    EXPECT_TRUE(out.PtInRegion(105, 5));
}
