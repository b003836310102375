// Telling the connector ends that rest on a component that it moved, turned or flipped.
#include "core/component.h"
#include "core/connection_link.h"
#include "core/moving_components.h"

void CQarnComponent::NotifyConnections(int change, const RectF& oldRect, const float& oldAngle,
                                       const DWORD& oldStyle, ComponentList* moving) {
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    // Letting go removes connections from the list: walk a copy.
    const ConnectionList connections = m_Connections;
    for (CQarnConnection* connection : connections) {
        CQarnComponent* connector = link->GetConnector(connection);
        if (connector != nullptr && CMovingComponents::Contains(moving, connector)) {
            continue;  // it moves along
        }
        if (connector != nullptr && connector->GetParentGroup() != nullptr) {
            link->KillConnection(connection, this);
            continue;
        }
        link->FollowComponent(connection, change, oldRect, oldAngle, oldStyle);
    }
}

void CQarnComponent::OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change) {
    NotifyConnections(change, oldRect, m_fRotateAngle, m_dwStyle, moving);
}

void CQarnComponent::OnRotated(const float& oldAngle, ComponentList* moving, int change) {
    NotifyConnections(change, m_rect, oldAngle, m_dwStyle, moving);
}

void CQarnComponent::OnFlipped(const DWORD& oldStyle, ComponentList* moving, int change) {
    NotifyConnections(change, m_rect, m_fRotateAngle, oldStyle, moving);
}
