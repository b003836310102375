#include "undo/undo_manager.h"

#include <algorithm>

#include "undo/action_manager.h"
#include "undo/compound_action.h"
#include "undo/is_target_predicate.h"

CUndoManager* gUndoManager = nullptr;

CUndoManager::CUndoManager() = default;

CUndoManager::~CUndoManager() {
    Clear();
}

CActionManager* CUndoManager::Find(const CUndoTarget* target) const {
    const IsTargetPredicate isTarget(target);
    const auto found = std::find_if(m_Managers.begin(), m_Managers.end(),
                                    [&](const auto& manager) { return isTarget(manager.get()); });
    return found != m_Managers.end() ? found->get() : nullptr;
}

void CUndoManager::RegisterTarget(CUndoTarget* target, long capacity, UMNotifyFn notify) {
    if (CActionManager* manager = Find(target)) {
        manager->SetNotifyFn(notify);
        manager->SetStackCapacity(capacity);
        return;
    }
    m_Managers.push_back(std::make_unique<CActionManager>(target, notify, capacity));
}

void CUndoManager::RemoveTarget(CUndoTarget* target) {
    const IsTargetPredicate isTarget(target);
    const auto found = std::find_if(m_Managers.begin(), m_Managers.end(),
                                    [&](const auto& manager) { return isTarget(manager.get()); });
    if (found == m_Managers.end()) {
        return;
    }
    // The manager leaves the list before it is deleted, so an action's destructor never finds
    // it half dismantled.
    std::unique_ptr<CActionManager> manager = std::move(*found);
    m_Managers.erase(found);
}

bool CUndoManager::SetLastAction(CUndoTarget* target, CQarnAction* action) {
    CActionManager* manager = Find(target);
    if (manager == nullptr) {
        return false;
    }
    manager->SetLastAction(action);
    return true;
}

void CUndoManager::BeginCompound(CUndoTarget* target, std::unique_ptr<CCompoundAction> compound) {
    if (CActionManager* manager = Find(target)) {
        manager->BeginCompound(std::move(compound));
    }
}

void CUndoManager::EndCompound(CUndoTarget* target) {
    if (CActionManager* manager = Find(target)) {
        manager->EndCompound();
    }
}

void CUndoManager::FinishLastAction(CUndoTarget* target) {
    if (CActionManager* manager = Find(target)) {
        manager->FinishLastAction();
    }
}

void CUndoManager::Undo(CUndoTarget* target, long count) {
    if (CActionManager* manager = Find(target)) {
        manager->Undo(count);
    }
}

bool CUndoManager::CanUndo(CUndoTarget* target, long count) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr && manager->CanUndo(count);
}

void CUndoManager::Redo(CUndoTarget* target, long count) {
    if (CActionManager* manager = Find(target)) {
        manager->Redo(count);
    }
}

bool CUndoManager::CanRedo(CUndoTarget* target, long count) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr && manager->CanRedo(count);
}

bool CUndoManager::CanDo(CUndoTarget* target, int kind, long count) const {
    return kind != 0 ? CanRedo(target, count) : CanUndo(target, count);
}

QString CUndoManager::GetActionName(CUndoTarget* target, int kind, long index) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetActionName(kind, index) : QString();
}

long CUndoManager::GetStackSize(CUndoTarget* target, int kind) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetStackSize(kind) : 0;
}

long CUndoManager::GetStackCapacity(CUndoTarget* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetStackCapacity() : 0;
}

void CUndoManager::SetStackCapacity(CUndoTarget* target, long capacity) {
    if (CActionManager* manager = Find(target)) {
        manager->SetStackCapacity(capacity);
    }
}

UMNotifyFn CUndoManager::GetNotifyFn(CUndoTarget* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->GetNotifyFn() : nullptr;
}

void CUndoManager::SetNotifyFn(CUndoTarget* target, UMNotifyFn notify) {
    if (CActionManager* manager = Find(target)) {
        manager->SetNotifyFn(notify);
    }
}

void CUndoManager::TargetCleaned(CUndoTarget* target) {
    if (CActionManager* manager = Find(target)) {
        manager->TargetCleaned();
    }
}

void CUndoManager::ClearTarget(CUndoTarget* target) {
    if (CActionManager* manager = Find(target)) {
        manager->ClearTarget();
    }
}

CQarnAction* CUndoManager::RemoveLastAction(CUndoTarget* target) {
    CActionManager* manager = Find(target);
    return manager != nullptr ? manager->RemoveLastAction() : nullptr;
}

CQarnAction* CUndoManager::PeekLastAction(CUndoTarget* target) const {
    const CActionManager* manager = Find(target);
    return manager != nullptr ? manager->PeekLastAction() : nullptr;
}

void CUndoManager::Clear() {
    // Each manager leaves the list before it is deleted, so an action's destructor never finds
    // a half-dismantled list.
    while (!m_Managers.empty()) {
        std::unique_ptr<CActionManager> manager = std::move(m_Managers.back());
        m_Managers.pop_back();
    }
}
