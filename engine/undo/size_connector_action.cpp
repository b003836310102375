#include "undo/size_connector_action.h"

#include "connectors/connector.h"

QARN_IMPLEMENT_DYNAMIC(CSizeConnectorAction, CStateAction)

CSizeConnectorAction::CSizeConnectorAction(CActionSite site, unsigned int id, int handle,
                                           PointF point, CQarnConnector* connector)
    : CStateAction(site, id, ComponentList{connector},
                   CComponentStates::Geometry | CComponentStates::Connections),
      m_pConnector(connector),
      m_nHandle(handle),
      m_ptPoint(point) {}

void CSizeConnectorAction::OnDo() {
    CStateAction::OnDo();
    if (IsSuccess()) {
        DragTo(m_ptPoint);
    }
}

void CSizeConnectorAction::DragTo(PointF point) {
    if (m_Components.isEmpty()) {
        return;
    }
    const RectF before = m_pConnector->GetRectF();
    m_pConnector->MoveHandleTo(m_nHandle, point, MoveFlags::Invalidate);
    // Laying the route out again renumbers the handles: the end stays the one dragged.
    if (m_pConnector->GetDraggedHandle() > 0) {
        m_nHandle = m_pConnector->GetDraggedHandle();
    }
    // Connectors resting on this one follow.
    m_pConnector->OnPositionChanged(before, &m_Components, 1);
}
