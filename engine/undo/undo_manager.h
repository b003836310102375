#pragma once
// The process-wide keeper of undo and redo stacks, one pair per registered target (in
// practice each open document). Operations on a target that is not registered do nothing and
// answer "nothing there"; an action given for such a target stays with whoever made it.

#include <QString>
#include <memory>
#include <vector>

#include "undo/undo_notification.h"

class CActionManager;
class CCompoundAction;
class CQarnAction;
class CUndoTarget;

class CUndoManager {
public:
    enum StackKind { UndoStack = 0, RedoStack = 1 };

    CUndoManager();
    CUndoManager(const CUndoManager&) = delete;
    CUndoManager& operator=(const CUndoManager&) = delete;
    virtual ~CUndoManager();

    // A known target keeps its actions and takes the new function and capacity.
    virtual void RegisterTarget(CUndoTarget* target, long capacity, UMNotifyFn notify);
    // Forgets the target and deletes all its actions.
    virtual void RemoveTarget(CUndoTarget* target);
    // The target's manager takes the action over (see CActionManager::SetLastAction); false,
    // and the caller keeps the action, when the target is not registered. A null action
    // finishes the pending one.
    virtual bool SetLastAction(CUndoTarget* target, CQarnAction* action);
    virtual void Undo(CUndoTarget* target, long count);
    virtual bool CanUndo(CUndoTarget* target, long count) const;
    virtual void Redo(CUndoTarget* target, long count);
    virtual bool CanRedo(CUndoTarget* target, long count) const;
    // Finishes the target's newest action if it is still being built.
    void FinishLastAction(CUndoTarget* target);

    // Redo for a non-zero kind, undo otherwise.
    bool CanDo(CUndoTarget* target, int kind, long count) const;
    QString GetActionName(CUndoTarget* target, int kind, long index) const;
    long GetStackSize(CUndoTarget* target, int kind) const;
    long GetStackCapacity(CUndoTarget* target) const;
    void SetStackCapacity(CUndoTarget* target, long capacity);
    UMNotifyFn GetNotifyFn(CUndoTarget* target) const;
    void SetNotifyFn(CUndoTarget* target, UMNotifyFn notify);
    void TargetCleaned(CUndoTarget* target);
    void ClearTarget(CUndoTarget* target);
    CQarnAction* RemoveLastAction(CUndoTarget* target);
    CQarnAction* PeekLastAction(CUndoTarget* target) const;
    bool IsRegistered(const CUndoTarget* target) const { return Find(target) != nullptr; }
    // One undo step of everything recorded between the two calls (see CUndoMacroGuard).
    void BeginCompound(CUndoTarget* target, std::unique_ptr<CCompoundAction> compound);
    void EndCompound(CUndoTarget* target);

    // Deletes every action manager and so every action.
    void Clear();

protected:
    CActionManager* Find(const CUndoTarget* target) const;

    std::vector<std::unique_ptr<CActionManager>> m_Managers;
};

// The manager every document and view uses; made when the library starts.
extern CUndoManager* gUndoManager;
