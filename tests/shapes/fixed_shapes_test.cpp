// The shapes the drawing commands make: rectangle, ellipse, right triangle and heart.
#include <gtest/gtest.h>

#include "shapes/catalogue/fixed.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/shape_fixtures.h"

TEST(FixedShapesTest, TheIdChoosesTheOutlineAndARectangleIsTheStart) {
    // Until the tool stores the id it was drawn with, the shape is a rectangle.
    CQarnShapeFixed shape(RectF(210, 140, -200, -120));
    EXPECT_EQ(shape.GetShapeID(), 18228);
    EXPECT_EQ(shape.GetFreeHandleCount(), 0);
    // The rectangle of a mirrored frame is the frame's area.
    ExpectPolygon(shape, 0, {{10, 20}, {210, 20}, {210, 140}, {10, 140}});
    shape.SetShapeID(18218);
    ExpectRectNear(OutlineBounds(shape), RectF(10, 20, 200, 120));
    EXPECT_TRUE(PassesThrough(shape, PointF(110, 20)));
    EXPECT_FALSE(Covers(shape, PointF(14, 24)));
    // An id of none of its kinds draws nothing.
    shape.SetShapeID(18219);
    shape.ResetPath();
    EXPECT_EQ(shape.GetElementCount(), 0);
}

TEST(FixedShapesTest, TheRightTriangleHasItsRightAngleAtTheBottomLeft) {
    auto triangle = MakeKind(18229, RectF(10, 20, 200, 120));
    ExpectPolygon(*triangle, 0, {{10, 20}, {10, 140}, {210, 140}});
}

TEST(FixedShapesTest, TheHeartHasTwoLobesAndATipAndIsSymmetric) {
    auto heart = MakeKind(18238, RectF(10, 20, 200, 120));
    // The dip between the lobes, the lobes' tops, the widest points and the tip.
    for (const PointF& p : {PointF(110, 32), PointF(60, 20), PointF(160, 20), PointF(20, 68),
                            PointF(200, 68), PointF(110, 140)}) {
        EXPECT_TRUE(PassesThrough(*heart, p)) << p.X << ", " << p.Y;
    }
    EXPECT_TRUE(heart->GetPath()->AllFiguresClosed());
    for (const PointF& p : heart->GetPath()->Points()) {
        EXPECT_TRUE(PassesThrough(*heart, PointF(220 - p.X, p.Y))) << p.X << ", " << p.Y;
    }
    EXPECT_TRUE(Covers(*heart, PointF(60, 30)));
    EXPECT_FALSE(Covers(*heart, PointF(110, 25)));
}
