#include <gtest/gtest.h>

#include "core/rect_geometry.h"

namespace {

void ExpectRect(const RectF& r, float x, float y, float w, float h) {
    EXPECT_NEAR(r.X, x, 1e-4f);
    EXPECT_NEAR(r.Y, y, 1e-4f);
    EXPECT_NEAR(r.Width, w, 1e-4f);
    EXPECT_NEAR(r.Height, h, 1e-4f);
}

}  // namespace

TEST(RectGeometryTest, NormaliseMovesTheOriginByNegativeExtents) {
    RectF r(10, 10, -4, 6);
    Qarn::NormalizeRectF(r);
    ExpectRect(r, 6, 10, 4, 6);
    Rect i(0, 5, 3, -5);
    Qarn::NormalizeRectF(i);
    EXPECT_TRUE(i.Equals(Rect(0, 0, 3, 5)));
    RectF zero(1, 1, 0, -0.0f);
    Qarn::NormalizeRectF(zero);
    ExpectRect(zero, 1, 1, 0, 0);
}

TEST(RectGeometryTest, BoundsOfPoints) {
    PointF one[] = {PointF(3, 4)};
    ExpectRect(Qarn::GetBoundRect(one, 1), 3, 4, 0, 0);
    PointF many[] = {PointF(3, 4), PointF(-1, 8), PointF(5, 0)};
    ExpectRect(Qarn::GetBoundRect(many, 3), -1, 0, 6, 8);
    Point ints[] = {Point(2, 2), Point(-2, 7)};
    EXPECT_TRUE(Qarn::GetBoundRect(ints, 2).Equals(Rect(-2, 2, 4, 5)));
}

TEST(RectGeometryTest, FastTransformKeepsCornerOrderWhileFullTransformBounds) {
    Matrix flip(-1, 0, 0, 1, 0, 0);
    RectF fast(1, 1, 2, 3);
    Qarn::TransformRectFast(fast, &flip);
    ExpectRect(fast, -1, 1, -2, 3);  // not normalised
    Matrix turn;
    turn.Rotate(90);
    RectF full(0, 0, 2, 1);
    Qarn::TransformRect(full, &turn);
    ExpectRect(full, -1, 0, 1, 2);
}

TEST(RectGeometryTest, MappingBetweenRectanglesScalesAboutTheOrigins) {
    RectF r(2, 2, 2, 2);
    Qarn::TransformRect(r, RectF(0, 0, 10, 10), RectF(100, 0, 20, 5));
    ExpectRect(r, 104, 1, 4, 1);
    PointF points[] = {PointF(5, 5)};
    // A zero extent leaves that axis unscaled.
    Qarn::TransformPoints(points, 1, RectF(0, 0, 0, 10), RectF(1, 1, 50, 20));
    EXPECT_NEAR(points[0].X, 6, 1e-4f);
    EXPECT_NEAR(points[0].Y, 11, 1e-4f);
}

TEST(RectGeometryTest, EnclosingEllipsePassesThroughTheCorners) {
    ExpectRect(Qarn::GetEncloseEllipse(RectF(0, 0, 3, 4)), -1, -0.5f, 5, 5);
    RectF thin(0, 0, 0.4f, 10);
    ExpectRect(Qarn::GetEncloseEllipse(thin), 0, 0, 0.4f, 10);
    RectF e = Qarn::GetEncloseEllipse(RectF(0, 0, 30, 40));
    EXPECT_TRUE(Qarn::RectInEllipse(RectF(0.5f, 0.5f, 29, 39), e));
}

TEST(RectGeometryTest, EllipseBoundaryCountsAsInside) {
    RectF e(0, 0, 10, 4);
    EXPECT_TRUE(Qarn::PtInEllipse(e, PointF(10, 2)));
    EXPECT_TRUE(Qarn::PtInEllipse(e, PointF(5, 0)));
    EXPECT_FALSE(Qarn::PtInEllipse(e, PointF(0.2f, 0.2f)));
    EXPECT_FALSE(Qarn::RectInEllipse(RectF(0.5f, 0.5f, 9, 3), e));
    EXPECT_TRUE(Qarn::RectInEllipse(RectF(1, 1, 8, 2), e));
    EXPECT_TRUE(Qarn::RectInEllipse(RectF(4, 1.5f, 2, 1), e));
}

TEST(RectGeometryTest, ConvertPointPullsTheEndsTogether) {
    POINT a{0, 10};
    POINT b{10, 0};
    Qarn::ConvertPoint(a, b, 2);
    EXPECT_EQ(a.x, 2);
    EXPECT_EQ(a.y, 8);
    EXPECT_EQ(b.x, 8);
    EXPECT_EQ(b.y, 2);
    POINT c{5, 5};
    POINT d{5, 5};
    Qarn::ConvertPoint(c, d, 1);
    EXPECT_EQ(c.y, 4);  // on a tie the first point gives way
    EXPECT_EQ(d.y, 6);
    CRect r(0, 0, 10, 10);
    Qarn::ConvertRect(r, 3);
    EXPECT_EQ(r, CRect(3, 3, 7, 7));
}

TEST(RectGeometryTest, ConstrainedPointsSnapToEighthsOfATurn) {
    struct Case {
        PointF p;
        float x;
        float y;
    };
    const Case cases[] = {
        {PointF(10, 1), 10, 0},    {PointF(10, 9), 10, 10},  {PointF(10, -9), 10, -10},
        {PointF(1, 10), 0, 10},    {PointF(-10, 1), -10, 0}, {PointF(-10, -9), -10, -10},
        {PointF(-10, 9), -10, 10}, {PointF(1, -10), 0, -10}, {PointF(0, 0), 0, 0},
    };
    for (const Case& c : cases) {
        PointF out = Qarn::CalculateNewPoint(PointF(0, 0), c.p, TRUE);
        EXPECT_NEAR(out.X, c.x, 1e-4f) << c.p.X << "," << c.p.Y;
        EXPECT_NEAR(out.Y, c.y, 1e-4f) << c.p.X << "," << c.p.Y;
    }
    // Around another anchor the constraint is relative to it.
    PointF moved = Qarn::CalculateNewPoint(PointF(100, 100), PointF(110, 109));
    EXPECT_NEAR(moved.Y, 110, 1e-4f);
}
