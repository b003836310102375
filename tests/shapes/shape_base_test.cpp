// The free handles of parametric shapes: how they follow the frame, how they are numbered,
// shown and dragged, and their record.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/geometry_fixtures.h"
#include "platform/archive_exception.h"
#include "platform/dc.h"
#include "shapes/catalogue/star.h"
#include "shapes/shape_base.h"
#include "shapes/shape_fixtures.h"
#include "support/stored_record.h"

namespace {

// A shape with two free handles, at (60, 50) and (20, 80) in the frame (0, 0, 100, 100).
std::unique_ptr<CQarnShapeBase> TwoHandles() {
    auto shape = std::make_unique<CQarnShapeBase>(RectF(0, 0, 100, 100), 2);
    shape->SetFreeHandle(PointF(60, 50), 0);
    shape->SetFreeHandle(PointF(20, 80), 1);
    shape->UpdateRotateCenter();
    return shape;
}

// Reads a record of the class into a fresh object; the cause of the failure otherwise.
template <class Shape>
QString ReadFails(QByteArray bytes) {
    Shape shape;
    try {
        CArchive in(CArchive::load, &bytes);
        shape.Serialize(in);
    } catch (const CArchiveException& e) {
        return e.Cause();
    }
    return QString();
}

}  // namespace

TEST(ShapeBaseTest, FreeHandlesStretchWithTheFrameAboutItsCentre) {
    auto shape = TwoHandles();
    // Twice as wide about the same centre: 10 right of the centre becomes 20 right of it.
    EXPECT_EQ(shape->MoveTo(RectF(-50, 0, 200, 100), 0), 1);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(70, 50));
    ExpectPointNear(shape->GetFreeHandle(1), PointF(-10, 80));
    // Moved without sizing, every handle moves by the same offset as the frame.
    shape->MoveTo(RectF(-40, 30, 200, 100), 0);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(80, 80));
    ExpectPointNear(shape->GetFreeHandle(1), PointF(0, 110));
    shape->Shift(-10, 5);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(70, 85));
    ExpectPointNear(shape->GetRectF().GetLocation(), PointF(-50, 35));
    // The same rectangle changes nothing.
    EXPECT_EQ(shape->MoveTo(shape->GetRectF(), 0), 0);
    // A frame without width keeps the handle's offset across (4 right of the centre) and
    // stretches it along.
    CQarnShapeBase flat(RectF(10, 0, 0, 100), 1);
    flat.SetFreeHandle(PointF(14, 75), 0);
    flat.MoveTo(RectF(0, 0, 40, 200), 0);
    ExpectPointNear(flat.GetFreeHandle(0), PointF(24, 150));
}

TEST(ShapeBaseTest, SizingByAFrameHandleCarriesTheFreeHandles) {
    auto shape = TwoHandles();
    // Handle 5 (bottom-right) to (200, 150): the frame (0, 0, 200, 150).
    EXPECT_EQ(shape->MoveHandleTo(5, PointF(200, 150), 0), 1);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(120, 75));
    ExpectPointNear(shape->GetFreeHandle(1), PointF(40, 120));
    // A refused size moves nothing.
    EXPECT_EQ(shape->MoveHandleTo(5, PointF(0.2f, 150), 0), 0);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(120, 75));
    // The label handle moves the label only.
    shape->AddProperty(new TestLabel(RectF(300, 300, 20, 20)));
    EXPECT_EQ(shape->MoveHandleTo(9, PointF(0, 0), 0), 1);
    ExpectPointNear(shape->GetFreeHandle(0), PointF(120, 75));
}

TEST(ShapeBaseTest, ConfiningClampsEachCoordinateIntoTheSpan) {
    PointF p(-5, 50);
    CQarnShapeBase::ConfinePoint(p, RectF(0, 0, 100, -40));
    ExpectPointNear(p, PointF(0, 0));
}

TEST(ShapeBaseTest, FreeHandlesComeAfterTheFrameAndTheLabelAsYellowDiamonds) {
    auto shape = TwoHandles();
    EXPECT_EQ(shape->GetHandleCount(), 10);
    shape->AddProperty(new TestLabel(RectF(300, 300, 20, 20)));
    EXPECT_EQ(shape->GetHandleCount(), 11);
    EXPECT_TRUE(shape->IsLabelHandle(9));
    const CQarnHandle label = *shape->FindHandle(9);
    EXPECT_EQ(label.mark.shape, CQarnHandle::TrackerMark::Shape::Diamond);
    EXPECT_EQ(label.mark.selected.GetValue(), 0xB4FF00FFu);
    const CQarnHandle free = *shape->FindHandle(11);
    EXPECT_EQ(free.kind, QarnHandleKind::Adjust);
    EXPECT_EQ(free.cursor, QarnHandleCursor::Adjust);
    EXPECT_EQ(free.mark.shape, CQarnHandle::TrackerMark::Shape::Diamond);
    EXPECT_EQ(free.mark.active.GetValue(), 0xFFFFFF00u);
    ExpectPointNear(shape->GetHandle(10, 0), PointF(60, 50));
    // Shown through the shape's turn.
    shape->RotateAt(90, shape->GetCenterPointF(), 1);
    ExpectPointNear(shape->GetHandle(10, 1), PointF(50, 60));
    ExpectPointNear(shape->GetHandle(10, 0), PointF(60, 50));
    // A member of a group shows none.
    shape->SetParentGroup(SomeGroup());
    EXPECT_EQ(shape->GetHandleCount(), 0);
    shape->SetParentGroup(nullptr);
    // The tracker draws the diamond in yellow.
    QImage image = WhiteCanvas();
    {
        QPainter painter(&image);
        CDC dc(&painter);
        shape->DrawTracker(&dc, CQarnComponent::TrackerSelected, 1.0f);
    }
    EXPECT_EQ(image.pixel(50, 60), 0xFFFFFF00u);
}

TEST(ShapeBaseTest, DraggingAFreeHandleTakesThePointIntoTheTurnedFrameAndItsConstraint) {
    CQarnShapeStar star(RectF(0, 0, 100, 60));
    star.UpdateRotateCenter();
    // Along the middle line between the left edge and the centre.
    EXPECT_EQ(star.MoveHandleTo(9, PointF(20, 5), 0), 1);
    ExpectPointNear(star.GetFreeHandle(0), PointF(20, 30));
    EXPECT_EQ(star.MoveFreeHandleTo(9, PointF(90, 30), 0), 1);
    ExpectPointNear(star.GetFreeHandle(0), PointF(50, 30));
    // Turned a quarter, the middle line stands upright on the page.
    star.RotateAt(90, star.GetCenterPointF(), 1);
    EXPECT_EQ(star.MoveHandleTo(9, PointF(50, -10), 0), 1);
    ExpectPointNear(star.GetFreeHandle(0), PointF(10, 30));
    // Only free handles are dragged that way.
    EXPECT_EQ(star.MoveFreeHandleTo(3, PointF(0, 0), 0), 0);
    EXPECT_EQ(star.MoveFreeHandleTo(9, PointF(NAN, 0), 0), 0);
    // Setting a handle by number stores it as it is.
    star.SetHandle(9, PointF(3, 4));
    ExpectPointNear(star.GetFreeHandle(0), PointF(3, 4));
}

TEST(ShapeBaseTest, AKindRefusesARecordWithOtherFreeHandles) {
    CQarnShapeStar star(RectF(0, 0, 10, 10));
    QByteArray bytes = StoredRecord(star);
    EXPECT_TRUE(ReadFails<CQarnShapeStar>(bytes).isEmpty());
    // From the end: the number of points (4), two reserved words (8), the handle (8), the
    // count (4).
    const qsizetype countAt = bytes.size() - 4 - 8 - 8 - 4;
    QByteArray two = bytes;
    two.replace(countAt, 4, QByteArray::fromHex("02000000"));
    EXPECT_TRUE(ReadFails<CQarnShapeStar>(two).contains(QStringLiteral("free handles")));
    QByteArray negative = bytes;
    negative.replace(countAt, 4, QByteArray::fromHex("ffffffff"));
    EXPECT_FALSE(ReadFails<CQarnShapeStar>(negative).isEmpty());
    // An undefined handle coordinate is read as 0, as every point of a file is.
    QByteArray undefined = bytes;
    undefined.replace(countAt + 4, 4, QByteArray::fromHex("0000c07f"));  // NaN
    CQarnShapeStar read;
    CArchive in(CArchive::load, &undefined);
    read.Serialize(in);
    EXPECT_EQ(read.GetFreeHandle(0).X, 0.0f);
    // The base itself reads any number, and writes what it read.
    auto back = ReadOne<CQarnShapeBase>(WriteOne(TwoHandles().get()));
    ASSERT_NE(back, nullptr);
    ExpectPointNear(back->GetFreeHandle(1), PointF(20, 80));
    EXPECT_EQ(WriteOne(back.get()), WriteOne(TwoHandles().get()));
}
