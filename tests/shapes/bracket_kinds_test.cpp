// Brackets, braces and the pairs of them.
#include <gtest/gtest.h>

#include "shapes/catalogue/double_brace.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/shape_fixtures.h"

namespace {

const RectF kFrame(10, 20, 200, 120);

}  // namespace

TEST(BracketKindsTest, ABracketIsAnOpenLineWithCurvedEndsAndTheRightOneIsMirrored) {
    auto left = MakeKind(18242, kFrame);
    EXPECT_FALSE(left->GetFill());
    std::vector<FlatFigure> figures = FlatFigures(*left);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_FALSE(figures[0].closed);
    // From the top right corner round to the upright on the left edge and back.
    ExpectPointNear(figures[0].points.front(), PointF(210, 20));
    ExpectPointNear(figures[0].points.back(), PointF(210, 140));
    EXPECT_TRUE(PassesThrough(*left, PointF(10, 30)));
    EXPECT_TRUE(PassesThrough(*left, PointF(10, 130)));
    // The right bracket is made on the same area with its upright on the right edge.
    auto right = MakeKind(18243, kFrame);
    EXPECT_TRUE(right->GetRectF().Equals(RectF(210, 20, -200, 120)));
    EXPECT_FALSE(right->GetFill());
    figures = FlatFigures(*right);
    ExpectPointNear(figures[0].points.front(), PointF(10, 20));
    EXPECT_TRUE(PassesThrough(*right, PointF(210, 30)));
    EXPECT_TRUE(PassesThrough(*right, PointF(210, 130)));
    // The curves meet half way at most.
    right->UpdateRotateCenter();
    right->MoveHandleTo(9, PointF(0, 500), 0);
    ExpectPointNear(right->GetFreeHandle(0), PointF(210, 80));
}

TEST(BracketKindsTest, ABracesTipAndCurvesFollowItsHandlesWithinTheRoomTheyLeave) {
    auto brace = MakeKind(18244, kFrame);
    EXPECT_FALSE(brace->GetFill());
    for (const PointF& p : {PointF(210, 20), PointF(110, 30), PointF(110, 70), PointF(10, 80),
                            PointF(110, 90), PointF(110, 130), PointF(210, 140)}) {
        EXPECT_TRUE(PassesThrough(*brace, p)) << p.X << ", " << p.Y;
    }
    brace->UpdateRotateCenter();
    // The tip up to 30 below the top: each curve may then reach at most 15 down.
    brace->MoveHandleTo(10, PointF(300, 50), 0);
    ExpectPointNear(brace->GetFreeHandle(1), PointF(10, 50));
    EXPECT_TRUE(PassesThrough(*brace, PointF(10, 50)));
    brace->MoveHandleTo(9, PointF(0, 500), 0);
    ExpectPointNear(brace->GetFreeHandle(0), PointF(110, 35));
    // Now the tip keeps room for the two curves above it.
    brace->MoveHandleTo(10, PointF(0, -500), 0);
    ExpectPointNear(brace->GetFreeHandle(1), PointF(10, 50));
    // The right brace points right.
    auto right = MakeKind(18245, kFrame);
    EXPECT_FALSE(right->GetFill());
    EXPECT_TRUE(PassesThrough(*right, PointF(210, 80)));
    EXPECT_TRUE(PassesThrough(*right, PointF(10, 20)));
}

TEST(BracketKindsTest, PairsFaceEachOtherWithCurvesKeptInProportion) {
    auto brackets = MakeKind<CQarnShapeDoubleBrace>(18240, kFrame);
    EXPECT_FALSE(brackets->GetFill());
    const float r = 200.0f / 12;
    std::vector<FlatFigure> figures = FlatFigures(*brackets);
    ASSERT_EQ(figures.size(), 2u);
    ExpectPointNear(figures[0].points.front(), PointF(10 + r, 20));
    ExpectPointNear(figures[1].points.front(), PointF(210 - r, 20));
    EXPECT_TRUE(PassesThrough(*brackets, PointF(10, 20 + r)));
    EXPECT_TRUE(PassesThrough(*brackets, PointF(210, 140 - r)));
    auto braces = MakeKind<CQarnShapeDoubleBrace>(18241, kFrame);
    for (const PointF& p : {PointF(10, 80), PointF(210, 80), PointF(10 + 2 * r, 20),
                            PointF(210 - 2 * r, 140), PointF(10 + r, 20 + r)}) {
        EXPECT_TRUE(PassesThrough(*braces, p)) << p.X << ", " << p.Y;
    }
    // The curves are as large as the shorter side leaves room for: half of it for brackets, a
    // quarter for braces.
    brackets->UpdateRotateCenter();
    braces->UpdateRotateCenter();
    brackets->MoveHandleTo(9, PointF(300, 500), 0);
    braces->MoveHandleTo(9, PointF(300, 500), 0);
    ExpectPointNear(brackets->GetFreeHandle(0), PointF(10, 80));
    ExpectPointNear(braces->GetFreeHandle(0), PointF(10, 50));
    // Sized, the radius keeps its fraction of the longer side; on a tall frame the handle
    // moves onto the top edge.
    braces->MoveHandleTo(9, PointF(0, 20 + r), 0);
    EXPECT_NEAR(braces->GetAdjustRatio(), 1.0 / 12, 1e-6);
    braces->MoveTo(RectF(10, 20, 400, 240), 0);
    ExpectPointNear(braces->GetFreeHandle(0), PointF(10, 20 + 400.0f / 12));
    braces->MoveTo(RectF(0, 0, 120, 240), 0);
    ExpectPointNear(braces->GetFreeHandle(0), PointF(20, 0));
}
