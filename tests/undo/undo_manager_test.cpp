#include <gtest/gtest.h>

#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "undo/counting_action.h"
#include "undo/undo_manager.h"

namespace {

class UndoManagerTest : public ::testing::Test {
protected:
    void SetUp() override { Notifications().clear(); }

    void Record(CUndoTarget* target, int n) {
        for (int i = 0; i < n; ++i) {
            auto* action = new CountingAction(log);
            action->Finish();
            manager.SetLastAction(target, action);
        }
    }

    CUndoManager manager;
    TestTarget first;
    TestTarget second;
    ActionLog log;
};

TEST(UndoCodesTest, AreTheRegisteredMessagesOfTheirNames) {
    EXPECT_EQ(UM_Do, RegisterWindowMessage(QStringLiteral("UndoManager:Do")));
    EXPECT_EQ(UM_Undo, RegisterWindowMessage(QStringLiteral("UndoManager:Undo")));
    EXPECT_EQ(UM_Redo, RegisterWindowMessage(QStringLiteral("UndoManager:Redo")));
    EXPECT_NE(UM_Do, UM_Undo);
    EXPECT_NE(UM_Undo, UM_Redo);
}

TEST_F(UndoManagerTest, EachTargetKeepsItsOwnStacks) {
    manager.RegisterTarget(&first, 60, &RecordNotification);
    manager.RegisterTarget(&second, 60, &RecordNotification);
    Record(&first, 3);
    Record(&second, 1);
    EXPECT_EQ(manager.GetStackSize(&first, CUndoManager::UndoStack), 3);
    EXPECT_EQ(manager.GetStackSize(&second, CUndoManager::UndoStack), 1);
    manager.Undo(&first, 2);
    EXPECT_EQ(Notifications().back().target, &first);
    EXPECT_TRUE(manager.CanDo(&first, CUndoManager::RedoStack, 2));
    EXPECT_TRUE(manager.CanDo(&first, 5, 2));  // every non-zero kind is the redo stack
    EXPECT_FALSE(manager.CanDo(&second, CUndoManager::RedoStack, 1));
    EXPECT_TRUE(manager.CanDo(&second, CUndoManager::UndoStack, 1));
    manager.Redo(&first, 1);
    EXPECT_EQ(manager.GetStackSize(&first, 1), 1);
    EXPECT_EQ(Notifications().back().data.manager, gUndoManager);
}

TEST_F(UndoManagerTest, RegisteringAgainKeepsTheActionsAndTakesTheNewSettings) {
    manager.RegisterTarget(&first, 60, nullptr);
    Record(&first, 8);
    manager.RegisterTarget(&first, 5, &RecordNotification);
    EXPECT_EQ(manager.GetStackSize(&first, 0), 5);
    EXPECT_EQ(manager.GetStackCapacity(&first), 5);
    EXPECT_EQ(manager.GetNotifyFn(&first), &RecordNotification);
    EXPECT_EQ(log.destroyed, 3);
    manager.Undo(&first, 1);
    EXPECT_EQ(Notifications().size(), 1u);
}

TEST_F(UndoManagerTest, RemovingATargetDeletesItsActionsOnly) {
    manager.RegisterTarget(&first, 60, nullptr);
    manager.RegisterTarget(&second, 60, nullptr);
    Record(&first, 4);
    manager.Undo(&first, 1);
    Record(&second, 2);
    manager.RemoveTarget(&first);
    EXPECT_EQ(log.destroyed, 4);
    EXPECT_FALSE(manager.IsRegistered(&first));
    EXPECT_EQ(manager.GetStackSize(&second, 0), 2);
    manager.RemoveTarget(&first);  // a second time changes nothing
    EXPECT_EQ(log.destroyed, 4);
}

TEST_F(UndoManagerTest, ClearingDeletesEveryTargetAndAction) {
    manager.RegisterTarget(&first, 60, nullptr);
    manager.RegisterTarget(&second, 60, nullptr);
    Record(&first, 2);
    Record(&second, 3);
    manager.Clear();
    EXPECT_EQ(log.destroyed, 5);
    EXPECT_FALSE(manager.IsRegistered(&second));
}

TEST_F(UndoManagerTest, AnUnknownTargetHasNothingAndKeepsNothing) {
    EXPECT_FALSE(manager.CanUndo(&first, 1));
    EXPECT_FALSE(manager.CanRedo(&first, 1));
    EXPECT_EQ(manager.GetStackSize(&first, 0), 0);
    EXPECT_EQ(manager.PeekLastAction(&first), nullptr);
    EXPECT_EQ(manager.RemoveLastAction(&first), nullptr);
    EXPECT_EQ(manager.GetActionName(&first, 0, 0), QString());
    manager.Undo(&first, 1);
    manager.TargetCleaned(&first);
    manager.ClearTarget(&first);
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(UndoManagerTest, ForwardsTheStackQueriesToTheTarget) {
    manager.RegisterTarget(&first, 60, nullptr);
    auto* named = new CountingAction(log);
    named->SetName(QStringLiteral("Move"));
    manager.SetLastAction(&first, named);
    EXPECT_EQ(manager.PeekLastAction(&first), named);
    EXPECT_EQ(manager.GetActionName(&first, 0, 0), QStringLiteral("Move"));
    manager.SetStackCapacity(&first, 20);
    EXPECT_EQ(manager.GetStackCapacity(&first), 20);
    manager.SetNotifyFn(&first, &RecordNotification);
    manager.SetLastAction(&first, nullptr);
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_TRUE(named->IsFinished());
    EXPECT_EQ(manager.RemoveLastAction(&first), named);
    delete named;
}

}  // namespace
