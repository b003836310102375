#include <gtest/gtest.h>

#include <cmath>

#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "platform/archive_exception.h"
#include "platform/pen.h"
#include "platform/pen_alignment.h"
#include "properties/pen_property.h"
#include "shapes/arc_outline.h"
#include "shapes/arc_pie.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_ids.h"

namespace {

std::unique_ptr<CQarnArcPie> MakeArc(int shapeId, const RectF& frame = RectF(0, 0, 100, 50)) {
    auto arc = std::make_unique<CQarnArcPie>(frame);
    arc->SetShapeID(shapeId);
    arc->ResetPath();
    return arc;
}

PointF FirstPathPoint(CQarnComponent& c) {
    return c.GetPath()->Points().front();
}

PointF LastPathPoint(CQarnComponent& c) {
    PointF last;
    c.GetPath()->GetLastPoint(&last);
    return last;
}

// How far the point is off the ellipse: 0 on it.
double OffEllipse(const RectF& e, const PointF& p) {
    const double a = std::fabs(e.Width) / 2;
    const double b = std::fabs(e.Height) / 2;
    const double x = (p.X - (e.X + e.Width / 2)) / a;
    const double y = (p.Y - (e.Y + e.Height / 2)) / b;
    return std::fabs(x * x + y * y - 1);
}

}  // namespace

TEST(ArcPieTest, ANewArcIsAQuarterEllipseFromItsBottomToItsLeftFillingTheFrame) {
    auto arc = MakeArc(Qarn::kShapeArc);
    ExpectRectNear(arc->GetEllipse(), RectF(0, -50, 200, 100));
    ExpectPointNear(arc->GetFirstPoint(), PointF(100, 50));
    ExpectPointNear(arc->GetSecondPoint(), PointF(0, 0));
    EXPECT_EQ(arc->GetPenProperty()->GetPenAlignment(), PenAlignmentCenter);
    EXPECT_TRUE(arc->HasArrow());
    ExpectRectNear(OutlineBounds(*arc), RectF(0, 0, 100, 50));
    ExpectPointNear(FirstPathPoint(*arc), PointF(100, 50));
    ExpectPointNear(LastPathPoint(*arc), PointF(0, 0));
    EXPECT_FALSE(arc->GetPath()->AllFiguresClosed());
    // Half way along, the arc passes the ellipse's point in the 135 degree direction.
    Pen thin(Color(Color::Black), 1.0f);
    EXPECT_TRUE(arc->GetPath()->IsOutlineVisible(55.28f, 44.72f, &thin));
    EXPECT_FALSE(arc->GetPath()->IsOutlineVisible(70.0f, 30.0f, &thin));
}

TEST(ArcPieTest, APieRunsFromTheCentreAndAChordClosesStraight) {
    auto pie = MakeArc(Qarn::kShapePie);
    ExpectPointNear(FirstPathPoint(*pie), PointF(100, 0));
    EXPECT_TRUE(pie->GetPath()->AllFiguresClosed());
    ExpectRectNear(OutlineBounds(*pie), RectF(0, 0, 100, 50));
    EXPECT_TRUE(pie->GetPath()->IsVisible(90, 5));
    auto chord = MakeArc(Qarn::kShapeChord);
    ExpectPointNear(FirstPathPoint(*chord), PointF(100, 50));
    EXPECT_TRUE(chord->GetPath()->AllFiguresClosed());
    // Near the centre is the pie's, not the chord's: the chord cuts it off.
    EXPECT_FALSE(chord->GetPath()->IsVisible(90, 5));
    EXPECT_TRUE(chord->GetPath()->IsVisible(20, 30));
}

TEST(ArcPieTest, AnEndMovesAlongTheEllipseAndTheFrameFollowsThePiece) {
    RecordedDoc views;
    auto* arc = views.Place(MakeArc(Qarn::kShapeArc));
    EXPECT_EQ(arc->GetHandleCount(), 10);
    // The first end to the right: the piece runs through the bottom to the left end.
    EXPECT_EQ(arc->MoveHandleTo(9, PointF(250, 0), 2), 1);
    ExpectPointNear(arc->GetFirstPoint(), PointF(200, 0));
    ExpectRectNear(arc->GetRectF(), RectF(0, 0, 200, 50));
    ExpectRectNear(OutlineBounds(*arc), RectF(0, 0, 200, 50), 0.05f);
    EXPECT_EQ(views.link.outlines.size(), 1);
    // The second end to the top: three quarters.
    EXPECT_EQ(arc->MoveHandleTo(10, PointF(100, -80), 1), 1);
    ExpectPointNear(arc->GetSecondPoint(), PointF(100, -50));
    ExpectRectNear(arc->GetRectF(), RectF(0, -50, 200, 100));
    EXPECT_EQ(views.link.invalidated.size(), 1);
    // Any direction lands on the ellipse, on the ray towards the pointer.
    EXPECT_EQ(arc->MoveHandleTo(9, PointF(150, 30), 0), 1);
    const PointF end = arc->GetFirstPoint();
    EXPECT_LT(OffEllipse(arc->GetEllipse(), end), 1e-4);
    EXPECT_NEAR(std::atan2(end.Y, end.X - 100), std::atan2(30.0, 50.0), 1e-4);
    ExpectRectNear(arc->GetRectF(), RectF(0, -50, end.X, 100), 0.01f);
    ExpectRectNear(OutlineBounds(*arc), arc->GetRectF(), 0.05f);
    // The ellipse itself never changes.
    ExpectRectNear(arc->GetEllipse(), RectF(0, -50, 200, 100));
}

TEST(ArcPieTest, APieFrameHoldsItsCentre) {
    auto pie = MakeArc(Qarn::kShapePie);
    // A thin slice far from the frame's corner: from 20 to 40 degrees.
    const double a20 = 20 * M_PI / 180;
    const double a40 = 40 * M_PI / 180;
    ASSERT_EQ(
        pie->MoveHandleTo(9, PointF(float(100 + 10 * std::cos(a20)), float(10 * std::sin(a20))), 0),
        1);
    ASSERT_EQ(pie->MoveHandleTo(
                  10, PointF(float(100 + 10 * std::cos(a40)), float(10 * std::sin(a40))), 0),
              1);
    const RectF frame = pie->GetRectF();
    EXPECT_NEAR(frame.X, 100, 0.01);
    EXPECT_NEAR(frame.Y, 0, 0.01);
    ExpectRectNear(OutlineBounds(*pie), frame, 0.05f);
}

TEST(ArcPieTest, AnEndWithinOneDegreeOfTheOtherIsRefused) {
    auto arc = MakeArc(Qarn::kShapeArc);
    // The second end is at 180 degrees.
    const double near = 180.5 * M_PI / 180;
    const RectF frame = arc->GetRectF();
    EXPECT_EQ(arc->MoveHandleTo(
                  9, PointF(float(100 + 50 * std::cos(near)), float(50 * std::sin(near))), 0),
              0);
    EXPECT_EQ(arc->MoveHandleTo(9, PointF(-10, 0.1f), 0), 0);
    // The centre has no direction.
    EXPECT_EQ(arc->MoveHandleTo(9, PointF(100, 0), 0), 0);
    ExpectPointNear(arc->GetFirstPoint(), PointF(100, 50));
    EXPECT_TRUE(arc->GetRectF().Equals(frame));
    // Two degrees away is accepted.
    const double apart = 182 * M_PI / 180;
    EXPECT_EQ(arc->MoveHandleTo(
                  9, PointF(float(100 + 50 * std::cos(apart)), float(50 * std::sin(apart))), 0),
              1);
}

TEST(ArcPieTest, EndsOfATurnedArcAreTakenBackIntoTheFrame) {
    auto arc = MakeArc(Qarn::kShapeArc);
    arc->UpdateRotateCenter();
    arc->RotateAt(90, arc->GetCenterPointF(), 1);
    PointF shown(250, 0);
    arc->TransformPoints(&shown, 1);
    ASSERT_EQ(arc->MoveHandleTo(9, shown, 0), 1);
    ExpectPointNear(arc->GetFirstPoint(), PointF(200, 0), 0.01f);
    PointF handle(200, 0);
    arc->TransformPoints(&handle, 1);
    ExpectPointNear(arc->GetHandle(9, 1), handle);
    ExpectPointNear(arc->GetHandle(9, 0), PointF(200, 0));
}

TEST(ArcPieTest, SizingScalesTheEllipseAndEndsAboutTheFixedHandle) {
    auto arc = MakeArc(Qarn::kShapeArc);
    ASSERT_EQ(arc->MoveHandleTo(5, PointF(200, 100), 0), 1);
    ExpectRectNear(arc->GetEllipse(), RectF(0, -100, 400, 200));
    ExpectPointNear(arc->GetFirstPoint(), PointF(200, 100));
    ExpectPointNear(arc->GetSecondPoint(), PointF(0, 0));
    ExpectRectNear(OutlineBounds(*arc), RectF(0, 0, 200, 100), 0.05f);
    ASSERT_EQ(arc->MoveHandleTo(1, PointF(100, 50), 0), 1);
    ExpectRectNear(arc->GetEllipse(), RectF(100, 0, 200, 100));
    ExpectRectNear(OutlineBounds(*arc), RectF(100, 50, 100, 50), 0.05f);
    EXPECT_EQ(arc->MoveHandleTo(5, PointF(100.2f, 100), 0), 0);
}

TEST(ArcPieTest, AFrameSizedPastItsEdgeDrawsTheMirroredPiece) {
    auto arc = MakeArc(Qarn::kShapeArc);
    // The right edge dragged past the left one mirrors the quarter to the right of the centre.
    ASSERT_EQ(arc->MoveHandleTo(4, PointF(-100, 25), 0), 1);
    ExpectRectNear(arc->GetRectF(), RectF(0, 0, -100, 50));
    ExpectRectNear(OutlineBounds(*arc), RectF(-100, 0, 100, 50), 0.05f);
    // Both edges past: turned half round, still a quarter.
    auto both = MakeArc(Qarn::kShapeArc);
    ASSERT_EQ(both->MoveHandleTo(5, PointF(-100, -50), 0), 1);
    ExpectRectNear(OutlineBounds(*both), RectF(-100, -50, 100, 50), 0.05f);
    // An end moved on a mirrored frame keeps it mirrored and fitting.
    ASSERT_EQ(arc->MoveHandleTo(9, PointF(-250, 0), 0), 1);
    EXPECT_LT(arc->GetRectF().Width, 0);
    RectF normal = arc->GetRectF();
    normal.X += normal.Width;
    normal.Width = -normal.Width;
    ExpectRectNear(OutlineBounds(*arc), normal, 0.05f);
}

TEST(ArcPieTest, MovingShiftingAndTurningTakeTheEllipseAlong) {
    auto arc = MakeArc(Qarn::kShapeArc);
    ASSERT_EQ(arc->MoveTo(RectF(10, 20, 50, 100), 0), 1);
    ExpectRectNear(arc->GetEllipse(), RectF(10, -80, 100, 200));
    ExpectPointNear(arc->GetFirstPoint(), PointF(60, 120));
    ExpectPointNear(arc->GetSecondPoint(), PointF(10, 20));
    EXPECT_EQ(arc->MoveTo(RectF(10, 20, 50, 100), 0), 0);
    arc->Shift(5, -5);
    ExpectRectNear(arc->GetEllipse(), RectF(15, -85, 100, 200));
    ExpectPointNear(arc->GetSecondPoint(), PointF(15, 15));
    ExpectRectNear(OutlineBounds(*arc), RectF(15, 15, 50, 100), 0.05f);
    // Turning about another point moves the frame, with or without the move flag.
    for (int move : {0, 1}) {
        auto turned = MakeArc(Qarn::kShapeArc);
        turned->UpdateRotateCenter();
        turned->RotateAt(180, PointF(0, 0), move);
        ExpectRectNear(turned->GetRectF(), RectF(-100, -50, 100, 50));
        ExpectPointNear(turned->GetSecondPoint(), PointF(-100, -50));
    }
}

TEST(ArcPieTest, RotatedAndFlippedBoundsFollowTheTransform) {
    auto arc = MakeArc(Qarn::kShapeArc);
    arc->UpdateRotateCenter();
    arc->RotateAt(90, arc->GetCenterPointF(), 1);
    CRect tight = arc->GetTightBoundRect();
    EXPECT_NEAR(tight.left, 25, 1);
    EXPECT_NEAR(tight.top, -25, 1);
    EXPECT_NEAR(tight.right, 75, 1);
    EXPECT_NEAR(tight.bottom, 75, 1);
    // The turned ends: the first (bottom right of the frame) shows at the bottom left.
    ExpectPointNear(arc->GetAnchorPoint(1), PointF(25, 75));
    EXPECT_EQ(arc->GetAnchorDirection(1), 8);
    EXPECT_EQ(arc->GetAnchorDirection(2), 1);

    auto flipped = MakeArc(Qarn::kShapeArc);
    flipped->UpdateRotateCenter();
    flipped->Flip(QARN_STYLE_HORIFLIP, flipped->GetRotateCenter(), 0);
    tight = flipped->GetTightBoundRect();
    EXPECT_NEAR(tight.left, 0, 1);
    EXPECT_NEAR(tight.right, 100, 1);
    ExpectPointNear(flipped->GetAnchorPoint(1), PointF(0, 50));
    ExpectPointNear(flipped->GetAnchorPoint(2), PointF(100, 0));
    EXPECT_EQ(flipped->GetAnchorDirection(2), 2);
}

TEST(ArcPieTest, AnchorsAreTheTwoEnds) {
    auto arc = MakeArc(Qarn::kShapeArc);
    EXPECT_EQ(arc->GetAnchorCount(), 2);
    ExpectPointNear(arc->GetAnchorPoint(1), PointF(100, 50));
    ExpectPointNear(arc->GetAnchorPoint(2), PointF(0, 0));
    ExpectPointNear(arc->GetAnchorPoint(3), PointF(50, 25));
    EXPECT_EQ(arc->GetAnchorDirection(1), 4);
    EXPECT_EQ(arc->GetAnchorDirection(2), 8);
    EXPECT_EQ(arc->GetAnchorDirection(3), 16);
    EXPECT_EQ(arc->GetNearbyAnchor(PointF(90, 40)), 1);
}

TEST(ArcPieTest, HitsLandOnThePieceAndHandlesOnTheEnds) {
    auto arc = MakeArc(Qarn::kShapeArc);
    arc->SetLineWidth(1);
    arc->SetFill(false);
    EXPECT_EQ(arc->HitTest(CPoint(99, 50), nullptr, 0, nullptr), 1);
    // Inside the frame but away from the open arc.
    EXPECT_EQ(arc->HitTest(CPoint(90, 10), nullptr, 0, nullptr), 0);
    EXPECT_EQ(arc->HitTest(CPoint(1, 1), nullptr, 1, nullptr), 10);
    EXPECT_EQ(arc->HitTest(CPoint(50, 1), nullptr, 1, nullptr), 2);
    auto pie = MakeArc(Qarn::kShapePie);
    EXPECT_EQ(pie->HitTest(CPoint(90, 10), nullptr, 0, nullptr), 1);
    EXPECT_EQ(pie->HitTest(CPoint(5, 45), nullptr, 0, nullptr), 0);
}

TEST(ArcPieTest, CloneCopiesTheGeometry) {
    CQarnLayer layer;
    auto arc = MakeArc(Qarn::kShapeChord);
    arc->MoveHandleTo(9, PointF(250, 0), 0);
    CQarnComponent* clone = arc->Clone(&layer);
    auto* copy = dynamic_cast<CQarnArcPie*>(clone);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(clone->GetLayer(), &layer);
    EXPECT_EQ(copy->GetShapeID(), Qarn::kShapeChord);
    ExpectRectNear(copy->GetEllipse(), arc->GetEllipse());
    ExpectPointNear(copy->GetFirstPoint(), arc->GetFirstPoint());
    ExpectPointNear(copy->GetSecondPoint(), arc->GetSecondPoint());
    EXPECT_TRUE(copy->GetRectF().Equals(arc->GetRectF()));
    EXPECT_EQ(copy->GetPropList().size(), arc->GetPropList().size());
    layer.Remove(clone);
    delete clone;
}

TEST(ArcPieTest, TheRecordAddsAReservedWordTheEllipseAndBothEnds) {
    CQarnArcPie arc(RectF(0, 0, 100, 50));
    arc.ClearAllProperty();
    arc.SetStyle(0x504007);
    arc.SetShapeID(Qarn::kShapePie);
    arc.SetID(3);
    arc.SetName(QStringLiteral("A"));
    const QByteArray base =
        Hex("00020100"
            "00000000000000000000c84200004842"
            "07405000"
            "00000000"
            "03000000"
            "00000000"
            "fffeff014100"
            "33470000"
            "0000000000000000"
            "0000");
    const QByteArray arcPart =
        Hex("00000000"
            "00000000000048c2000048430000c842"
            "0000c84200004842"
            "0000000000000000");
    const QByteArray expected = Hex("ffff00000b00") + QByteArray("CQarnArcPie") + base + arcPart;
    EXPECT_EQ(WriteOne(&arc).toHex(), expected.toHex());
    std::unique_ptr<CQarnArcPie> back = ReadOne<CQarnArcPie>(expected);
    ASSERT_NE(back, nullptr);
    ExpectRectNear(back->GetEllipse(), RectF(0, -50, 200, 100));
    ExpectPointNear(back->GetFirstPoint(), PointF(100, 50));
    EXPECT_EQ(WriteOne(back.get()), expected);

    CQarnArcOutline outline(RectF(0, 0, 100, 50));
    outline.ClearAllProperty();
    outline.SetStyle(0x504007);
    outline.SetShapeID(Qarn::kShapePie);
    outline.SetID(3);
    outline.SetName(QStringLiteral("A"));
    outline.SetOutlineWidth(6);
    const QByteArray outlineBytes =
        Hex("ffff00000f00") + QByteArray("CQarnArcOutline") + base + arcPart + Hex("0000c040");
    EXPECT_EQ(WriteOne(&outline).toHex(), outlineBytes.toHex());
    std::unique_ptr<CQarnArcOutline> outlineBack = ReadOne<CQarnArcOutline>(outlineBytes);
    ASSERT_NE(outlineBack, nullptr);
    EXPECT_EQ(outlineBack->GetOutlineWidth(), 6.0f);
    ExpectPointNear(outlineBack->GetFirstPoint(), PointF(100, 50));
    EXPECT_EQ(WriteOne(outlineBack.get()), outlineBytes);

    for (const QByteArray& whole : {expected, outlineBytes}) {
        for (int length = 0; length < whole.size(); ++length) {
            QByteArray cut = whole.left(length);
            CArchive in(CArchive::load, &cut);
            EXPECT_THROW(delete in.ReadObject(RUNTIME_CLASS(CQarnComponent)), CArchiveException)
                << "length " << length;
        }
    }
}

TEST(ArcOutlineTest, TheStrokeBecomesAClosedOutlineOfTheOutlineWidth) {
    CQarnArcOutline outline(RectF(0, 0, 100, 50));
    outline.SetShapeID(Qarn::kShapeArc);
    EXPECT_TRUE(outline.IsClosed());
    EXPECT_EQ(outline.GetOutlineWidth(), 10.0f);
    EXPECT_EQ(int(outline.GetStartArrow()), 1);
    EXPECT_EQ(int(outline.GetEndArrow()), 1);
    // Square ends reach half the width past both ends.
    ExpectRectNear(OutlineBounds(outline), RectF(-5, -5, 110, 60), 0.3f);
    EXPECT_TRUE(outline.GetPath()->AllFiguresClosed());
    GraphicsPath* path = outline.GetPath();
    EXPECT_TRUE(path->IsVisible(100, 47));
    EXPECT_TRUE(path->IsVisible(100, 53));
    EXPECT_FALSE(path->IsVisible(100, 40));  // inside the arc, beyond the band
    EXPECT_FALSE(path->IsVisible(50, 25));
    // Flat ends when the arrow heads ask for nothing plain.
    outline.SetStartArrow(ArrowTypeNone);
    outline.SetEndArrow(ArrowTypeArrow);
    ExpectRectNear(OutlineBounds(outline), RectF(-5, 0, 105, 55), 0.3f);
}

TEST(ArcOutlineTest, BoundsAllowForHalfTheOutlineWidth) {
    CQarnArcOutline outline(RectF(0, 0, 100, 50));
    outline.SetLineWidth(1);
    outline.SetStartArrowSize(0);
    outline.SetEndArrowSize(0);
    const CRect plain = outline.CQarnArcPie::GetBoundRect(false);
    CRect expected = plain;
    expected.InflateRect(5, 5);
    EXPECT_EQ(outline.GetBoundRect(false), expected);
    outline.SetOutlineWidth(4);
    expected = plain;
    expected.InflateRect(2, 2);
    EXPECT_EQ(outline.GetBoundRect(false), expected);
}

TEST(ArcOutlineTest, CloneKeepsTheWidth) {
    CQarnArcOutline outline(RectF(0, 0, 100, 50));
    outline.SetOutlineWidth(7);
    std::unique_ptr<CQarnComponent> clone(outline.Clone(nullptr));
    auto* copy = dynamic_cast<CQarnArcOutline*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetOutlineWidth(), 7.0f);
    EXPECT_TRUE(copy->IsClosed());
    ExpectRectNear(copy->GetEllipse(), outline.GetEllipse());
}
