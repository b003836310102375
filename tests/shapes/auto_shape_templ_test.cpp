#include <gtest/gtest.h>

#include <memory>

#include "platform/archive_exception.h"
#include "shapes/group.h"
#include "shapes/shape_fixtures.h"
#include "shapes/symbol_fixtures.h"
#include "support/stored_record.h"

namespace {

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = char((v >> (8 * i)) & 0xFF);
    }
    return b;
}

template <class... Values>
QByteArray Archived(const Values&... values) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    (ar << ... << values);
    return bytes;
}

// Reads a template record into a fresh template; null when the read fails.
std::unique_ptr<CQarnAutoShapeTempl> ReadRecord(QByteArray bytes, QString* cause = nullptr) {
    auto t = std::make_unique<CQarnAutoShapeTempl>();
    try {
        CArchive in(CArchive::load, &bytes);
        t->Serialize(in);
        EXPECT_TRUE(in.AtEnd());
    } catch (const CArchiveException& e) {
        if (cause != nullptr) {
            *cause = e.Cause();
        }
        return nullptr;
    }
    return t;
}

// The record of a symbol with two anchors; the reserved values lie at fixed places from its
// end: C, A, E and B, then the two directions and the two points.
constexpr int kTailAfterReserved = 2 + 2 + 2 + 16;

}  // namespace

TEST(TemplateRecordTest, TheTemplateFieldsFollowTheComponentsInFileOrder) {
    CQarnAutoShapeTempl t;
    t.SetTemplateID(80001);
    t.SetTemplateName(QStringLiteral("Pump"));
    t.SetTextPosition(RectF(1, 2, 3, 4));
    t.SetStandardAnchors(false);
    t.SetDefaultSize(300, 150);
    t.AddAnchorPoint(PointF(1, 2), 4);
    const QByteArray bytes = StoredRecord(t);
    const QByteArray tail = Le32(0) /* no components */.left(2) + Le32(80001) +
                            Archived(QStringLiteral("Pump"), RectF(1, 2, 3, 4)) + Le32(0) +
                            Le32(300) + Le32(150) + Le32(1) + Le32(0) + Le32(0) + Le32(0) +
                            QByteArray::fromHex("0100") + QByteArray::fromHex("04") +
                            QByteArray::fromHex("0100") + Archived(PointF(1, 2));
    EXPECT_TRUE(bytes.endsWith(tail)) << bytes.toHex().toStdString();
}

TEST(TemplateRecordTest, ARecordReadsBackAndWritesAgainByteForByte) {
    std::unique_ptr<CQarnAutoShapeTempl> source(BoxAndDisc(80002));
    source->SetDefaultSize(240, 120);
    auto* group = new CQarnGroup(RectF(0, 0, 10, 10));
    source->AddComponent(group);
    QByteArray bytes = ObjectBytes(source.get());
    // Reserved values nothing here sets: C, A, E and B as another writer may have left them.
    const qsizetype reservedAt = bytes.size() - kTailAfterReserved - 16;
    bytes.replace(reservedAt, 16, Le32(7) + Le32(8) + Le32(9) + Le32(10));

    CArchive in(CArchive::load, &bytes);
    std::unique_ptr<CObject> read(in.ReadObject(RUNTIME_CLASS(CQarnComponent)));
    EXPECT_TRUE(in.AtEnd());
    auto* back = dynamic_cast<CQarnAutoShapeTempl*>(read.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetComponents().size(), 3);
    EXPECT_EQ(back->GetReservedC(), 7);
    EXPECT_EQ(ObjectBytes(back), bytes);
}

TEST(TemplateRecordTest, DamagedRecordsEndTheRead) {
    std::unique_ptr<CQarnAutoShapeTempl> source(BoxAndDisc(7));
    const QByteArray good = StoredRecord(*source);
    ASSERT_NE(ReadRecord(good), nullptr);
    // Every truncation fails cleanly.
    for (qsizetype n = 0; n < good.size(); ++n) {
        EXPECT_EQ(ReadRecord(good.left(n)), nullptr) << n;
    }
    QString cause;
    // Three directions for two points.
    QByteArray directions = good;
    const qsizetype countAt = good.size() - kTailAfterReserved;
    directions.replace(countAt, 4, QByteArray::fromHex("0300020404"));
    EXPECT_EQ(ReadRecord(directions, &cause), nullptr);
    EXPECT_TRUE(cause.contains(QStringLiteral("anchor points"))) << cause.toStdString();

    // A template among a template's components.
    CQarnAutoShapeTempl outer;
    outer.AddComponent(BoxAndDisc(8));
    EXPECT_EQ(ReadRecord(StoredRecord(outer), &cause), nullptr);
    EXPECT_TRUE(cause.contains(QStringLiteral("another template"))) << cause.toStdString();
}

TEST(TemplateTest, ACloneIsTheSameSymbolWithCopiesOfItsComponents) {
    std::unique_ptr<CQarnAutoShapeTempl> source(BoxAndDisc(80003));
    source->SetDefaultSize(200, 80);
    source->SetReservedC(5);
    source->SetStandardAnchors(false);
    std::unique_ptr<CQarnAutoShapeTempl> clone(
        static_cast<CQarnAutoShapeTempl*>(source->Clone(nullptr)));
    EXPECT_EQ(StoredRecord(*clone), StoredRecord(*source));
    ASSERT_EQ(clone->GetComponents().size(), 2);
    EXPECT_NE(clone->GetComponents()[0], source->GetComponents()[0]);
    EXPECT_EQ(clone->GetComponents()[0]->GetLayer(), nullptr);
}

TEST(TemplateTest, PlacingStretchesTheFrameOntoTheRectangle) {
    std::unique_ptr<CQarnAutoShapeTempl> t(BoxAndDisc(1));
    ExpectPointNear(t->Place(PointF(100, 25), RectF(10, 20, 200, 100)), PointF(210, 70));
    // A frame without width keeps the horizontal scale.
    t->SetPosition(RectF(0, 0, 0, 50));
    ExpectPointNear(t->Place(PointF(3, 25), RectF(10, 20, 200, 100)), PointF(13, 70));
}

TEST(TemplateTest, ThePathListHoldsEachComponentAsItIsTurned) {
    std::unique_ptr<CQarnAutoShapeTempl> t(BoxAndDisc(1));
    EXPECT_EQ(t->GetGraphicPathArry(), nullptr);
    CQarnComponent* box = t->GetComponents()[0];
    box->MoveTo(RectF(0, 20, 40, 10), 0);
    box->RotateAt(90, box->GetCenterPointF(), 1);
    GraphicsPath outline;
    t->CreatePath(outline, nullptr, PathMode::All);
    const auto* list = t->GetGraphicPathArry();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->size(), 2u);
    RectF turned;
    (*list)[0]->GetBounds(&turned);
    EXPECT_NEAR(turned.X, 15, 0.01);
    EXPECT_NEAR(turned.Width, 10, 0.01);
    EXPECT_NEAR(turned.Height, 40, 0.01);
    // Adding a component rebuilds the list on the next use.
    t->AddComponent(OwnShape(Qarn::kShapeRectangle, RectF(0, 0, 5, 5), kBoxFill));
    EXPECT_EQ(t->GetGraphicPathArry(), nullptr);
}
