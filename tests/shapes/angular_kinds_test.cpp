// Triangles, parallelograms, trapezoids and the folded corner.
#include <gtest/gtest.h>

#include "core/geometry_fixtures.h"
#include "shapes/catalogue/folded_corner.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/shape_fixtures.h"

namespace {

const RectF kFrame(10, 20, 200, 120);

// The kind with its free handle k dragged to the point.
std::unique_ptr<CQarnShapeBase> Dragged(int shapeId, int k, PointF to,
                                        const RectF& frame = kFrame) {
    auto shape = MakeKind(shapeId, frame);
    shape->UpdateRotateCenter();
    EXPECT_EQ(shape->MoveHandleTo(FreeHandleNumber(*shape, k), to, 0), 1);
    return shape;
}

}  // namespace

TEST(AngularKindsTest, TrianglesFollowTheirCorners) {
    ExpectPolygon(*MakeKind(18223, kFrame), 0, {{110, 20}, {210, 140}, {10, 140}});
    ExpectPolygon(*Dragged(18223, 0, PointF(60, 90)), 0, {{60, 20}, {210, 140}, {10, 140}});
    // Drawn from the right, the apex is measured from the right edge.
    ExpectPolygon(*Dragged(18223, 0, PointF(180, 0), RectF(210, 20, -200, 120)), 0,
                  {{180, 20}, {10, 140}, {210, 140}});
    // The free triangle: one corner slides along the top, one down the right edge.
    ExpectPolygon(*MakeKind(18246, kFrame), 0, {{10 + 200.0f / 3, 20}, {210, 100}, {10, 140}});
    ExpectPolygon(*Dragged(18246, 1, PointF(0, 30)), 0,
                  {{10 + 200.0f / 3, 20}, {210, 30}, {10, 140}});
}

TEST(AngularKindsTest, ParallelogramsSlantOrTurnWithTheHandle) {
    ExpectPolygon(*MakeKind(18225, kFrame), 0, {{60, 20}, {210, 20}, {160, 140}, {10, 140}});
    // All the way: pressed flat onto the diagonal.
    ExpectPolygon(*Dragged(18225, 0, PointF(400, 0)), 0,
                  {{210, 20}, {210, 20}, {10, 140}, {10, 140}});
    // The free square touches each side a quarter along; half way it is the diamond.
    ExpectPolygon(*MakeKind(18248, kFrame), 0, {{60, 20}, {210, 50}, {160, 140}, {10, 110}});
    ExpectPolygon(*Dragged(18248, 0, PointF(110, 50)), 0,
                  {{110, 20}, {210, 80}, {110, 140}, {10, 80}});
}

TEST(AngularKindsTest, TrapezoidsNarrowToTheBottom) {
    auto trapezoid = MakeKind(18231, kFrame);
    ExpectPolygon(*trapezoid, 0, {{10, 20}, {210, 20}, {160, 140}, {60, 140}});
    // The plain one shows one handle; at the middle it is a triangle.
    EXPECT_EQ(trapezoid->GetHandleCount(), 9);
    ExpectPolygon(*Dragged(18231, 0, PointF(300, 0)), 0,
                  {{10, 20}, {210, 20}, {110, 140}, {110, 140}});
    // The free one's bottom corners move on their own, each on its half of the frame.
    auto free = Dragged(18247, 1, PointF(190, 100));
    ExpectPolygon(*free, 0, {{10, 20}, {210, 20}, {190, 100}, {60, 140}});
    free->MoveHandleTo(9, PointF(300, 60), 0);
    ExpectPointNear(free->GetFreeHandle(0), PointF(110, 60));
}

TEST(AngularKindsTest, TheFoldedCornerCurlsADarkerFlapOntoThePage) {
    auto note = MakeKind(18220, kFrame);
    note->SetFillColor(Color(0xFFC80000u));
    note->ResetPath();
    ASSERT_EQ(note->GetElementCount(), 2);
    // An eighth of the width folded, and as much of the height in proportion.
    ExpectPolygon(*note, 0, {{10, 20}, {210, 20}, {210, 125}, {185, 140}, {10, 140}});
    const CQarnElement* flap = note->GetElement(1);
    EXPECT_EQ(flap->GetShade(), CQarnShapeFoldedCorner::kFlapShade);
    EXPECT_TRUE(flap->HasFlag(CQarnElement::kApart));
    const std::vector<PointF> curl = flap->GetPath()->Points();
    ExpectPointNear(curl[0], PointF(210, 125));
    ExpectPointNear(curl[1], PointF(185, 140));
    ExpectPointNear(curl[2], PointF(191.25f, 125));
    const QImage image = Render(*note, 0, nullptr, 220, 160);
    EXPECT_EQ(image.pixel(192, 131), 0xFFA00000u);  // the flap
    EXPECT_EQ(image.pixel(207, 138), 0xFFFFFFFFu);  // the corner folded away
    EXPECT_EQ(image.pixel(110, 80), 0xFFC80000u);
    // Half the width is as much as folds.
    ExpectPolygon(*Dragged(18220, 0, PointF(-100, 0)), 0,
                  {{10, 20}, {210, 20}, {210, 80}, {110, 140}, {10, 140}});
}
