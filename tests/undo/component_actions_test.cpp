#include "core/configuration.h"
#include "core/custom_config.h"
#include "platform/archive.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_action.h"
#include "undo/delete_action.h"
#include "undo/grouping.h"
#include "undo/native_clip.h"
#include "undo/paste_action.h"
#include "undo/ungroup_action.h"

namespace {

// A rectangle that counts how many of its kind are alive.
class CountedRect : public CQarnRect {
public:
    explicit CountedRect(const RectF& r) : CQarnRect(r) { ++alive; }
    ~CountedRect() override { --alive; }
    static int alive;
};
int CountedRect::alive = 0;

}  // namespace

class ComponentActionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        BuildScene();
        savedShiftX = Qarn::GetConfig()->m_nXShiftPasting;
        savedShiftY = Qarn::GetConfig()->m_nYShiftPasting;
    }
    void TearDown() override {
        Qarn::GetConfig()->m_nXShiftPasting = savedShiftX;
        Qarn::GetConfig()->m_nYShiftPasting = savedShiftY;
        ActionTest::TearDown();
    }
    int savedShiftX = 0;
    int savedShiftY = 0;
};

TEST_F(ComponentActionTest, AnAddedComponentIsNumberedSelectedAndUndoneExactly) {
    CQarnComponent* added = nullptr;
    ExpectExactUndo([&] {
        auto shape = std::make_unique<CQarnRect>(RectF(20, 600, 40, 40));
        added = shape.get();
        ASSERT_TRUE(
            Record(std::make_unique<CAddAction>(&view, QarnActionId::AddObject, std::move(shape))));
        EXPECT_EQ(Layer()->GetTail(), added);
        EXPECT_EQ(view.GetSelection(), ComponentList{added});
    });
    const UINT next = doc->GetNextID();
    ASSERT_TRUE(Undo());
    EXPECT_FALSE(doc->Contains(added));
    EXPECT_FALSE(view.IsSelected(added));
    EXPECT_EQ(doc->GetNextID(), next - 1);
}

TEST_F(ComponentActionTest, AnUndoneAdditionIsFreedWhenItCanNoLongerBeRedone) {
    ASSERT_TRUE(Record(std::make_unique<CAddAction>(
        &view, QarnActionId::AddObject, std::make_unique<CountedRect>(RectF(0, 0, 5, 5)))));
    EXPECT_EQ(CountedRect::alive, 1);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(CountedRect::alive, 1);  // held by the action on the redo stack
    // A new edit discards the redo stack, and the addition with it.
    ASSERT_TRUE(Record(std::make_unique<CAddAction>(
        &view, QarnActionId::AddObject, std::make_unique<CQarnRect>(RectF(0, 0, 5, 5)))));
    EXPECT_EQ(CountedRect::alive, 0);

    // One that stays in the document outlives its action.
    ASSERT_TRUE(Record(std::make_unique<CAddAction>(
        &view, QarnActionId::AddObject, std::make_unique<CountedRect>(RectF(0, 0, 5, 5)))));
    gUndoManager->ClearTarget(doc);
    EXPECT_EQ(CountedRect::alive, 1);
}

TEST_F(ComponentActionTest, DeletingComesBackAtTheOldPlacesWithEveryConnection) {
    ExpectExactUndo(
        [&] {
            view.Select(b, false);
            view.Select(group, true);
            ASSERT_TRUE(Record(
                std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, view.GetSelection())));
            EXPECT_FALSE(doc->Contains(m1));
            EXPECT_TRUE(view.GetSelection().isEmpty());
            // The connectors that stay have let go of what went.
            EXPECT_EQ(ab->GetRightConnection(), nullptr);
            EXPECT_EQ(am->GetRightConnection(), nullptr);
        },
        true);
    EXPECT_EQ(ab->GetRightConnection()->GetComponent(), b);
    EXPECT_EQ(am->GetRightConnection()->GetComponent(), m2);
    EXPECT_TRUE(m2->BeenConnectedBy(am));
    EXPECT_EQ(m1->GetParentGroup(), group);
    // Only what is not inside a group comes back selected.
    EXPECT_TRUE(view.IsSelected(b));
    EXPECT_TRUE(view.IsSelected(group));
    EXPECT_FALSE(view.IsSelected(m1));
}

TEST_F(ComponentActionTest, DeletingAConnectorWithItsShapesKeepsTheirConnection) {
    ExpectExactUndo(
        [&] {
            // The shape comes before the connector: it must not cut the connector loose.
            ASSERT_TRUE(Record(std::make_unique<CDeleteAction>(&view, QarnActionId::Delete,
                                                               ComponentList{a, ab, b})));
        },
        true);
    ASSERT_NE(ab->GetLeftConnection(), nullptr);
    EXPECT_EQ(ab->GetLeftConnection()->GetComponent(), a);
    EXPECT_TRUE(a->BeenConnectedBy(ab));
    EXPECT_TRUE(a->BeenConnectedBy(am));
}

TEST_F(ComponentActionTest, GroupingAndUngroupingAreOneStepEach) {
    CQarnGroup* made = nullptr;
    ExpectExactUndo(
        [&] {
            made = Qarn::GroupComponents(&view, ComponentList{a, ab, b}, false);
            ASSERT_NE(made, nullptr);
            EXPECT_EQ(made->GetMembers().size(), 3);
            EXPECT_EQ(view.GetSelection(), ComponentList{made});
        },
        true);
    EXPECT_EQ(a->GetParentGroup(), nullptr);
    ASSERT_TRUE(Redo());
    EXPECT_EQ(a->GetParentGroup(), made);
    // A grouped member cannot join another group; one component alone makes none.
    EXPECT_EQ(Qarn::GroupComponents(&view, ComponentList{a, lone}, false), nullptr);

    // Turned inside the group, the connector is normalised and laid out when set free.
    const RectF old = made->GetRectF();
    made->RotateAt(90, made->GetCenterPointF(), 1);
    made->OnPositionChanged(old, nullptr, 1);
    gUndoManager->ClearTarget(doc);
    ExpectExactUndo(
        [&] {
            ASSERT_TRUE(
                Record(std::make_unique<CUngroupAction>(&view, QarnActionId::Ungroup, made)));
            EXPECT_FALSE(doc->Contains(made));
            EXPECT_EQ(ab->GetRotateAngle(), 0.0f);
            EXPECT_EQ(view.GetSelection().size(), 3);
        },
        true);
    EXPECT_EQ(ab->GetParentGroup(), made);
    EXPECT_EQ(view.GetSelection(), ComponentList{made});
}

TEST_F(ComponentActionTest, PastedCopiesAttachToEachOtherAndShiftOneStepFurtherEachTime) {
    Qarn::GetConfig()->m_nXShiftPasting = 10;
    Qarn::GetConfig()->m_nYShiftPasting = 20;
    // b and the group are copied with ab (whose other shape is not) and am.
    const QByteArray clip = CQarnNativeClip::Write(ComponentList{b, ab, group, am, a});
    const QByteArray partial = CQarnNativeClip::Write(ComponentList{b, ab});
    ExpectExactUndo([&] {
        auto action = std::make_unique<CPasteAction>(&view, QarnActionId::Paste, clip);
        CPasteAction* paste = action.get();
        ASSERT_TRUE(Record(std::move(action)));
        const ComponentList pasted = paste->GetComponents();
        ASSERT_EQ(pasted.size(), 7);
        EXPECT_EQ(view.GetPasteCount(), 1);
        // Copied in the order b, ab, m1, m2, group, am, a: the copy of the connector to a
        // group member rests on the copy of that member, inside the copied group.
        auto* copyAM = dynamic_cast<CQarnConnector*>(pasted[5]);
        ASSERT_NE(copyAM, nullptr);
        ASSERT_NE(copyAM->GetRightConnection(), nullptr);
        EXPECT_EQ(copyAM->GetRightConnection()->GetComponent(), pasted[3]);
        EXPECT_EQ(pasted[3]->GetParentGroup(), pasted[4]);
        EXPECT_EQ(copyAM->GetLeftConnection()->GetComponent(), pasted[6]);
    });
    ExpectExactUndo([&] {
        ASSERT_TRUE(Record(std::make_unique<CPasteAction>(&view, QarnActionId::Paste, partial)));
    });
    EXPECT_EQ(view.GetPasteCount(), 2);
    const ComponentList& layer = Layer()->GetList();
    // The last paste: the ellipse two shifts away, then a connector with a free start.
    CQarnComponent* copyB = layer[layer.size() - 2];
    auto* copyAB = dynamic_cast<CQarnConnector*>(layer.last());
    ASSERT_NE(copyAB, nullptr);
    EXPECT_EQ(copyB->GetRectF().X, b->GetRectF().X + 20);
    EXPECT_EQ(copyB->GetRectF().Y, b->GetRectF().Y + 40);
    ASSERT_NE(copyAB->GetRightConnection(), nullptr);
    EXPECT_EQ(copyAB->GetRightConnection()->GetComponent(), copyB);
    EXPECT_EQ(copyAB->GetLeftConnection(), nullptr);
    EXPECT_EQ(view.GetSelection(), (ComponentList{copyB, copyAB}));
    // The copies are numbered afresh.
    EXPECT_NE(copyB->GetID(), b->GetID());

    // Copies of a group and its members form a new group, not a part of the old one.
    const int before = Layer()->GetCount();
    ASSERT_TRUE(Record(std::make_unique<CPasteAction>(&view, QarnActionId::Paste,
                                                      CQarnNativeClip::Write({group}))));
    ASSERT_EQ(Layer()->GetCount(), before + 3);
    auto* copyGroup = dynamic_cast<CQarnGroup*>(Layer()->GetTail());
    ASSERT_NE(copyGroup, nullptr);
    EXPECT_EQ(copyGroup->GetMembers().size(), 2);
    EXPECT_EQ(copyGroup->GetMembers()[0]->GetParentGroup(), copyGroup);
    EXPECT_EQ(group->GetMembers(), (ComponentList{m1, m2}));
}

TEST_F(ComponentActionTest, DamagedOrForeignClipboardDataPastesNothing) {
    const long depth = UndoDepth();
    const QByteArray before = Bytes();
    auto empty = std::make_unique<CPasteAction>(&view, QarnActionId::Paste, QByteArray());
    EXPECT_FALSE(Record(std::move(empty)));
    QByteArray cut = CQarnNativeClip::Write({a, b});
    cut.chop(5);
    EXPECT_FALSE(Record(std::make_unique<CPasteAction>(&view, QarnActionId::Paste, cut)));

    // A group table that makes two groups members of each other is refused, not followed.
    QByteArray looped;
    {
        CQarnGroup other;
        CArchive ar(CArchive::store, &looped);
        ComponentList list{group, &other};
        ar.WriteObjectList(list);
        ar << std::uint32_t(2) << std::uint32_t(2) << std::int32_t(1) << std::int32_t(2)
           << std::uint32_t(2) << std::int32_t(2) << std::int32_t(1);
        ar << std::uint32_t(0);
    }
    std::vector<std::unique_ptr<CQarnComponent>> out;
    QString error;
    EXPECT_FALSE(CQarnNativeClip::Read(looped, out, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(Record(std::make_unique<CPasteAction>(&view, QarnActionId::Paste, looped)));

    EXPECT_EQ(UndoDepth(), depth);
    EXPECT_TRUE(SameBytes(before, Bytes()));
}
