#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "connector_fixtures.h"
#include "connectors/anchor_point.h"
#include "connectors/connection_table.h"
#include "connectors/m_connector.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "shapes/group.h"
#include "support/stored_record.h"

namespace {

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = char((v >> (8 * i)) & 0xFF);
    }
    return b;
}

QByteArray Le16(quint16 v) {
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8));
}

QByteArray PointBytes(float x, float y) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    ar << PointF(x, y);
    return bytes;
}

// What the poly part of the connector's record is.
QByteArray PolyPart(CQarnConnector& k) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    k.CQarnPoly::Serialize(ar);
    return bytes;
}

void SetRoute(CQarnConnector& k, std::vector<PointF> points) {
    const int count = int(points.size());
    k.SetPointArray(std::move(points));
    k.SetPointCount(count);
    k.RecalcBounds(0);
    k.ResetHandles();
}

}  // namespace

TEST(ConnectorRecordTest, FiveHandlesStoreTheFirstTheMiddleAndTheLast) {
    CQarnConnector k(RectF(0, 0, 0, 0));
    SetRoute(k, {{0, 0}, {30, 0}, {30, 50}, {80, 50}, {80, 90}, {120, 90}});
    ASSERT_EQ(k.GetHandleCount(), 5);
    const QByteArray bytes = StoredRecord(k);
    const QByteArray poly = PolyPart(k);
    ASSERT_TRUE(bytes.startsWith(poly));
    const QByteArray expected = Le16(1) + Le16(0) + QByteArray(2, '\0') + Le32(0) + Le32(0) +
                                Le32(5) + PointBytes(0, 0) + PointBytes(55, 50) +
                                PointBytes(120, 90);
    EXPECT_EQ(bytes.mid(poly.size()).toHex(), expected.toHex());

    // Read back, the handles between are the middles of their legs again.
    CQarnConnector back;
    CArchive in(CArchive::load, const_cast<QByteArray*>(&bytes));
    back.Serialize(in);
    ASSERT_EQ(back.GetHandleCount(), 5);
    EXPECT_EQ(back.GetHandle(2, 0), PointF(30, 25));
    EXPECT_EQ(back.GetHandle(3, 0), PointF(55, 50));
    EXPECT_EQ(back.GetHandle(4, 0), PointF(80, 70));
    EXPECT_EQ(StoredRecord(back).toHex(), bytes.toHex());
}

TEST(ConnectorRecordTest, ConnectionsAreEmbeddedWithTheirNumbersAndPoint) {
    CQarnConnector k(RectF(0, 0, 0, 0));
    SetRoute(k, {{0, 0}, {40, 0}});
    k.SetConnectorType(CQarnConnector::TypeRoundCorner);
    k.SetToEdge(1);
    auto* start = new CQarnConnection();
    start->SetNumbers(2, 7);
    start->SetAnchor(3);
    start->SetPoint(PointF(0, 0));
    k.SetLeftConnection(start);
    const QByteArray bytes = StoredRecord(k);
    const QByteArray expected = Le16(4) + Le16(1) + QByteArray::fromHex("0100") + Le32(0) +
                                Le32(0) + Le32(3) + Le32(7) + Le32(2) + PointBytes(0, 0) +
                                QByteArray::fromHex("0001") + Le32(2) + PointBytes(0, 0);
    EXPECT_EQ(bytes.mid(PolyPart(k).size()).toHex(), expected.toHex());

    CQarnConnector back;
    CArchive in(CArchive::load, const_cast<QByteArray*>(&bytes));
    back.Serialize(in);
    ASSERT_NE(back.GetLeftConnection(), nullptr);
    EXPECT_EQ(back.GetRightConnection(), nullptr);
    EXPECT_EQ(back.GetLeftConnection()->GetConnector(), &back);
    EXPECT_EQ(back.GetLeftConnection()->GetLayerNumber(), 2);
    EXPECT_EQ(back.GetLeftConnection()->GetComponentNumber(), 7);
    EXPECT_TRUE(back.GetLeftConnection()->IsStart());
    EXPECT_EQ(back.GetConnectorType(), CQarnConnector::TypeRoundCorner);
    EXPECT_EQ(back.GetToEdge(), 1);
}

TEST(ConnectorRecordTest, ADamagedHandleCountIsRefused) {
    CQarnConnector k(RectF(0, 0, 0, 0));
    SetRoute(k, {{0, 0}, {30, 0}, {30, 50}, {80, 50}});
    QByteArray bytes = StoredRecord(k);
    const int countAt = bytes.size() - 2 * 8 - 4;
    for (quint32 bad : {7u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        QByteArray damaged = bytes;
        damaged.replace(countAt, 4, Le32(bad));
        CQarnConnector back;
        CArchive in(CArchive::load, &damaged);
        EXPECT_THROW(back.Serialize(in), CArchiveException) << bad;
    }
    // Cut short inside the handles.
    QByteArray cut = bytes.left(bytes.size() - 3);
    CQarnConnector back;
    CArchive in(CArchive::load, &cut);
    EXPECT_THROW(back.Serialize(in), CArchiveException);
}

TEST(ConnectorRecordTest, AnAnchorPointStoresItsDirectionAfterThePoint) {
    CQarnAnchorPoint a(PointF(10, 20));
    a.SetDirection(8);
    EXPECT_EQ(a.GetMarkerStyle(), CQarnPoint::MarkerCircle);
    EXPECT_EQ(CQarnAnchorPoint().GetDirection(), 16);
    QByteArray point;
    {
        CArchive ar(CArchive::store, &point);
        a.CQarnPoint::Serialize(ar);
    }
    const QByteArray bytes = StoredRecord(a);
    EXPECT_EQ(bytes.toHex(), (point + QByteArray::fromHex("08") + Le32(0) + Le32(0)).toHex());
    CQarnAnchorPoint back;
    CArchive in(CArchive::load, const_cast<QByteArray*>(&bytes));
    back.Serialize(in);
    EXPECT_EQ(back.GetDirection(), 8);
    CQarnComponent* clone = back.Clone(nullptr);
    ASSERT_TRUE(clone->IsKindOf(CQarnAnchorPoint::ThisClass()));
    EXPECT_EQ(static_cast<CQarnAnchorPoint*>(clone)->GetDirection(), 8);
    EXPECT_EQ(clone->GetFillColor().GetValue(), a.GetFillColor().GetValue());
    delete clone;
    EXPECT_EQ(CRuntimeClass::FromName(QStringLiteral("CQarnAnchorPoint")),
              CQarnAnchorPoint::ThisClass());
    EXPECT_EQ(CRuntimeClass::FromName(QStringLiteral("CQarnConnection")),
              CQarnConnection::ThisClass());
    EXPECT_EQ(CRuntimeClass::FromName(QStringLiteral("CQarnConnector")),
              CQarnConnector::ThisClass());
}

TEST(ConnectorRecordTest, ThePlaceholderConnectorStoresNothing) {
    CQarnMConnector m(RectF(0, 0, 10, 10));
    EXPECT_TRUE(StoredRecord(m).isEmpty());
    EXPECT_EQ(m.MoveHandleTo(1, PointF(5, 5), 0), 1);
    EXPECT_EQ(m.GetHandle(1, 1), PointF(0, 0));
    EXPECT_EQ(CRuntimeClass::FromName(QStringLiteral("CQarnMConnector")),
              CQarnMConnector::ThisClass());
}

TEST(ConnectionTableRecordTest, CountThenStartConnectorComponentAnchor) {
    CQarnConnectionTable empty;
    empty.CreateFromContainer(ComponentList{});
    EXPECT_EQ(StoredRecord(empty).toHex(), Le32(0).toHex());

    QByteArray bytes = Le32(2) + QByteArray::fromHex("01") + Le32(3) + Le32(1) + Le32(2) +
                       QByteArray::fromHex("00") + Le32(3) + Le32(0) + Le32(4);
    CQarnConnectionTable table;
    {
        CArchive in(CArchive::load, &bytes);
        table.Serialize(in);
    }
    ASSERT_EQ(table.GetCount(), 2);
    EXPECT_EQ(table.GetEntries()[1].anchor, 4);
    EXPECT_EQ(StoredRecord(table).toHex(), bytes.toHex());
    // A count beyond the bytes is damage, not an allocation.
    QByteArray huge = Le32(0x7FFFFFFF) + QByteArray(13, '\0');
    CArchive in(CArchive::load, &huge);
    EXPECT_THROW(table.Serialize(in), CArchiveException);
    EXPECT_EQ(table.GetCount(), 2);
}

class ConnectorDocumentTest : public ConnectorScene {
protected:
    QTemporaryDir dir;
};

TEST_F(ConnectorDocumentTest, ADrawingWithAConnectorSurvivesSaveOpenSave) {
    CQarnRect* a = AddRect(RectF(0, 0, 100, 100));
    CQarnRect* b = AddRect(RectF(300, 30, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, a, PointF(100, 50));
    DropEnd(k, false, b, PointF(300, 80));
    const QByteArray first = StoredRecord(doc);
    const QString path = dir.filePath(QStringLiteral("linked.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();

    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    const ComponentList& list = back.GetCurrentCanvas()->GetLayers().first()->GetList();
    ASSERT_EQ(list.size(), 3);
    ASSERT_TRUE(list[2]->IsKindOf(CQarnConnector::ThisClass()));
    auto* k2 = static_cast<CQarnConnector*>(list[2]);
    ASSERT_NE(k2->GetLeftConnection(), nullptr);
    ASSERT_NE(k2->GetRightConnection(), nullptr);
    EXPECT_EQ(k2->GetLeftConnection()->GetComponent(), list[0]);
    EXPECT_EQ(k2->GetRightConnection()->GetComponent(), list[1]);
    EXPECT_TRUE(list[0]->BeenConnectedBy(k2));
    EXPECT_TRUE(list[1]->BeenConnectedBy(k2));
    EXPECT_EQ(StoredRecord(back).toHex(), first.toHex());

    // The loaded connector follows its shapes like the one drawn.
    const RectF old = list[1]->GetRectF();
    list[1]->MoveTo(RectF(310, 30, 100, 100), 0);
    list[1]->OnPositionChanged(old, nullptr, 1);
    EXPECT_EQ(k2->GetPoint(k2->GetPointCount(), 0), PointF(310, 80));
}

TEST_F(ConnectorDocumentTest, AConnectionToAMissingComponentLeavesThatEndFree) {
    CQarnRect* a = AddRect(RectF(0, 0, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, a, PointF(100, 50));
    auto* stray = new CQarnConnection();
    stray->SetNumbers(1, 9);
    stray->SetAnchor(1);
    k->SetRightConnection(stray);
    const QString path = dir.filePath(QStringLiteral("stray.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    const ComponentList& list = back.GetCurrentCanvas()->GetLayers().first()->GetList();
    auto* k2 = static_cast<CQarnConnector*>(list[1]);
    EXPECT_NE(k2->GetLeftConnection(), nullptr);
    EXPECT_EQ(k2->GetRightConnection(), nullptr);
    EXPECT_EQ(k2->GetPoint(k2->GetPointCount(), 0), PointF(300, 80));
}

TEST_F(ConnectorDocumentTest, AWrongStartFlagInTheFileCannotLeaveAnEndOnAFreedShape) {
    CQarnRect* a = AddRect(RectF(0, 0, 100, 100));
    CQarnRect* b = AddRect(RectF(300, 30, 100, 100));
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, a, PointF(100, 50));
    DropEnd(k, false, b, PointF(300, 80));
    // A damaged file: the start connection says it is the end.
    k->GetLeftConnection()->SetStartFlag(0);
    const QString path = dir.filePath(QStringLiteral("flag.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    ComponentList& list = back.GetCurrentCanvas()->GetLayers().first()->GetList();
    auto* k2 = static_cast<CQarnConnector*>(list[2]);
    ASSERT_NE(k2->GetLeftConnection(), nullptr);
    EXPECT_TRUE(k2->GetLeftConnection()->IsStart());
    EXPECT_FALSE(k2->GetRightConnection()->IsStart());

    // Even a connection whose flag is wrong in memory lets go when its shape is freed.
    k2->GetLeftConnection()->SetStartFlag(0);
    CQarnComponent* shape = list[0];
    back.GetCurrentCanvas()->GetLayers().first()->Remove(shape);
    delete shape;
    EXPECT_EQ(k2->GetLeftConnection(), nullptr);
    ASSERT_NE(k2->GetRightConnection(), nullptr);
    EXPECT_EQ(k2->GetRightConnection()->GetComponent(), list[0]);
}

TEST_F(ConnectorDocumentTest, ConnectionsToGroupMembersComeBackAttached) {
    CQarnRect* a = AddRect(RectF(0, 0, 100, 100));
    CQarnRect* b = AddRect(RectF(300, 30, 100, 100));
    CQarnRect* c = AddRect(RectF(300, 300, 100, 100));
    auto* group = new CQarnGroup();
    group->AddComponent(b);
    group->AddComponent(c);
    group->RecalcBounds();
    doc.AddTail(group);
    CQarnConnector* k = AddConnector(PointF(100, 50), PointF(300, 80));
    DropEnd(k, true, a, PointF(100, 50));
    DropEnd(k, false, b, PointF(300, 80));
    ASSERT_NE(k->GetRightConnection(), nullptr);
    const QByteArray first = StoredRecord(doc);
    const QString path = dir.filePath(QStringLiteral("grouped.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();

    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    const ComponentList& list = back.GetCurrentCanvas()->GetLayers().first()->GetList();
    ASSERT_EQ(list.size(), 5);
    auto* k2 = static_cast<CQarnConnector*>(list[4]);
    ASSERT_NE(k2->GetLeftConnection(), nullptr);
    ASSERT_NE(k2->GetRightConnection(), nullptr);
    EXPECT_EQ(k2->GetRightConnection()->GetComponent(), list[1]);
    EXPECT_TRUE(list[1]->BeenConnectedBy(k2));
    EXPECT_EQ(StoredRecord(back).toHex(), first.toHex());
}

TEST_F(ConnectorDocumentTest, AGroupedConnectorComesBackAttachedToItsMembers) {
    CQarnRect* b = AddRect(RectF(300, 30, 100, 100));
    CQarnRect* c = AddRect(RectF(300, 300, 100, 100));
    CQarnConnector* k = AddConnector(PointF(350, 130), PointF(350, 300));
    DropEnd(k, true, b, PointF(350, 130));
    DropEnd(k, false, c, PointF(350, 300));
    auto* group = new CQarnGroup();
    group->AddComponent(b);
    group->AddComponent(k);
    group->AddComponent(c);
    group->RecalcBounds();
    doc.AddHead(group);
    ASSERT_NE(k->GetRightConnection(), nullptr);
    const QByteArray first = StoredRecord(doc);
    const QString path = dir.filePath(QStringLiteral("grouped.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();

    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    const ComponentList& list = back.GetCurrentCanvas()->GetLayers().first()->GetList();
    ASSERT_EQ(list.size(), 4);
    auto* k2 = static_cast<CQarnConnector*>(list[3]);
    ASSERT_NE(k2->GetLeftConnection(), nullptr);
    ASSERT_NE(k2->GetRightConnection(), nullptr);
    EXPECT_EQ(StoredRecord(back).toHex(), first.toHex());
}
