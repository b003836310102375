#pragma once
// What a component asks of the connector ends resting on it. The component keeps its
// connections as opaque pointers; the connectors install the implementation that knows
// them as the default when the library is loaded. Without it the default finds no connector
// and does nothing.

#include "platform/rect_f.h"
#include "platform/win_types.h"

class CQarnComponent;
class CQarnConnection;

class CQarnConnectionLink {
public:
    virtual ~CQarnConnectionLink() = default;

    // The connector whose end the connection is.
    virtual CQarnComponent* GetConnector(CQarnConnection* connection) const;
    // Disconnects that end of its connector from the component and deletes the connection.
    virtual void KillConnection(CQarnConnection* connection, CQarnComponent* component);
    // Moves the connector end after the component changed (change code of the notification,
    // with the old rectangle, angle and style).
    virtual void FollowComponent(CQarnConnection* connection, int change, const RectF& oldRect,
                                 const float& oldAngle, const DWORD& oldStyle);
    // The component leaves the document: the connector drops the connection.
    virtual void DropConnection(CQarnConnection* connection, CQarnComponent* component);
    // The connector remembers where it is before an edit.
    virtual void RecordPosition(CQarnConnection* connection);
    // The number of the anchor (or poly point) the connection rests on; 0 when unknown.
    virtual int GetAnchorIndex(CQarnConnection* connection) const;
    // Moves the connection to another anchor number of the same component.
    virtual void SetAnchorIndex(CQarnConnection* connection, int anchor);

    // The link in force; never null.
    static CQarnConnectionLink* Get();
    // Installs a link (not owned); null restores the default.
    static void Set(CQarnConnectionLink* link);
    // Replaces the do-nothing default by the link that knows the connectors (not owned). The
    // connectors install theirs when the library is loaded.
    static void SetDefault(CQarnConnectionLink* link);
};
