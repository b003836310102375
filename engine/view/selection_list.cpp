#include "view/selection_list.h"

#include "connectors/connector.h"
#include "connectors/m_connector.h"
#include "core/component.h"

bool CQarnSelectionList::IsConnector(const CQarnComponent* component) {
    return dynamic_cast<const CQarnConnector*>(component) != nullptr ||
           dynamic_cast<const CQarnMConnector*>(component) != nullptr;
}

bool CQarnSelectionList::Contains(const CQarnComponent* component) const {
    return component != nullptr && m_Members.contains(component);
}

void CQarnSelectionList::Append(CQarnComponent* component) {
    if (component != nullptr && !Contains(component)) {
        m_List.append(component);
        m_Members.insert(component);
    }
}

bool CQarnSelectionList::Remove(const CQarnComponent* component) {
    if (!m_Members.remove(component)) {
        return false;
    }
    m_List.removeAll(const_cast<CQarnComponent*>(component));
    return true;
}

CQarnComponent* CQarnSelectionList::GetPrimary() const {
    for (auto it = m_List.crbegin(); it != m_List.crend(); ++it) {
        if (!IsConnector(*it)) {
            return *it;
        }
    }
    return nullptr;
}

int CQarnSelectionList::IsSelected(const CObject* object) const {
    const auto* component = dynamic_cast<const CQarnComponent*>(object);
    if (component == nullptr || !Contains(component)) {
        return 0;
    }
    return component == GetPrimary() ? 2 : 1;
}
