#pragma once
// Sizing one component by a handle ("Resize", 8032): the tool drags the handle (SizeTo) and
// finishes the action. A group is sized with its members.

#include "core/move_flags.h"
#include "platform/point_f.h"
#include "undo/position_action.h"

class CSizeAction : public CPositionAction {
    QARN_DECLARE_DYNAMIC(CSizeAction)

public:
    CSizeAction(CActionSite site, unsigned int id, int handle, PointF point,
                CQarnComponent* component);

    // Drags the handle to the point; the connectors resting on the component follow.
    void SizeTo(PointF point, MoveFlags flags = MoveFlags::Invalidate);
    int GetHandle() const { return m_nHandle; }
    PointF GetStartPoint() const { return m_ptStart; }

private:
    int m_nHandle;
    PointF m_ptStart;
};
