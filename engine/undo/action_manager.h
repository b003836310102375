#pragma once
// The undo and redo stacks of one target, their capacity and the depth at which the target was
// last saved. It owns every action on either stack, and the compound action being filled while
// one is open.

#include <QString>
#include <deque>
#include <memory>

#include "undo/undo_notification.h"

class CCompoundAction;
class CQarnAction;
class CUndoTarget;

using ActionStack = std::deque<std::unique_ptr<CQarnAction>>;

class CActionManager {
public:
    CActionManager(CUndoTarget* target, UMNotifyFn notify, long capacity);
    CActionManager(const CActionManager&) = delete;
    CActionManager& operator=(const CActionManager&) = delete;
    virtual ~CActionManager();

    // Finishes the top action; a non-null action (which the manager takes over) discards the
    // redo stack and becomes the top, the oldest falling off at capacity, unless it absorbs the
    // top action (see CQarnAction::AbsorbPrevious). While a compound action is open the action
    // becomes its newest part instead. Always tells the target (but while a compound is open).
    virtual void SetLastAction(CQarnAction* action);
    virtual void Undo(long count);
    virtual bool CanUndo(long count) const;
    // Finishes the newest action (the newest part of an open compound) when it is still being
    // built, so that it takes no further changes.
    void FinishLastAction();
    virtual void Redo(long count);
    virtual bool CanRedo(long count) const;

    // Opens a compound action: what is recorded until the matching EndCompound becomes one
    // step. Nested openings only count.
    void BeginCompound(std::unique_ptr<CCompoundAction> compound);
    // Closes the innermost opening; the outermost one records the compound (when it holds any
    // action) as one step.
    void EndCompound();
    bool IsCompoundOpen() const { return m_pCompound != nullptr; }

    CUndoTarget* GetTarget() const { return m_pTarget; }
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
    // Takes the top undo action off without deleting it (the caller owns it from then on);
    // null when there is none.
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
    // Pushes a new step: the redo stack goes, the oldest falls off at capacity.
    void Push(std::unique_ptr<CQarnAction> action);
    // The top action takes a place in the new one when it lets itself be absorbed.
    bool MergeIntoTop(CQarnAction& newer);
    // The oldest undo actions are gone: the saved state moves down with them, or is lost.
    void ShiftSavedMark(long dropped);
    // Drops the saved mark when the state it names can no longer be reached.
    void ForgetUnreachableSavedMark();
    const ActionStack& Stack(int kind) const { return kind == 0 ? m_Undo : m_Redo; }

    CUndoTarget* m_pTarget;
    ActionStack m_Undo;
    ActionStack m_Redo;
    UMNotifyFn m_pNotify;
    long m_nSavedMark = 0;
    long m_nCapacity;
    std::unique_ptr<CCompoundAction> m_pCompound;
    int m_nCompoundDepth = 0;
};
