#pragma once
// The components that move together in one step, asked about for every connection of every one
// of them ("does this connector move along?"). While a scope is open over a list, asking about
// that list is a hash lookup rather than a walk of it, so moving a large connected diagram takes
// time in proportion to its size, not to its square. The list must not change while its scope
// is open.

#include <QSet>

#include "core/component_list.h"

class CQarnComponent;

class CMovingComponents {
public:
    explicit CMovingComponents(const ComponentList& list);
    ~CMovingComponents();
    CMovingComponents(const CMovingComponents&) = delete;
    CMovingComponents& operator=(const CMovingComponents&) = delete;

    // Whether the component is in the list (none when the list is null).
    static bool Contains(const ComponentList* list, const CQarnComponent* component);

private:
    const ComponentList* m_pList;
    // Built when first asked: a move of shapes without connectors never asks.
    mutable QSet<const CQarnComponent*> m_Members;
    mutable bool m_bIndexed = false;
    CMovingComponents* m_pOuter;
};
