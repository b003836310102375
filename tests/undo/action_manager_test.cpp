#include <gtest/gtest.h>

#include "core/notification_messages.h"
#include "undo/action_manager.h"
#include "undo/counting_action.h"

namespace {

class ActionManagerTest : public ::testing::Test {
protected:
    void SetUp() override { Notifications().clear(); }

    // Records n finished actions named "a0", "a1", ... in order.
    void Record(CActionManager& manager, int n) {
        for (int i = 0; i < n; ++i) {
            auto* action = new CountingAction(log);
            action->SetName(QStringLiteral("a%1").arg(next++));
            action->Finish();
            manager.SetLastAction(action);
        }
    }
    const NotificationRecord& Last() const { return Notifications().back(); }

    TestTarget target;
    int next = 0;
    ActionLog log;
};

TEST_F(ActionManagerTest, TheOldestActionFallsOffAtCapacityAndTheSavedStateIsLost) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 61);
    EXPECT_EQ(manager.GetStackSize(0), 60);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(manager.GetActionName(0, 59), QStringLiteral("a1"));
    manager.Undo(60);
    EXPECT_EQ(manager.GetStackSize(0), 0);
    EXPECT_EQ(Last().data.code, UM_Undo);
    EXPECT_EQ(Last().data.count, 60);
    EXPECT_TRUE(Last().data.modified);
    EXPECT_EQ(manager.GetSavedMark(), -1);
}

TEST_F(ActionManagerTest, UndoingPastTheSavedStateIsModifiedAndRedoingBackIsNot) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 5);
    manager.TargetCleaned();
    manager.Undo(1);
    EXPECT_EQ(Last().data.code, UM_Undo);
    EXPECT_EQ(Last().data.count, 1);
    EXPECT_TRUE(Last().data.modified);
    manager.Redo(1);
    EXPECT_EQ(Last().data.code, UM_Redo);
    EXPECT_FALSE(Last().data.modified);
    EXPECT_EQ(Last().target, &target);
    EXPECT_EQ(log.undone, 1);
    EXPECT_EQ(log.redone, 1);
}

TEST_F(ActionManagerTest, ANewActionAfterUndoDeletesEveryRedoableAction) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 4);
    manager.Undo(3);
    ASSERT_EQ(manager.GetStackSize(1), 3);
    EXPECT_EQ(manager.GetActionName(1, 0), QStringLiteral("a1"));
    Record(manager, 1);
    EXPECT_EQ(log.destroyed, 3);
    EXPECT_EQ(manager.GetStackSize(1), 0);
    EXPECT_FALSE(manager.CanRedo(1));
    EXPECT_EQ(manager.GetStackSize(0), 2);
}

TEST_F(ActionManagerTest, ANullActionFinishesThePendingOneAndOnlyNotifies) {
    CActionManager manager(&target, &RecordNotification, 60);
    auto* pending = new CountingAction(log);
    manager.SetLastAction(pending);
    Record(manager, 1);
    manager.Undo(1);
    auto* dragged = new CountingAction(log);
    manager.SetLastAction(dragged);
    EXPECT_EQ(log.destroyed, 1);  // the redoable action went with the new one
    ASSERT_FALSE(dragged->IsFinished());
    Notifications().clear();

    manager.SetLastAction(nullptr);
    EXPECT_TRUE(dragged->IsFinished());
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_EQ(Last().data.code, UM_Do);
    EXPECT_EQ(Last().data.count, 1);
    EXPECT_TRUE(Last().data.modified);
    EXPECT_EQ(manager.GetStackSize(0), 2);
    EXPECT_EQ(manager.PeekLastAction(), dragged);
    // The earlier pending action was finished when the later one arrived.
    EXPECT_TRUE(pending->IsFinished());
}

TEST_F(ActionManagerTest, UndoFinishesAnUnfinishedActionBeforeUndoingIt) {
    CActionManager manager(&target, nullptr, 60);
    auto* action = new CountingAction(log);
    manager.SetLastAction(action);
    manager.Undo(1);
    EXPECT_TRUE(action->IsFinished());
    EXPECT_TRUE(action->IsUndone());
    manager.Redo(1);
    EXPECT_FALSE(action->IsUndone());
}

TEST_F(ActionManagerTest, CuttingTheCapacityKeepsTheMostRecentActions) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 25);
    manager.SetStackCapacity(10);
    EXPECT_EQ(manager.GetStackSize(0), 10);
    EXPECT_EQ(log.destroyed, 15);
    EXPECT_EQ(manager.GetActionName(0, 0), QStringLiteral("a24"));
    EXPECT_EQ(manager.GetActionName(0, 9), QStringLiteral("a15"));
    EXPECT_EQ(manager.GetStackCapacity(), 10);
    // The next action drops the oldest of the ten.
    Record(manager, 1);
    EXPECT_EQ(manager.GetStackSize(0), 10);
    EXPECT_EQ(manager.GetActionName(0, 9), QStringLiteral("a16"));
}

TEST_F(ActionManagerTest, CuttingTheRedoStackKeepsTheNextActionsToRedo) {
    CActionManager manager(&target, nullptr, 60);
    Record(manager, 20);
    manager.Undo(20);
    manager.SetStackCapacity(5);
    ASSERT_EQ(manager.GetStackSize(1), 5);
    EXPECT_EQ(manager.GetActionName(1, 0), QStringLiteral("a0"));
    EXPECT_EQ(manager.GetActionName(1, 4), QStringLiteral("a4"));
}

TEST_F(ActionManagerTest, CuttingBelowTheSavedStateMovesOrLosesIt) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 25);
    manager.TargetCleaned();
    manager.SetStackCapacity(10);
    // The saved state is still the present one.
    EXPECT_EQ(manager.GetSavedMark(), 10);
    manager.Undo(10);
    EXPECT_TRUE(Last().data.modified);

    CActionManager early(&target, &RecordNotification, 60);
    Record(early, 25);
    early.Undo(20);
    early.TargetCleaned();  // saved at depth 5
    early.Redo(20);
    early.SetStackCapacity(10);
    EXPECT_EQ(early.GetSavedMark(), -1);
    early.Undo(5);
    // Depth 5 is now what was depth 20: not the saved state.
    EXPECT_TRUE(Last().data.modified);
}

TEST_F(ActionManagerTest, ASavedStateOnTheDiscardedRedoStackIsNeverReportedAgain) {
    CActionManager manager(&target, &RecordNotification, 60);
    Record(manager, 5);
    manager.TargetCleaned();
    manager.Undo(2);
    Record(manager, 2);  // back at depth 5, but with different actions
    EXPECT_EQ(manager.GetStackSize(0), 5);
    EXPECT_TRUE(Last().data.modified);
}

TEST_F(ActionManagerTest, ClearingTheHistoryKeepsWhetherThePresentStateWasSaved) {
    CActionManager saved(&target, &RecordNotification, 60);
    Record(saved, 3);
    saved.TargetCleaned();
    saved.ClearTarget();
    EXPECT_EQ(log.destroyed, 3);
    saved.SetLastAction(nullptr);
    EXPECT_FALSE(Last().data.modified);

    CActionManager unsaved(&target, &RecordNotification, 60);
    Record(unsaved, 3);
    unsaved.Undo(1);
    unsaved.ClearTarget();
    EXPECT_EQ(log.destroyed, 6);
    EXPECT_EQ(unsaved.GetStackSize(0) + unsaved.GetStackSize(1), 0);
    unsaved.SetLastAction(nullptr);
    EXPECT_TRUE(Last().data.modified);
}

TEST_F(ActionManagerTest, TakingBackTheLastActionDoesNotDeleteIt) {
    CActionManager manager(&target, nullptr, 60);
    EXPECT_EQ(manager.PeekLastAction(), nullptr);
    EXPECT_EQ(manager.RemoveLastAction(), nullptr);
    Record(manager, 2);
    CQarnAction* top = manager.PeekLastAction();
    EXPECT_EQ(manager.RemoveLastAction(), top);
    EXPECT_EQ(manager.GetStackSize(0), 1);
    EXPECT_EQ(log.destroyed, 0);
    delete top;
}

TEST_F(ActionManagerTest, UndoAndRedoNeverMoveMoreThanTheStackHolds) {
    CActionManager manager(&target, &RecordNotification, 60);
    EXPECT_TRUE(manager.CanUndo(0));
    EXPECT_FALSE(manager.CanUndo(1));
    Record(manager, 2);
    EXPECT_TRUE(manager.CanUndo(2));
    EXPECT_FALSE(manager.CanUndo(3));
    manager.Undo(5);
    EXPECT_EQ(Last().data.count, 2);
    EXPECT_EQ(manager.GetStackSize(1), 2);
    manager.Redo(5);
    EXPECT_EQ(Last().data.count, 2);
    EXPECT_EQ(manager.GetStackSize(0), 2);
}

TEST_F(ActionManagerTest, ACapacityBelowOneKeepsOneAction) {
    CActionManager manager(&target, nullptr, 0);
    EXPECT_EQ(manager.GetStackCapacity(), 1);
    Record(manager, 3);
    EXPECT_EQ(manager.GetStackSize(0), 1);
    EXPECT_EQ(manager.GetActionName(0, 0), QStringLiteral("a2"));
    EXPECT_EQ(manager.GetActionName(0, 1), QString());
    EXPECT_EQ(manager.GetActionName(7, -1), QString());
}

TEST_F(ActionManagerTest, DestroyingTheManagerDeletesBothStacks) {
    {
        CActionManager manager(&target, nullptr, 60);
        Record(manager, 4);
        manager.Undo(1);
    }
    EXPECT_EQ(log.destroyed, 4);
}

}  // namespace
