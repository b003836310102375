#pragma once
// Dragging a handle of a connector ("Resize", 8032): an end (which may attach to the shape
// the tool aims it at, or let go) or a middle leg. Do moves the handle to the point; the tool
// goes on with DragTo and finishes the action. Undo and redo restore the route, the handles and
// both connections.

#include "platform/point_f.h"
#include "undo/state_action.h"

class CQarnConnector;

class CSizeConnectorAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CSizeConnectorAction)

public:
    CSizeConnectorAction(CActionSite site, unsigned int id, int handle, PointF point,
                         CQarnConnector* connector);

    void DragTo(PointF point);
    // The handle being dragged (an end keeps being dragged when the route is laid out anew).
    int GetHandle() const { return m_nHandle; }

protected:
    void OnDo() override;

private:
    CQarnConnector* m_pConnector;
    int m_nHandle;
    PointF m_ptPoint;
};
