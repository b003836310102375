#pragma once
// Finds the action manager that keeps the stacks of one target (compared by identity).

#include "undo/action_manager.h"

class IsTargetPredicate {
public:
    explicit IsTargetPredicate(const CUndoTarget* target) : m_pTarget(target) {}
    bool operator()(const CActionManager* manager) const {
        return manager != nullptr && manager->GetTarget() == m_pTarget;
    }

private:
    const CUndoTarget* m_pTarget;
};
