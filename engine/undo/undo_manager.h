#pragma once
// The process-wide keeper of undo and redo stacks, one pair per registered target (in
// practice each open document). Operations on a target that is not registered do nothing and
// answer "nothing there".

#include <QString>
#include <vector>

#include "undo/undo_notification.h"

class CActionManager;
class CQarnAction;

class CUndoManager {
public:
    enum StackKind { UndoStack = 0, RedoStack = 1 };

    CUndoManager() = default;
    CUndoManager(const CUndoManager&) = delete;
    CUndoManager& operator=(const CUndoManager&) = delete;
    virtual ~CUndoManager();

    // A known target keeps its actions and takes the new function and capacity.
    virtual void RegisterTarget(void* target, long capacity, UMNotifyFn notify);
    // Forgets the target and deletes all its actions.
    virtual void RemoveTarget(void* target);
    virtual void SetLastAction(void* target, CQarnAction* action);
    virtual void Undo(void* target, long count);
    virtual bool CanUndo(void* target, long count) const;
    virtual void Redo(void* target, long count);
    virtual bool CanRedo(void* target, long count) const;

    // Redo for a non-zero kind, undo otherwise.
    bool CanDo(void* target, int kind, long count) const;
    QString GetActionName(void* target, int kind, long index) const;
    long GetStackSize(void* target, int kind) const;
    long GetStackCapacity(void* target) const;
    void SetStackCapacity(void* target, long capacity);
    UMNotifyFn GetNotifyFn(void* target) const;
    void SetNotifyFn(void* target, UMNotifyFn notify);
    void TargetCleaned(void* target);
    void ClearTarget(void* target);
    CQarnAction* RemoveLastAction(void* target);
    CQarnAction* PeekLastAction(void* target) const;
    bool IsRegistered(const void* target) const { return Find(target) != nullptr; }

    // Deletes every action manager and so every action.
    void Clear();

protected:
    CActionManager* Find(const void* target) const;

    std::vector<CActionManager*> m_Managers;
};

// The manager every document and view uses; made when the library starts.
extern CUndoManager* gUndoManager;
