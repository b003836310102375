#include "undo/undo_manager.h"

#include <algorithm>

#include "undo/action_manager.h"
#include "undo/is_target_predicate.h"

CUndoManager* gUndoManager = nullptr;

CUndoManager::~CUndoManager() {
    Clear();
}

CActionManager* CUndoManager::Find(const void* target) const {
    const auto found =
        std::find_if(m_Managers.begin(), m_Managers.end(), IsTargetPredicate(target));
    return found != m_Managers.end() ? *found : nullptr;
}

void CUndoManager::RegisterTarget(void* target, long capacity, UMNotifyFn notify) {
    if (CActionManager* manager = Find(target)) {
        manager->SetNotifyFn(notify);
        manager->SetStackCapacity(capacity);
        return;
    }
    m_Managers.push_back(new CActionManager(target, notify, capacity));
}

void CUndoManager::RemoveTarget(void* target) {
    const auto found =
        std::find_if(m_Managers.begin(), m_Managers.end(), IsTargetPredicate(target));
    if (found == m_Managers.end()) {
        return;
    }
    CActionManager* manager = *found;
    m_Managers.erase(found);
    delete manager;
}

void CUndoManager::SetLastAction(void* target, CQarnAction* action) {
    if (CActionManager* manager = Find(target)) {
        manager->SetLastAction(action);
    }
}

void CUndoManager::Undo(void* target, long count) {
    if (CActionManager* manager = Find(target)) {
        manager->Undo(count);
    }
}

bool CUndoManager::CanUndo(void* target, long count) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr && manager->CanUndo(count);
}

void CUndoManager::Redo(void* target, long count) {
    if (CActionManager* manager = Find(target)) {
        manager->Redo(count);
    }
}

bool CUndoManager::CanRedo(void* target, long count) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr && manager->CanRedo(count);
}

bool CUndoManager::CanDo(void* target, int kind, long count) const {
    return kind != 0 ? CanRedo(target, count) : CanUndo(target, count);
}

QString CUndoManager::GetActionName(void* target, int kind, long index) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetActionName(kind, index) : QString();
}

long CUndoManager::GetStackSize(void* target, int kind) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetStackSize(kind) : 0;
}

long CUndoManager::GetStackCapacity(void* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetStackCapacity() : 0;
}

void CUndoManager::SetStackCapacity(void* target, long capacity) {
    if (CActionManager* manager = Find(target)) {
        manager->SetStackCapacity(capacity);
    }
}

UMNotifyFn CUndoManager::GetNotifyFn(void* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetNotifyFn() : nullptr;
}

void CUndoManager::SetNotifyFn(void* target, UMNotifyFn notify) {
    if (CActionManager* manager = Find(target)) {
        manager->SetNotifyFn(notify);
    }
}

void CUndoManager::TargetCleaned(void* target) {
    if (CActionManager* manager = Find(target)) {
        manager->TargetCleaned();
    }
}

void CUndoManager::ClearTarget(void* target) {
    if (CActionManager* manager = Find(target)) {
        manager->ClearTarget();
    }
}

CQarnAction* CUndoManager::RemoveLastAction(void* target) {
    CActionManager* manager = Find(target);
    return manager != nullptr ? manager->RemoveLastAction() : nullptr;
}

CQarnAction* CUndoManager::PeekLastAction(void* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->PeekLastAction() : nullptr;
}

void CUndoManager::Clear() {
    // Each manager leaves the list before it is deleted, so an action's destructor never finds
    // a half-dismantled list.
    while (!m_Managers.empty()) {
        CActionManager* manager = m_Managers.back();
        m_Managers.pop_back();
        delete manager;
    }
}
