#include "connectors/connector_link.h"

#include "connectors/connection.h"
#include "connectors/connector.h"

namespace {

// The connectors answer for every component from the moment the library is loaded, as the
// runtime classes register themselves.
struct Installer {
    CQarnConnectorLink link;
    Installer() { CQarnConnectionLink::SetDefault(&link); }
    ~Installer() { CQarnConnectionLink::SetDefault(nullptr); }
};

const Installer installer;

}  // namespace

CQarnComponent* CQarnConnectorLink::GetConnector(CQarnConnection* connection) const {
    return connection != nullptr ? connection->GetConnector() : nullptr;
}

void CQarnConnectorLink::KillConnection(CQarnConnection* connection, CQarnComponent* component) {
    if (connection == nullptr) {
        return;
    }
    // The end is found by the connection itself, not by its start flag.
    if (CQarnConnector* connector = connection->GetConnector()) {
        if (connector->GetLeftConnection() == connection) {
            connector->KillConnection(component, 1);
        } else if (connector->GetRightConnection() == connection) {
            connector->KillConnection(component, 0);
        }
    }
}

void CQarnConnectorLink::FollowComponent(CQarnConnection* connection, int change,
                                         const RectF& oldRect, const float& oldAngle,
                                         const DWORD& oldStyle) {
    if (connection != nullptr) {
        connection->OnChangeComponent(change, oldRect, oldAngle, oldStyle);
    }
}

void CQarnConnectorLink::DropConnection(CQarnConnection* connection, CQarnComponent* component) {
    KillConnection(connection, component);
}

void CQarnConnectorLink::RecordPosition(CQarnConnection* connection) {
    if (connection != nullptr && connection->GetConnector() != nullptr) {
        connection->GetConnector()->RecordlastPosition();
    }
}

int CQarnConnectorLink::GetAnchorIndex(CQarnConnection* connection) const {
    return connection != nullptr ? connection->GetAnchor() : 0;
}

void CQarnConnectorLink::SetAnchorIndex(CQarnConnection* connection, int anchor) {
    if (connection != nullptr) {
        connection->SetAnchor(anchor);
    }
}
