#include "undo/action_manager.h"

#include <algorithm>

#include "core/notification_messages.h"
#include "undo/action.h"
#include "undo/compound_action.h"
#include "undo/undo_manager.h"

CActionManager::CActionManager(CUndoTarget* target, UMNotifyFn notify, long capacity)
    : m_pTarget(target), m_pNotify(notify), m_nCapacity(std::max(capacity, 1L)) {}

CActionManager::~CActionManager() {
    m_pCompound.reset();
    ClearTarget();
}

void CActionManager::FinishTop() {
    if (!m_Undo.empty() && !m_Undo.back()->IsFinished()) {
        m_Undo.back()->Finish();
    }
}

void CActionManager::ShiftSavedMark(long dropped) {
    if (m_nSavedMark < 0 || dropped <= 0) {
        return;
    }
    m_nSavedMark = m_nSavedMark >= dropped ? m_nSavedMark - dropped : -1;
}

void CActionManager::ForgetUnreachableSavedMark() {
    if (m_nSavedMark > long(m_Undo.size() + m_Redo.size())) {
        m_nSavedMark = -1;
    }
}

bool CActionManager::MergeIntoTop(CQarnAction& newer) {
    // A saved state between the two stays reachable: they are not merged.
    if (m_Undo.empty() || !m_Redo.empty() || m_nSavedMark == long(m_Undo.size())) {
        return false;
    }
    CQarnAction& older = *m_Undo.back();
    if (older.GetID() != newer.GetID() || !newer.AbsorbPrevious(older)) {
        return false;
    }
    m_Undo.pop_back();
    return true;
}

void CActionManager::FinishLastAction() {
    if (m_pCompound != nullptr) {
        if (CQarnAction* last = m_pCompound->GetLastPart();
            last != nullptr && !last->IsFinished()) {
            last->Finish();
        }
        return;
    }
    FinishTop();
}

void CActionManager::Push(std::unique_ptr<CQarnAction> action) {
    DeleteActions(m_Redo, long(m_Redo.size()));
    // A saved state that lay ahead on the redo stack is gone with it.
    ForgetUnreachableSavedMark();
    // With the stack at capacity the oldest action falls off the front; the saved state at
    // depth 0 can then no longer be reached.
    long dropped = 0;
    while (!m_Undo.empty() && long(m_Undo.size()) >= m_nCapacity) {
        m_Undo.pop_front();
        ++dropped;
    }
    ShiftSavedMark(dropped);
    m_Undo.push_back(std::move(action));
}

void CActionManager::SetLastAction(CQarnAction* action) {
    std::unique_ptr<CQarnAction> owned(action);
    if (m_pCompound != nullptr) {
        m_pCompound->Append(std::move(owned));
        return;
    }
    FinishTop();
    if (owned != nullptr) {
        MergeIntoTop(*owned);
        Push(std::move(owned));
    }
    NotifyTarget(UM_Do, 1);
}

void CActionManager::BeginCompound(std::unique_ptr<CCompoundAction> compound) {
    ++m_nCompoundDepth;
    if (m_pCompound == nullptr) {
        FinishTop();
        m_pCompound = std::move(compound);
    }
}

void CActionManager::EndCompound() {
    if (m_nCompoundDepth == 0 || --m_nCompoundDepth > 0) {
        return;
    }
    std::unique_ptr<CCompoundAction> compound = std::move(m_pCompound);
    if (compound == nullptr || compound->GetPartCount() == 0) {
        return;
    }
    compound->Do();
    compound->Finish();
    Push(std::move(compound));
    NotifyTarget(UM_Do, 1);
}

void CActionManager::Undo(long count) {
    if (m_pCompound != nullptr) {
        return;
    }
    long moved = 0;
    for (; moved < count && !m_Undo.empty(); ++moved) {
        std::unique_ptr<CQarnAction> action = std::move(m_Undo.back());
        m_Undo.pop_back();
        if (!action->IsFinished()) {
            action->Finish();
        }
        action->Undo();
        m_Redo.push_back(std::move(action));
    }
    NotifyTarget(UM_Undo, moved);
}

bool CActionManager::CanUndo(long count) const {
    return m_pCompound == nullptr && long(m_Undo.size()) >= count;
}

void CActionManager::Redo(long count) {
    if (m_pCompound != nullptr) {
        return;
    }
    long moved = 0;
    for (; moved < count && !m_Redo.empty(); ++moved) {
        std::unique_ptr<CQarnAction> action = std::move(m_Redo.back());
        m_Redo.pop_back();
        action->Redo();
        m_Undo.push_back(std::move(action));
    }
    NotifyTarget(UM_Redo, moved);
}

bool CActionManager::CanRedo(long count) const {
    return m_pCompound == nullptr && long(m_Redo.size()) >= count;
}

void CActionManager::NotifyTarget(unsigned int code, long count) {
    if (m_pNotify == nullptr) {
        return;
    }
    UMNotificationData data{gUndoManager, code, count, m_nSavedMark != long(m_Undo.size())};
    m_pNotify(m_pTarget, data);
}

void CActionManager::DeleteActions(ActionStack& stack, long count) {
    for (long i = 0; i < count && !stack.empty(); ++i) {
        stack.pop_front();
    }
}

void CActionManager::SetStackCapacity(long capacity) {
    capacity = std::max(capacity, 1L);
    const long excessUndo = long(m_Undo.size()) - capacity;
    if (excessUndo > 0) {
        DeleteActions(m_Undo, excessUndo);
        ShiftSavedMark(excessUndo);
    }
    const long excessRedo = long(m_Redo.size()) - capacity;
    if (excessRedo > 0) {
        // The front of the redo stack is the action furthest ahead.
        DeleteActions(m_Redo, excessRedo);
    }
    m_nCapacity = capacity;
    ForgetUnreachableSavedMark();
}

long CActionManager::GetStackSize(int kind) const {
    return long(Stack(kind).size());
}

QString CActionManager::GetActionName(int kind, long index) const {
    const ActionStack& stack = Stack(kind);
    if (index < 0 || index >= long(stack.size())) {
        return QString();
    }
    return stack[stack.size() - 1 - size_t(index)]->GetName();
}

void CActionManager::TargetCleaned() {
    FinishTop();
    m_nSavedMark = long(m_Undo.size());
}

void CActionManager::ClearTarget() {
    // The present state stays the saved one only if it was the saved one.
    const bool wasSaved = m_nSavedMark == long(m_Undo.size());
    // Newer actions may refer to what older ones hold: each stack goes newest first.
    while (!m_Redo.empty()) {
        m_Redo.pop_front();
    }
    while (!m_Undo.empty()) {
        m_Undo.pop_back();
    }
    m_nSavedMark = wasSaved ? 0 : -1;
}

CQarnAction* CActionManager::RemoveLastAction() {
    if (m_Undo.empty()) {
        return nullptr;
    }
    CQarnAction* action = m_Undo.back().release();
    m_Undo.pop_back();
    return action;
}

CQarnAction* CActionManager::PeekLastAction() const {
    return m_Undo.empty() ? nullptr : m_Undo.back().get();
}
