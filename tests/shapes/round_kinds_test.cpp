// Regular polygons and the round kinds: ring, no-sign, moon, sun, face and can.
#include <gtest/gtest.h>

#include <cmath>

#include "core/geometry_fixtures.h"
#include "platform/archive_exception.h"
#include "shapes/catalogue/face.h"
#include "shapes/catalogue/n_polygon.h"
#include "shapes/catalogue/sun.h"
#include "shapes/catalogue_fixtures.h"
#include "shapes/shape_fixtures.h"

namespace {

const RectF kFrame(10, 20, 200, 120);

}  // namespace

TEST(RegularPolygonTest, CornersOnTheFramesEllipseFromTheTop) {
    ExpectPolygon(*MakeKind(18216, kFrame), 0, {{110, 20}, {210, 80}, {110, 140}, {10, 80}});
    const float s72 = std::sin(72 * 3.14159265f / 180);
    const float c72 = std::cos(72 * 3.14159265f / 180);
    const std::vector<PointF> pentagon = ElementPoints(*MakeKind(18226, kFrame));
    ASSERT_EQ(pentagon.size(), 5u);
    ExpectPointNear(pentagon[1], PointF(110 + 100 * s72, 80 - 60 * c72));
    for (const auto& [id, corners] : {std::pair{18329, 4}, {18330, 5}, {18331, 8}, {18332, 6}}) {
        const std::vector<PointF> points = ElementPoints(*MakeKind(id, kFrame));
        EXPECT_EQ(points.size(), size_t(corners)) << id;
        for (const PointF& p : points) {
            EXPECT_NEAR(std::pow((p.X - 110) / 100, 2) + std::pow((p.Y - 80) / 60, 2), 1, 1e-4);
        }
    }
    // The record keeps the corners; a polygon of two corners, or of very many, ends the read.
    auto octagon = MakeKind<CQarnShapeNPolygon>(18331, kFrame);
    const QByteArray bytes = WriteOne(octagon.get());
    EXPECT_EQ(ReadOne<CQarnShapeNPolygon>(bytes)->GetCornerCount(), 8);
    for (const char* count : {"02000000", "01040000"}) {
        QByteArray bad = bytes;
        bad.replace(bad.size() - 4, 4, QByteArray::fromHex(count));
        CArchive in(CArchive::load, &bad);
        EXPECT_THROW(delete in.ReadObject(RUNTIME_CLASS(CQarnComponent)), CArchiveException);
    }
}

TEST(RoundKindsTest, TheRingsHoleStaysOpenUnderEitherFillRule) {
    auto ring = MakeKind(18217, kFrame);
    ring->SetFillColor(Color(0xFFC80000u));
    for (const bool winding : {false, true}) {
        ring->SetFillWinding(winding);
        const QImage image = Render(*ring, 0, nullptr, 220, 160);
        EXPECT_EQ(image.pixel(110, 80), 0xFFFFFFFFu);  // the hole
        EXPECT_EQ(image.pixel(65, 80), 0xFFFFFFFFu);   // the hole reaches from 60 to 160
        EXPECT_EQ(image.pixel(55, 80), 0xFFC80000u);   // the ring
    }
    // The handle at the centre: no hole left.
    ring->UpdateRotateCenter();
    ring->MoveHandleTo(9, PointF(150, 150), 0);
    ExpectPointNear(ring->GetFreeHandle(0), PointF(110, 80));
    EXPECT_TRUE(Covers(*ring, PointF(110, 80)));
}

TEST(RoundKindsTest, TheNoSignIsARingCrossedFromTheUpperLeft) {
    auto sign = MakeKind(18224, kFrame);
    for (const bool winding : {false, true}) {
        sign->SetFillWinding(winding);
        EXPECT_TRUE(Covers(*sign, PointF(110, 80)));   // the middle of the bar
        EXPECT_TRUE(Covers(*sign, PointF(80, 62)));    // the bar towards the upper left
        EXPECT_TRUE(Covers(*sign, PointF(20, 80)));    // the ring, a quarter of the radius
        EXPECT_FALSE(Covers(*sign, PointF(40, 80)));   // inside the ring, below the bar
        EXPECT_FALSE(Covers(*sign, PointF(79, 99)));   // the lower left opening
        EXPECT_FALSE(Covers(*sign, PointF(141, 61)));  // the upper right opening
    }
    // A narrower ring has a narrower bar: with the inner edge at 0.9 of the radius the
    // openings reach nearer the middle.
    EXPECT_TRUE(Covers(*sign, PointF(103, 84)));
    sign->UpdateRotateCenter();
    sign->MoveHandleTo(9, PointF(20, 80), 0);
    EXPECT_FALSE(Covers(*sign, PointF(103, 84)));
    EXPECT_FALSE(Covers(*sign, PointF(30, 80)));
    EXPECT_TRUE(Covers(*sign, PointF(15, 80)));
}

TEST(RoundKindsTest, TheMoonsHornsMeetAtTheRightCornersAndItsInnerEdgeFollowsTheHandle) {
    auto moon = MakeKind(18232, kFrame);
    const std::vector<PointF> points = ElementPoints(*moon);
    ExpectPointNear(points.front(), PointF(210, 140));
    EXPECT_TRUE(PassesThrough(*moon, PointF(110, 80)));  // the inner edge through the handle
    EXPECT_TRUE(PassesThrough(*moon, PointF(10, 80)));   // the outer edge
    EXPECT_TRUE(PassesThrough(*moon, PointF(210, 20)));
    EXPECT_TRUE(Covers(*moon, PointF(105, 80)));
    EXPECT_FALSE(Covers(*moon, PointF(115, 80)));
    // Drawn from the right, the horns are on the left.
    auto mirrored = MakeKind(18232, RectF(210, 20, -200, 120));
    EXPECT_TRUE(PassesThrough(*mirrored, PointF(10, 140)));
    EXPECT_TRUE(Covers(*mirrored, PointF(200, 80)));
}

TEST(RoundKindsTest, TheSunsRaysSurroundItsDiscWithoutTouchingIt) {
    auto sun = MakeKind<CQarnShapeSun>(18237, kFrame);
    EXPECT_EQ(sun->GetRayCount(), 8);
    EXPECT_EQ(FlatFigures(*sun).size(), 9u);
    // The disc half the radius, the rays from 0.625 of it out to the frame.
    EXPECT_TRUE(Covers(*sun, PointF(155, 80)));
    EXPECT_FALSE(Covers(*sun, PointF(165, 80)));
    EXPECT_TRUE(Covers(*sun, PointF(195, 80)));
    EXPECT_TRUE(PassesThrough(*sun, PointF(210, 80)));
    EXPECT_TRUE(PassesThrough(*sun, PointF(110, 140)));
    // The smallest disc the handle allows.
    sun->UpdateRotateCenter();
    sun->MoveHandleTo(9, PointF(200, 80), 0);
    ExpectPointNear(sun->GetFreeHandle(0), PointF(85, 80));
    EXPECT_FALSE(Covers(*sun, PointF(140, 80)));
}

TEST(RoundKindsTest, TheFaceHasDarkerEyesAndAMouthThroughTheHandle) {
    auto face = MakeKind(18219, kFrame);
    face->SetFillColor(Color(0xFFC80000u));
    face->ResetPath();
    ASSERT_EQ(face->GetElementCount(), 4);
    EXPECT_EQ(face->GetElement(1)->GetShade(), CQarnShapeFace::kEyeShade);
    EXPECT_TRUE(face->GetElement(3)->HasFlag(CQarnElement::kApart));
    const QImage image = Render(*face, 0, nullptr, 220, 160);
    EXPECT_EQ(image.pixel(77, 68), 0xFFA00000u);   // the left eye
    EXPECT_EQ(image.pixel(143, 68), 0xFFA00000u);  // the right eye
    EXPECT_EQ(image.pixel(110, 68), 0xFFC80000u);
    // A broad smile at the bottom of the handle's range.
    face->UpdateRotateCenter();
    face->MoveHandleTo(9, PointF(0, 400), 0);
    ExpectPointNear(face->GetFreeHandle(0), PointF(110, 128));
    EXPECT_TRUE(PassesThrough(*face, PointF(60, 110)));
    EXPECT_TRUE(PassesThrough(*face, PointF(110, 128)));
    EXPECT_TRUE(PassesThrough(*face, PointF(160, 110)));
}

TEST(RoundKindsTest, TheCanHasALidAboveItsBodyOrIsARectangleWithoutOne) {
    auto can = MakeKind(18215, kFrame);
    can->SetFillColor(Color(0xFFC80000u));
    can->ResetPath();
    ASSERT_EQ(can->GetElementCount(), 2);
    // The lid is a quarter of the height high; the body reaches from its middle down.
    RectF lid;
    can->GetElement(0)->GetPath()->GetBounds(&lid);
    ExpectRectNear(lid, RectF(10, 20, 200, 30));
    RectF body;
    can->GetElement(1)->GetPath()->GetBounds(&body);
    ExpectRectNear(body, RectF(10, 35, 200, 105));
    // The lid is filled once: its middle is drawn in the fill.
    EXPECT_EQ(Render(*can, 0, nullptr, 220, 160).pixel(110, 35), 0xFFC80000u);
    can->UpdateRotateCenter();
    can->MoveHandleTo(9, PointF(0, -50), 0);
    ExpectPolygon(*can, 0, {{10, 20}, {210, 20}, {210, 140}, {10, 140}});
    EXPECT_EQ(can->GetElementCount(), 1);
}
