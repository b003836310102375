#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/element.h"
#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "core/move_flags.h"
#include "platform/archive.h"
#include "platform/compound_file.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"
#include "shapes/group.h"
#include "shapes/group_table.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "support/olefile_witness.h"
#include "support/stored_record.h"

namespace {

// A document whose first layer holds the boxes and a group of the first two.
class GroupTest : public ::testing::Test {
protected:
    CQarnDoc doc;
    CQarnLayer* layer = nullptr;
    TestBox* a = nullptr;
    TestBox* b = nullptr;
    TestBox* c = nullptr;
    CQarnGroup* group = nullptr;

    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        layer = doc.GetCurrentCanvas()->GetCurrentLayer();
        a = AddBox(RectF(0, 0, 50, 50));
        b = AddBox(RectF(50, 50, 50, 50));
        c = AddBox(RectF(150, 0, 20, 20));
        group = new CQarnGroup();
        group->AddComponent(a);
        group->AddComponent(b);
        group->RecalcBounds();
        doc.AddTail(group);
    }
    TestBox* AddBox(const RectF& r) {
        TestBox* box = MakeBox(r).release();
        doc.AddTail(box);
        return box;
    }
};

}  // namespace

TEST_F(GroupTest, MembersStayInTheirLayerAndPointToTheGroup) {
    EXPECT_TRUE(group->GetRectF().Equals(RectF(0, 0, 100, 100)));
    EXPECT_EQ(a->GetParentGroup(), group);
    EXPECT_EQ(a->GetLayer(), layer);
    EXPECT_EQ(layer->GetCount(), 4);
    ComponentList flat;
    group->AddToList(flat);
    EXPECT_EQ(flat, (ComponentList{a, b, group}));
    EXPECT_EQ(group->GetFirstComp(), a);

    // Ungrouping lets the members go.
    group->OnRemoved();
    EXPECT_EQ(a->GetParentGroup(), nullptr);
}

TEST_F(GroupTest, NestedGroupsReachTheFirstPlainComponent) {
    auto* outer = new CQarnGroup();
    outer->AddComponent(group);
    outer->AddComponent(c);
    outer->RecalcBounds();
    doc.AddTail(outer);
    EXPECT_EQ(outer->GetFirstComp(), a);
    ComponentList flat;
    outer->AddToList(flat);
    EXPECT_EQ(flat, (ComponentList{a, b, group, c, outer}));
    EXPECT_TRUE(outer->GetRectF().Equals(RectF(0, 0, 170, 100)));
}

TEST_F(GroupTest, SizingTheFrameWithMembersScalesThem) {
    EXPECT_EQ(group->MoveTo(RectF(0, 0, 200, 100), kMoveMembers), 1);
    EXPECT_TRUE(b->GetRectF().Equals(RectF(100, 50, 100, 50)));
    EXPECT_TRUE(a->GetRectF().Equals(RectF(0, 0, 100, 50)));
    // Without the member flag only the frame changes.
    EXPECT_EQ(group->MoveTo(RectF(0, 0, 300, 100), 0), 1);
    EXPECT_TRUE(b->GetRectF().Equals(RectF(100, 50, 100, 50)));
    // A frame without width is refused and nothing moves.
    EXPECT_EQ(group->MoveTo(RectF(0, 0, 0, 100), kMoveMembers), 0);
    EXPECT_TRUE(group->GetRectF().Equals(RectF(0, 0, 300, 100)));
}

TEST_F(GroupTest, ShiftingAndHandleSizingCarryTheMembers) {
    group->Shift(10, 5);
    EXPECT_TRUE(a->GetRectF().Equals(RectF(10, 5, 50, 50)));
    EXPECT_TRUE(group->GetRectF().Equals(RectF(10, 5, 100, 100)));
    // Dragging the bottom-right handle to (210, 105) doubles the frame about (10, 5).
    EXPECT_EQ(group->MoveHandleTo(5, PointF(210, 105), kMoveInvalidate), 1);
    EXPECT_TRUE(b->GetRectF().Equals(RectF(110, 55, 100, 50))) << b->GetRectF().X;
}

TEST_F(GroupTest, TurningAndFlippingTheGroupTurnsTheMembersAsOneBody) {
    const PointF centre = group->GetCenterPointF();
    group->RotateAt(90, centre, 1);
    EXPECT_FLOAT_EQ(group->GetRotateAngle(), 90);
    EXPECT_FLOAT_EQ(a->GetRotateAngle(), 90);
    // a's centre (25, 25) turns a quarter clockwise about (50, 50) to (75, 25).
    EXPECT_NEAR(a->GetCenterPointF().X, 75, 1e-3f);
    EXPECT_NEAR(a->GetCenterPointF().Y, 25, 1e-3f);
    a->LockFlip(true);
    group->Flip(QARN_STYLE_HORIFLIP, group->GetRotateCenter(), 0);
    EXPECT_TRUE(group->GetHoriFlip());
    EXPECT_TRUE(b->GetHoriFlip());
    EXPECT_FALSE(a->GetHoriFlip());  // cannot flip
}

TEST_F(GroupTest, HitsFindTheGroupNeverItsMembers) {
    EXPECT_EQ(doc.ObjectAt(CPoint(10, 10), nullptr), group);
    EXPECT_EQ(doc.ObjectAt(CPoint(160, 10), nullptr), c);
    EXPECT_EQ(doc.ObjectAt(CPoint(10, 90), nullptr), nullptr);  // inside the frame, on no member
}

TEST_F(GroupTest, ClonedListsAreRegroupedAmongTheCopies) {
    ComponentList source;
    group->AddToList(source);
    CQarnGroupTable table;
    table.CreateFromContainer(source);
    ASSERT_EQ(table.GetChainCount(), 1);
    EXPECT_EQ(table.NumberAt(0), 3);
    ComponentList copies;
    for (CQarnComponent* s : source) {
        copies.append(s->Clone(nullptr));
    }
    table.ResetContainer(copies);
    auto* copiedGroup = dynamic_cast<CQarnGroup*>(copies[2]);
    ASSERT_NE(copiedGroup, nullptr);
    EXPECT_EQ(copiedGroup->GetMembers(), (ComponentList{copies[0], copies[1]}));
    EXPECT_EQ(copies[0]->GetParentGroup(), copiedGroup);
    EXPECT_EQ(a->GetParentGroup(), group);  // the originals keep theirs
    EXPECT_EQ(group->GetMembers().size(), 2);
    EXPECT_EQ(table.GetChainCount(), 0);
    qDeleteAll(copies);

    QByteArray bytes;
    CQarnGroupTable again;
    again.CreateFromContainer(source);
    {
        CArchive ar(CArchive::store, &bytes);
        again.Serialize(ar);
    }
    EXPECT_EQ(bytes.toHex(), QByteArray("0100000003000000030000000100000002000000"));
    CQarnGroupTable read;
    CArchive in(CArchive::load, &bytes);
    read.Serialize(in);
    EXPECT_EQ(read.NumberAt(0), 3);
}

TEST_F(GroupTest, DocumentsKeepGroupsLayersAndSharedPropertiesByteForByte) {
    CQarnLayer* hidden = doc.GetCurrentCanvas()->AddNewLayer();
    hidden->SetVisible(false);
    CQarnLayer* locked = doc.GetCurrentCanvas()->AddNewLayer();
    locked->SetLocked(true);
    TestBox* onTop = MakeBox(RectF(5, 5, 5, 5)).release();
    doc.AddTail(onTop, locked);
    // One pen held by two components is written once.
    auto* shared = new CQarnPenProperty();
    shared->SetLineWidth(3);
    c->AddProperty(shared);
    onTop->AddProperty(shared);
    doc.AddNewCanvas();

    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.met"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(first, &error)) << error.toStdString();
    CQarnDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(first, &error)) << error.toStdString();
    EXPECT_EQ(StoredRecord(reopened), StoredRecord(doc));

    CQarnLayer* back = reopened.GetCanvasList().first()->GetLayers().first();
    auto* backGroup = dynamic_cast<CQarnGroup*>(back->GetAt(4));
    ASSERT_NE(backGroup, nullptr);
    EXPECT_EQ(backGroup->GetMembers(), (ComponentList{back->GetAt(1), back->GetAt(2)}));
    CQarnComponent* backC = back->GetAt(3);
    CQarnComponent* backTop = reopened.GetCanvasList().first()->GetLayers()[2]->GetHead();
    EXPECT_EQ(backC->GetProperty(6002) == nullptr, false);
    EXPECT_EQ(backC->GetPropList().last(), backTop->GetPropList().last());
    EXPECT_EQ(backC->GetPropList().last()->GetRefCount(), 2);

    const QString python = OlefilePython();
    if (python.isEmpty()) {
        GTEST_SKIP() << "python3-olefile is missing: the compound-file witness cannot run";
    }
    QProcess witness;
    witness.start(python, {QStringLiteral("-c"),
                           QStringLiteral("import olefile,sys\n"
                                          "f=olefile.OleFileIO(sys.argv[1])\n"
                                          "print(len(f.openstream('Contents').read()))"),
                           first});
    ASSERT_TRUE(witness.waitForFinished(30000));
    if (witness.exitCode() != 0 && witness.readAllStandardError().contains("No module named")) {
        GTEST_SKIP() << "python3-olefile is missing";
    }
    EXPECT_EQ(witness.exitCode(), 0);
    EXPECT_EQ(witness.readAllStandardOutput().trimmed().toInt(), StoredRecord(doc).size());
}

TEST(GroupLoadTest, DamagedMemberReferencesAreLeftOut) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* box = MakeBox(RectF(0, 0, 10, 10)).release();
    doc.AddTail(box);
    auto* group = new CQarnGroup();
    group->AddComponent(box);
    group->RecalcBounds();
    doc.AddTail(group);
    QByteArray bytes = StoredRecord(doc);
    // Point the member at position 9 (no such component) and, in a second copy, at the group
    // itself (position 2).
    const QByteArray member = QByteArray::fromHex("0100000001000000");
    const qsizetype at = bytes.lastIndexOf(member);
    ASSERT_GT(at, 0);
    for (int position : {9, 2}) {
        QByteArray damaged = bytes;
        damaged[at + 4] = char(position);
        CQarnDoc back;
        CArchive in(CArchive::load, &damaged);
        back.Serialize(in);
        auto* backGroup =
            dynamic_cast<CQarnGroup*>(back.GetCurrentCanvas()->GetCurrentLayer()->GetAt(2));
        ASSERT_NE(backGroup, nullptr);
        EXPECT_TRUE(backGroup->GetMembers().isEmpty()) << position;
    }
}

TEST(ArrowLineTest, AnOpenPolylineEndsInItsArrowHead) {
    CQarnPoly line(RectF(20, 100, 160, 1));
    line.AddPoint(PointF(20, 100));
    line.AddPoint(PointF(180, 100));
    line.SetFill(false);
    line.SetClosed(false);
    line.SetLineWidth(4);
    line.SetLineColor(Color(0xFF000000u));
    line.SetEndArrow(ArrowTypeArrow);
    line.RecalcBounds();
    line.ResetPath();
    const QImage image = Render(line);
    // The head (4 units of line width per arrow size 4) spreads well beyond the line's own
    // width just before the end; the plain line does not.
    EXPECT_LT(qGray(image.pixel(160, 100 - 5)), 128);
    EXPECT_GT(qGray(image.pixel(60, 100 - 5)), 128);
    EXPECT_LT(qGray(image.pixel(60, 100)), 128);

    // The fixed-width outline form carries the head too.
    CQarnPolyOutline outline(RectF(20, 100, 160, 1));
    outline.AddPoint(PointF(20, 100));
    outline.AddPoint(PointF(180, 100));
    outline.SetClosed(false);
    outline.SetEndArrow(ArrowTypeArrow);
    outline.RecalcBounds();
    outline.ResetPath();
    RectF bounds;
    outline.GetElement(0)->GetPath()->GetBounds(&bounds);
    EXPECT_GT(bounds.Height, 10.0f * 1.2f);  // wider than the band of width 10
}
