#include "core/notification_messages.h"
#include "platform/message_relay.h"
#include "platform/window_messages.h"
#include "support/message_recorder.h"
#include "undo/action_fixture.h"
#include "undo/action_ids.h"
#include "undo/add_action.h"
#include "undo/add_canvas_action.h"
#include "undo/color_action.h"
#include "undo/counting_action.h"
#include "undo/delete_action.h"
#include "undo/move_action.h"

namespace {

// A document that permits no action of one identifier.
class PickyDoc : public CQarnDoc {
public:
    bool IsActionPermitted(UINT action) override { return action != QarnActionId::Delete; }
};

// A rectangle that counts how many of its kind are alive.
class TallyRect : public CQarnRect {
public:
    explicit TallyRect(const RectF& r) : CQarnRect(r) { ++alive; }
    ~TallyRect() override { --alive; }
    static int alive;
};
int TallyRect::alive = 0;

}  // namespace

class RecordingProtocolTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        BuildScene();
    }
};

TEST_F(RecordingProtocolTest, CanAddNewActionAnswersWhyItRefuses) {
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::AddObject), CActionRecorder::Allowed);
    Layer()->SetSelectable(false);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::AddObject), CActionRecorder::NotPermitted);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::Allowed);
    Layer()->SetSelectable(true);
    Layer()->SetVisible(false);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::AddObject), CActionRecorder::NotPermitted);
    Layer()->SetVisible(true);
    doc->SetCanvasFlag(2);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::DocumentLocked);
    doc->SetCanvasFlag(TRUE);

    PickyDoc picky;
    TestView other;
    other.Show(&picky);
    EXPECT_EQ(other.CanAddNewAction(QarnActionId::Delete), CActionRecorder::NotPermitted);
    EXPECT_EQ(other.CanAddNewAction(QarnActionId::Move), CActionRecorder::Allowed);
    TestView none;
    EXPECT_EQ(none.CanAddNewAction(QarnActionId::Move), CActionRecorder::NoDocument);
}

TEST_F(RecordingProtocolTest, APendingDragBlocksButAPendingNudgeIsFinished) {
    auto drag = std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{a});
    CMoveAction* dragging = drag.get();
    ASSERT_TRUE(Record(std::move(drag)));
    EXPECT_EQ(view.GetPendingAction(), dragging);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::PendingBusy);
    dragging->Finish();
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::Allowed);

    auto nudge = std::make_unique<CMoveAction>(&view, QarnActionId::Nudge, ComponentList{a});
    CMoveAction* nudging = nudge.get();
    ASSERT_TRUE(Record(std::move(nudge)));
    EXPECT_FALSE(nudging->IsFinished());
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::Allowed);
    EXPECT_TRUE(nudging->IsFinished());
}

TEST_F(RecordingProtocolTest, APendingActionThatChangedNothingIsTakenBack) {
    gUndoManager->TargetCleaned(doc);
    ASSERT_FALSE(doc->IsModified());
    auto move = std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{a});
    ASSERT_TRUE(Record(std::move(move)));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(view.DeleteLastAction());
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(view.GetPendingAction(), nullptr);
    EXPECT_FALSE(doc->IsModified());

    // A pending action that is no longer the newest stays with the history.
    ASSERT_TRUE(Record(std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{a})));
    CQarnAction* older = view.GetPendingAction();
    view.GetRecorder().SetPendingAction(older);
    ASSERT_TRUE(Record(std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{b})));
    view.GetRecorder().SetPendingAction(older);
    EXPECT_FALSE(view.DeleteLastAction());
    EXPECT_EQ(UndoDepth(), 2);
}

TEST_F(RecordingProtocolTest, APendingActionTheHistoryDropsIsForgotten) {
    ASSERT_TRUE(Record(std::make_unique<CMoveAction>(&view, QarnActionId::Move, ComponentList{a})));
    ASSERT_NE(view.GetPendingAction(), nullptr);
    gUndoManager->ClearTarget(doc);
    // The view asks again without touching the deleted action.
    EXPECT_EQ(view.GetPendingAction(), nullptr);
    EXPECT_EQ(view.CanAddNewAction(QarnActionId::Move), CActionRecorder::Allowed);
    EXPECT_FALSE(view.DeleteLastAction());
}

TEST_F(RecordingProtocolTest, AnActionNeverTakesHoldOfAComponentAnotherActionRemoved) {
    const ComponentList stale{b, lone};
    ASSERT_TRUE(Record(std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, stale)));
    // A list kept from before the deletion (as a pane may keep one) names components the
    // delete action now owns.
    EXPECT_FALSE(Record(std::make_unique<CMoveAction>(&view, QarnActionId::Move, stale)));
    auto color = std::make_unique<CColorAction>(&view, QarnActionId::FillColor, ComponentList{a, b},
                                                0xFF000000u);
    EXPECT_EQ(color->GetComponents(), ComponentList{a});
    ASSERT_TRUE(Record(std::move(color)));
    // Dropping the history frees the deleted components; nothing refers to them any more.
    gUndoManager->ClearTarget(doc);
    EXPECT_TRUE(SameBytes(Bytes(), Bytes()));
}

TEST_F(RecordingProtocolTest, NothingIsUndoneInADocumentThatWasClosed) {
    ASSERT_TRUE(
        Record(std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, ComponentList{a})));
    doc->OnCloseDocument();
    EXPECT_FALSE(gUndoManager->CanUndo(doc, 1));
    gUndoManager->Undo(doc, 1);
    EXPECT_EQ(gUndoManager->GetStackSize(doc, 0), 0);
    // Emptying the contents drops the history as well: it referred to them.
    ASSERT_TRUE(doc->OnNewDocument());
    view.Show(doc);
    ASSERT_TRUE(Record(std::make_unique<CAddAction>(
        &view, QarnActionId::AddObject, std::make_unique<CQarnRect>(RectF(0, 0, 9, 9)))));
    doc->DeleteContents();
    EXPECT_FALSE(gUndoManager->CanUndo(doc, 1));
}

TEST_F(RecordingProtocolTest, ACapacityOfNoneKeepsOneStepAndFreesWhatFallsOff) {
    gUndoManager->RegisterTarget(doc, 0, &CQarnDoc::UndoNotify);
    EXPECT_EQ(gUndoManager->GetStackCapacity(doc), 1);
    auto* first = new TallyRect(RectF(0, 0, 5, 5));
    auto* second = new TallyRect(RectF(9, 9, 5, 5));
    doc->AddTail(first);
    doc->AddTail(second);
    ASSERT_TRUE(
        Record(std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, ComponentList{first})));
    EXPECT_EQ(TallyRect::alive, 2);
    ASSERT_TRUE(Record(
        std::make_unique<CDeleteAction>(&view, QarnActionId::Delete, ComponentList{second})));
    // The first deletion fell off the history: its component is freed, the second is kept.
    EXPECT_EQ(TallyRect::alive, 1);
    EXPECT_EQ(UndoDepth(), 1);
    ASSERT_TRUE(Undo());
    EXPECT_TRUE(doc->Contains(second));
    EXPECT_FALSE(Undo());
}

TEST_F(RecordingProtocolTest, PageAndLayerChangesAreRelayedToEveryRegisteredWindow) {
    MessageRecorder mainWindow;
    MessageRecorder pane;
    AfxSetMainWnd(&mainWindow);
    Qarn::AddRelayReceiver(&pane);
    ASSERT_TRUE(Record(std::make_unique<CAddCanvasAction>(&view, QarnActionId::AddPage)));
    EXPECT_EQ(mainWindow.Count(QARN_WM_PAGEINFO_UPDATED), 1);
    EXPECT_EQ(pane.Count(QARN_WM_PAGEINFO_UPDATED), 1);
    EXPECT_EQ(pane.Of(QARN_WM_PAGEINFO_UPDATED).first().wParam, WPARAM(0));
    Qarn::RemoveRelayReceiver(&pane);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(mainWindow.Count(QARN_WM_PAGEINFO_UPDATED), 2);
    EXPECT_EQ(pane.Count(QARN_WM_PAGEINFO_UPDATED), 1);
    AfxSetMainWnd(nullptr);
}
