#pragma once
// What a component asks of the connector ends resting on it, answered by the connectors.
// Installed as the library's default connection link when the library is loaded.

#include "core/connection_link.h"

class CQarnConnectorLink : public CQarnConnectionLink {
public:
    CQarnComponent* GetConnector(CQarnConnection* connection) const override;
    void KillConnection(CQarnConnection* connection, CQarnComponent* component) override;
    void FollowComponent(CQarnConnection* connection, int change, const RectF& oldRect,
                         const float& oldAngle, const DWORD& oldStyle) override;
    void DropConnection(CQarnConnection* connection, CQarnComponent* component) override;
    void RecordPosition(CQarnConnection* connection) override;
    int GetAnchorIndex(CQarnConnection* connection) const override;
    void SetAnchorIndex(CQarnConnection* connection, int anchor) override;
};
