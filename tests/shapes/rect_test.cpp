#include <gtest/gtest.h>

#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "platform/archive_exception.h"
#include "shapes/rect.h"
#include "shapes/shape_fixtures.h"
#include "shapes/shape_ids.h"

namespace {

std::unique_ptr<CQarnRect> MakeRect(int shapeId, const RectF& frame = RectF(0, 0, 100, 50)) {
    auto rect = std::make_unique<CQarnRect>(frame);
    rect->SetShapeID(shapeId);
    rect->ResetPath();
    return rect;
}

}  // namespace

TEST(RectTest, ConstructionFromAFrameMakesARectangleWithCornersOf16) {
    CQarnRect read;
    EXPECT_EQ(read.GetCornerWidth(), 0.0f);
    EXPECT_EQ(read.GetShapeID(), 0);
    CQarnRect drawn(RectF(0, 0, 10, 10));
    EXPECT_EQ(drawn.GetShapeID(), Qarn::kShapeRectangle);
    EXPECT_EQ(drawn.GetCornerWidth(), 16.0f);
    EXPECT_EQ(drawn.GetCornerHeight(), 16.0f);
}

TEST(RectTest, EachKindBuildsOneOutlineFillingTheNormalisedFrame) {
    for (int kind : {Qarn::kShapeRectangle, Qarn::kShapeEllipse, Qarn::kShapeRoundRectangle}) {
        auto rect = MakeRect(kind, RectF(100, 50, -100, -50));
        ASSERT_EQ(rect->GetElementCount(), 1) << kind;
        ExpectRectNear(OutlineBounds(*rect), RectF(0, 0, 100, 50));
        EXPECT_TRUE(rect->GetPath()->AllFiguresClosed()) << kind;
    }
    auto e = MakeRect(Qarn::kShapeEllipse);
    EXPECT_TRUE(e->GetPath()->IsVisible(50, 25));
    EXPECT_FALSE(e->GetPath()->IsVisible(3, 3));  // a rectangle's corner, not the ellipse's
    auto r = MakeRect(Qarn::kShapeRectangle);
    EXPECT_TRUE(r->GetPath()->IsVisible(1, 1));
}

TEST(RectTest, AnUnknownShapeIdLeavesTheOutlineEmpty) {
    auto rect = MakeRect(4711);
    ASSERT_EQ(rect->GetElementCount(), 1);
    EXPECT_TRUE(rect->GetPath()->IsEmpty());
}

TEST(RectTest, RoundedCornersAreLimitedToHalfTheFrame) {
    auto rect = MakeRect(Qarn::kShapeRoundRectangle);
    rect->SetCornerSize(20, 10);
    rect->ResetPath();
    GraphicsPath* path = rect->GetPath();
    EXPECT_FALSE(path->IsVisible(1, 1));
    EXPECT_TRUE(path->IsVisible(10, 5));
    EXPECT_TRUE(path->IsVisible(50, 1));  // the straight top edge
    // Wider than the frame: the sides become half ellipses across the whole width (a stadium).
    rect->SetCornerSize(300, 16);
    rect->ResetPath();
    path = rect->GetPath();
    ExpectRectNear(OutlineBounds(*rect), RectF(0, 0, 100, 50));
    EXPECT_TRUE(path->IsVisible(1, 25));
    EXPECT_FALSE(path->IsVisible(2, 2));
    EXPECT_FALSE(path->IsVisible(20, 1));
    EXPECT_TRUE(path->IsVisible(50, 1));
}

TEST(RectTest, RotatedAndFlippedBoundsFollowTheTransform) {
    auto ellipse = MakeRect(Qarn::kShapeEllipse);
    ellipse->SetLineWidth(1);
    ellipse->UpdateRotateCenter();
    ellipse->RotateAt(90, ellipse->GetCenterPointF(), 1);
    const CRect tight = ellipse->GetTightBoundRect();
    EXPECT_NEAR(tight.left, 25, 1);
    EXPECT_NEAR(tight.top, -25, 1);
    EXPECT_NEAR(tight.right, 75, 1);
    EXPECT_NEAR(tight.bottom, 75, 1);
    EXPECT_EQ(ellipse->GetBoundRect(false), CRect(24, -26, 76, 76));

    auto flipped = MakeRect(Qarn::kShapeRoundRectangle);
    flipped->UpdateRotateCenter();
    flipped->Flip(QARN_STYLE_HORIFLIP, flipped->GetRotateCenter(), 0);
    const CRect mirrored = flipped->GetTightBoundRect();
    EXPECT_NEAR(mirrored.left, 0, 1);
    EXPECT_NEAR(mirrored.top, 0, 1);
    EXPECT_NEAR(mirrored.right, 100, 1);
    EXPECT_NEAR(mirrored.bottom, 50, 1);
    // The corner handle shows mirrored: at the bottom left.
    ExpectPointNear(flipped->GetHandle(9, 1), PointF(8, 42));
    ExpectPointNear(flipped->GetHandle(9, 0), PointF(92, 42));
}

TEST(RectTest, OnlyTheRoundedRectangleHasACornerHandleAndNoneInsideAGroup) {
    EXPECT_EQ(MakeRect(Qarn::kShapeRectangle)->GetHandleCount(), 8);
    EXPECT_EQ(MakeRect(Qarn::kShapeEllipse)->GetHandleCount(), 8);
    auto round = MakeRect(Qarn::kShapeRoundRectangle);
    EXPECT_EQ(round->GetHandleCount(), 9);
    ExpectPointNear(round->GetHandle(9, 1), PointF(92, 42));
    EXPECT_EQ(round->GetHandleCursor(9), Qt::CrossCursor);
    EXPECT_EQ(round->HitTest(CPoint(92, 42), nullptr, 1, nullptr), 9);
    round->SetParentGroup(SomeGroup());
    EXPECT_EQ(round->GetHandleCount(), 0);
    EXPECT_EQ(round->HitTest(CPoint(92, 42), nullptr, 1, nullptr), 0);
    round->SetParentGroup(nullptr);
}

TEST(RectTest, TheCornerHandleSetsTheCornerAndClampsBetweenCentreAndCorner) {
    RecordedDoc views;
    auto* round = views.Place(MakeRect(Qarn::kShapeRoundRectangle));
    EXPECT_EQ(round->MoveHandleTo(9, PointF(80, 40), 2), 1);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 40);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 20);
    EXPECT_EQ(views.link.outlines.size(), 1);
    // Past the centre: the corner spans the whole frame.
    round->MoveHandleTo(9, PointF(-30, -30), 1);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 100);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 50);
    EXPECT_EQ(views.link.invalidated.size(), 1);
    // Past the bottom-right corner: one unit inside.
    round->MoveHandleTo(9, PointF(300, 300), 0);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 2);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 2);
    EXPECT_TRUE(round->GetRectF().Equals(RectF(0, 0, 100, 50)));

    round->SetHandle(9, PointF(90, 45));
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 20);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 10);
    round->SetHandle(3, PointF(0, 0));
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 20);
}

TEST(RectTest, TheCornerHandleOfARotatedRectangleTakesThePointBackIntoTheFrame) {
    auto round = MakeRect(Qarn::kShapeRoundRectangle);
    round->UpdateRotateCenter();
    round->RotateAt(90, round->GetCenterPointF(), 1);
    PointF shown(70, 35);
    round->TransformPoints(&shown, 1);
    EXPECT_EQ(round->MoveHandleTo(9, shown, 0), 1);
    EXPECT_NEAR(round->GetCornerWidth(), 60, 0.01);
    EXPECT_NEAR(round->GetCornerHeight(), 30, 0.01);
}

TEST(RectTest, SizingARoundedRectangleLimitsItsCorners) {
    auto round = MakeRect(Qarn::kShapeRoundRectangle);
    ASSERT_EQ(round->MoveHandleTo(5, PointF(10, 50), 0), 1);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 5);
    EXPECT_FLOAT_EQ(round->GetCornerHeight(), 16);
    // A refused size keeps the corners.
    EXPECT_EQ(round->MoveHandleTo(5, PointF(0.2f, 50), 0), 0);
    EXPECT_FLOAT_EQ(round->GetCornerWidth(), 5);
    // A plain rectangle keeps what it stores.
    auto plain = MakeRect(Qarn::kShapeRectangle);
    plain->MoveHandleTo(5, PointF(10, 50), 0);
    EXPECT_FLOAT_EQ(plain->GetCornerWidth(), 16);
}

TEST(RectTest, TheDefaultNameNamesClassKindAndIdWithoutStoringIt) {
    auto ellipse = MakeRect(Qarn::kShapeEllipse);
    ellipse->SetID(7);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("CQarnRect-Ellipse-7"));
    ellipse->SetID(8);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("CQarnRect-Ellipse-8"));
    ellipse->SetShapeID(Qarn::kShapeRoundRectangle);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("CQarnRect-RoundRectangle-8"));
    ellipse->SetShapeID(Qarn::kShapeRectangle);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("CQarnRect-Rectangle-8"));
    ellipse->SetShapeID(1);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("error"));
    ellipse->SetName(QStringLiteral("Mine"));
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("Mine"));
}

TEST(RectTest, CloneCopiesCornersAndPropertiesIntoTheLayer) {
    CQarnLayer layer;
    auto round = MakeRect(Qarn::kShapeRoundRectangle);
    round->SetCornerSize(30, 12);
    round->SetFillColor(Color(0xFF123456u));
    CQarnComponent* clone = round->Clone(&layer);
    ASSERT_EQ(layer.GetCount(), 1);
    EXPECT_EQ(clone->GetLayer(), &layer);
    auto* copy = dynamic_cast<CQarnRect*>(clone);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetShapeID(), Qarn::kShapeRoundRectangle);
    EXPECT_EQ(copy->GetCornerWidth(), 30.0f);
    EXPECT_EQ(copy->GetCornerHeight(), 12.0f);
    EXPECT_EQ(copy->GetPropList().size(), round->GetPropList().size());
    EXPECT_NE(copy->GetBrushProperty(), round->GetBrushProperty());
    EXPECT_EQ(copy->GetFillColor().GetValue(), 0xFF123456u);
    layer.Remove(clone);
    delete clone;
    std::unique_ptr<CQarnComponent> loose(round->Clone(nullptr));
    EXPECT_EQ(loose->GetLayer(), nullptr);
}

TEST(RectTest, TheRecordFollowsTheBaseRecordWithAReservedWordAndTheCorner) {
    CQarnRect rect(RectF(1, 2, 30, 40));
    rect.ClearAllProperty();
    rect.SetShapeID(Qarn::kShapeRoundRectangle);
    rect.SetStyle(0x504007);
    rect.SetID(3);
    rect.SetName(QStringLiteral("R"));
    rect.SetCornerSize(16, 8);
    const QByteArray expected = Hex("ffff00000900") + QByteArray("CQarnRect") +
                                Hex("00020100"
                                    "0000803f000000400000f04100002042"
                                    "07405000"
                                    "00000000"
                                    "03000000"
                                    "00000000"
                                    "fffeff015200"
                                    "96460000"
                                    "0000000000000000"
                                    "0000"
                                    "00000000"
                                    "0000804100000041");
    EXPECT_EQ(WriteOne(&rect).toHex(), expected.toHex());

    std::unique_ptr<CQarnRect> back = ReadOne<CQarnRect>(expected);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetShapeID(), Qarn::kShapeRoundRectangle);
    EXPECT_EQ(back->GetCornerWidth(), 16.0f);
    EXPECT_EQ(back->GetCornerHeight(), 8.0f);
    EXPECT_TRUE(back->GetRectF().Equals(RectF(1, 2, 30, 40)));
    EXPECT_EQ(WriteOne(back.get()), expected);
}

TEST(RectTest, ARecordCutShortIsAnErrorForEveryLength) {
    CQarnRect rect(RectF(1, 2, 30, 40));
    rect.SetShapeID(Qarn::kShapeEllipse);
    const QByteArray whole = WriteOne(&rect);
    for (int length = 0; length < whole.size(); ++length) {
        QByteArray cut = whole.left(length);
        CArchive in(CArchive::load, &cut);
        EXPECT_THROW(delete in.ReadObject(RUNTIME_CLASS(CQarnComponent)), CArchiveException)
            << "length " << length;
    }
}
