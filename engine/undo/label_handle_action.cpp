#include "undo/label_handle_action.h"

#include "core/component.h"

QARN_IMPLEMENT_DYNAMIC(CLabelHandleAction, CStateAction)

CLabelHandleAction::CLabelHandleAction(CActionSite site, unsigned int id, int handle,
                                       CQarnComponent* component)
    : CStateAction(site, id, ComponentList{component}, CComponentStates::Properties),
      m_nHandle(handle) {
    if (!m_Components.isEmpty()) {
        m_Components.first()->RecordlastPosition();
    }
}

void CLabelHandleAction::DragTo(PointF point) {
    if (!m_Components.isEmpty()) {
        m_Components.first()->MoveLabelHandleTo(m_nHandle, point, MoveFlags::Invalidate);
    }
}

void CLabelHandleAction::OnFinish() {
    RepaintComponents();
}
