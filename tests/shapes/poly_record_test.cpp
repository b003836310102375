// The document records of polys and outline polys, byte by byte, and what a reader refuses.
#include <gtest/gtest.h>

#include <memory>

#include "core/layer.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "shapes/poly.h"
#include "shapes/poly_fixtures.h"
#include "shapes/poly_outline.h"
#include "support/stored_record.h"

namespace {

// The component's own part of the record, which every shape record begins with.
QByteArray BaseRecord(CQarnComponent& component) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    component.CQarnComponent::Serialize(out);
    return bytes;
}

// The poly fields after the base record of three points (0, 0), (10, 0), (10, 20) held in
// an array of 10, curved, with the corner radius 0 and the tension 0.5.
const char* const kCurveTail =
    "0300"
    "0a00"
    "01000000"
    "00000000"
    "0000003f"
    "00000000000000000000000000000000"
    "0000000000000000"
    "0000204100000000"
    "000020410000a041";

std::unique_ptr<CQarnPoly> Curve() {
    return MakePoly({{0, 0}, {10, 0}, {10, 20}}, CQarnPoly::JoinCurve);
}

}  // namespace

TEST(PolyRecordTest, ThePolyFieldsFollowTheBaseRecord) {
    auto poly = Curve();
    EXPECT_EQ(StoredRecord(*poly), BaseRecord(*poly) + QByteArray::fromHex(kCurveTail));

    CQarnPolyOutline outline(RectF(0, 0, 10, 20));
    outline.AddPoint(PointF(0, 0));
    outline.AddPoint(PointF(10, 0));
    outline.AddPoint(PointF(10, 20));
    outline.SetPolyStyle(CQarnPoly::JoinCurve);
    outline.SetOutlineWidth(4);
    EXPECT_EQ(StoredRecord(outline), BaseRecord(outline) + QByteArray::fromHex(kCurveTail) +
                                         QByteArray::fromHex("00008040"));
}

TEST(PolyRecordTest, RecordsReadBackWhatWasWritten) {
    auto poly = Curve();
    poly->SetPolyStyle(CQarnPoly::kIntegerPoint | CQarnPoly::JoinArcSegment);
    poly->SetTension(0.25f);
    poly->SetCornerRadius(20);
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(poly.get());
    }
    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CObject> read(in.ReadObject(RUNTIME_CLASS(CQarnComponent)));
    auto* back = dynamic_cast<CQarnPoly*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back->GetPolyStyle(), poly->GetPolyStyle());
    EXPECT_EQ(back->GetTension(), 0.25f);
    EXPECT_EQ(back->GetCornerRadius(), 20.0f);
    EXPECT_EQ(back->GetAllocPoints(), 10);
    ASSERT_EQ(back->GetPointCount(), 3);
    EXPECT_POINT_NEAR(back->GetPoint(3, 0), 10, 20, 0);
    EXPECT_TRUE(back->HasArrow());

    CQarnPolyOutline outline(RectF(0, 0, 10, 20));
    outline.AddPoint(PointF(1, 2));
    outline.AddPoint(PointF(3, 4));
    outline.SetOutlineWidth(6);
    QByteArray outlineBytes;
    {
        CArchive out(CArchive::store, &outlineBytes);
        out.WriteObject(&outline);
    }
    CArchive outlineIn(CArchive::load, &outlineBytes);
    std::unique_ptr<CObject> outlineRead(outlineIn.ReadObject(RUNTIME_CLASS(CQarnComponent)));
    auto* outlineBack = dynamic_cast<CQarnPolyOutline*>(outlineRead.get());
    ASSERT_NE(outlineBack, nullptr);
    EXPECT_EQ(outlineBack->GetOutlineWidth(), 6.0f);
    EXPECT_POINT_NEAR(outlineBack->GetPoint(2, 0), 3, 4, 0);
}

TEST(PolyRecordTest, AReaderTakesAtLeastThePointCountWhateverTheStoredAllocation) {
    auto poly = Curve();
    QByteArray bytes = StoredRecord(*poly);
    const int tail = int(BaseRecord(*poly).size());
    // Allocation 1 for three points.
    bytes[tail + 2] = 1;
    bytes[tail + 3] = 0;
    CQarnPoly back;
    CArchive in(CArchive::load, &bytes);
    back.Serialize(in);
    EXPECT_EQ(back.GetPointCount(), 3);
    EXPECT_EQ(back.GetAllocPoints(), 3);
}

TEST(PolyRecordTest, ARecordCutShortIsRefusedWithoutTouchingThePoints) {
    auto poly = Curve();
    QByteArray bytes = StoredRecord(*poly);
    bytes.chop(4);
    CQarnPoly back;
    back.AddPoint(PointF(7, 7));
    CArchive in(CArchive::load, &bytes);
    EXPECT_THROW(back.Serialize(in), CArchiveException);
    EXPECT_EQ(back.GetPointCount(), 1);
    EXPECT_POINT_NEAR(back.GetPoint(1, 0), 7, 7, 0);
}

TEST(PolyRecordTest, APolyLongerThanARecordCanCountIsNotWritten) {
    CQarnPoly poly(RectF(0, 0, 1, 1));
    std::vector<PointF> points(70000);
    for (size_t i = 0; i < points.size(); ++i) {
        points[i] = PointF(float(i), 0);
    }
    poly.SetPointArray(points);
    poly.SetPointCount(70000);
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    EXPECT_THROW(poly.Serialize(out), CArchiveException);

    // 65535 points still fit.
    poly.SetPointCount(CQarnPoly::kMaxStoredPoints);
    QByteArray fits;
    CArchive again(CArchive::store, &fits);
    poly.Serialize(again);
    CQarnPoly back;
    CArchive in(CArchive::load, &fits);
    back.Serialize(in);
    EXPECT_EQ(back.GetPointCount(), CQarnPoly::kMaxStoredPoints);
    EXPECT_POINT_NEAR(back.GetPoint(CQarnPoly::kMaxStoredPoints, 0), 65534, 0, 0);
}

TEST(PolyRecordTest, ClonesCarryThePointsAndJoinTheLayer) {
    CQarnLayer layer;
    auto poly = Curve();
    poly->SetCornerRadius(3);
    CQarnComponent* clone = poly->Clone(&layer);
    ASSERT_EQ(layer.GetCount(), 1);
    auto* copy = dynamic_cast<CQarnPoly*>(clone);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetPolyStyle(), 1u);
    EXPECT_EQ(copy->GetCornerRadius(), 3.0f);
    ASSERT_EQ(copy->GetPointCount(), 3);
    // The copy's points are its own.
    copy->SetPoint(1, PointF(-5, -5), 0);
    EXPECT_POINT_NEAR(poly->GetPoint(1, 0), 0, 0, 0);
    EXPECT_EQ(copy->GetPropList().size(), poly->GetPropList().size());

    CQarnPolyOutline outline(RectF(0, 0, 1, 1));
    outline.SetOutlineWidth(7);
    std::unique_ptr<CQarnComponent> outlineCopy(outline.Clone(nullptr));
    auto* outlineClone = dynamic_cast<CQarnPolyOutline*>(outlineCopy.get());
    ASSERT_NE(outlineClone, nullptr);
    EXPECT_EQ(outlineClone->GetOutlineWidth(), 7.0f);
    EXPECT_TRUE(outlineClone->IsClosed());
}
