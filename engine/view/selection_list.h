#pragma once
// The components selected in a view, in the order they were selected. The primary selection
// is the most recently selected component that is not a connector: connectors selected after
// it do not take its place.

#include <QSet>

#include "core/component_list.h"

class CObject;
class CQarnComponent;

class CQarnSelectionList {
public:
    const ComponentList& GetList() const { return m_List; }
    bool IsEmpty() const { return m_List.isEmpty(); }
    int Count() const { return int(m_List.size()); }
    bool Contains(const CQarnComponent* component) const;
    void Append(CQarnComponent* component);
    // False when it was not selected.
    bool Remove(const CQarnComponent* component);
    void Clear() {
        m_List.clear();
        m_Members.clear();
    }

    // 0 not selected, 1 selected, 2 the primary selection (a connector is never primary).
    int IsSelected(const CObject* object) const;
    // The primary selection, null when only connectors (or nothing) are selected.
    CQarnComponent* GetPrimary() const;

    static bool IsConnector(const CQarnComponent* component);

private:
    ComponentList m_List;
    // The same components, for asking quickly whether one is selected.
    QSet<const CQarnComponent*> m_Members;
};
