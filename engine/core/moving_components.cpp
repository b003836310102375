#include "core/moving_components.h"

namespace {

// Shorter lists are walked: a set would cost more to build than it saves.
constexpr qsizetype kLeastIndexed = 32;

thread_local CMovingComponents* innermost = nullptr;

}  // namespace

CMovingComponents::CMovingComponents(const ComponentList& list)
    : m_pList(&list), m_pOuter(innermost) {
    innermost = this;
}

CMovingComponents::~CMovingComponents() {
    innermost = m_pOuter;
}

bool CMovingComponents::Contains(const ComponentList* list, const CQarnComponent* component) {
    if (list == nullptr) {
        return false;
    }
    if (list->size() >= kLeastIndexed) {
        for (const CMovingComponents* scope = innermost; scope != nullptr;
             scope = scope->m_pOuter) {
            if (scope->m_pList != list) {
                continue;
            }
            if (!scope->m_bIndexed) {
                scope->m_Members.reserve(list->size());
                for (const CQarnComponent* c : *list) {
                    scope->m_Members.insert(c);
                }
                scope->m_bIndexed = true;
            }
            return scope->m_Members.contains(component);
        }
    }
    return list->contains(const_cast<CQarnComponent*>(component));
}
