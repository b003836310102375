#pragma once
// The undo and redo stacks of one target, their capacity and the depth at which the target was
// last saved. It owns every action on either stack.

#include <QString>
#include <deque>

#include "undo/undo_manager.h"
#include "undo/undo_notification.h"

class CQarnAction;

using ActionStack = std::deque<CQarnAction*>;

class CActionManager {
public:
    CActionManager(void* target, UMNotifyFn notify, long capacity);
    CActionManager(const CActionManager&) = delete;
    CActionManager& operator=(const CActionManager&) = delete;
    virtual ~CActionManager();

    // Finishes the top action; a non-null action discards the redo stack and becomes the top,
    // the oldest falling off at capacity. Always tells the target.
    virtual void SetLastAction(CQarnAction* action);
    virtual void Undo(long count);
    virtual bool CanUndo(long count) const;
    virtual void Redo(long count);
    virtual bool CanRedo(long count) const;

    void* GetTarget() const { return m_pTarget; }
    UMNotifyFn GetNotifyFn() const { return m_pNotify; }
    void SetNotifyFn(UMNotifyFn notify) { m_pNotify = notify; }
    long GetStackCapacity() const { return m_nCapacity; }
    // Keeps the most recent actions of each stack; a capacity below 1 counts as 1.
    void SetStackCapacity(long capacity);
    long GetStackSize(int kind) const;
    // Counted from the top: 0 is the most recent undo action or the next one to redo.
    QString GetActionName(int kind, long index) const;
    // The target has been saved in its present state.
    void TargetCleaned();
    // Deletes both stacks.
    void ClearTarget();
    // Takes the top undo action off without deleting it; null when there is none.
    CQarnAction* RemoveLastAction();
    CQarnAction* PeekLastAction() const;
    // The undo depth at which the target was saved, -1 when that state is gone.
    long GetSavedMark() const { return m_nSavedMark; }

protected:
    // Deletes up to count actions from the front (oldest end) of the stack.
    virtual void DeleteActions(ActionStack& stack, long count);
    virtual void NotifyTarget(unsigned int code, long count);

private:
    void FinishTop();
    // The oldest undo actions are gone: the saved state moves down with them, or is lost.
    void ShiftSavedMark(long dropped);
    // Drops the saved mark when the state it names can no longer be reached.
    void ForgetUnreachableSavedMark();
    const ActionStack& Stack(int kind) const { return kind == 0 ? m_Undo : m_Redo; }

    void* m_pTarget;
    ActionStack m_Undo;
    ActionStack m_Redo;
    UMNotifyFn m_pNotify;
    long m_nSavedMark = 0;
    long m_nCapacity;
};
