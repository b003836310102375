#include "undo/size_action.h"

#include "core/component.h"

QARN_IMPLEMENT_DYNAMIC(CSizeAction, CPositionAction)

CSizeAction::CSizeAction(CActionSite site, unsigned int id, int handle, PointF point,
                         CQarnComponent* component)
    : CPositionAction(site, id, ComponentList{component}), m_nHandle(handle), m_ptStart(point) {}

void CSizeAction::SizeTo(PointF point, MoveFlags flags) {
    for (CQarnComponent* c : m_TopLevel) {
        const RectF before = c->GetRectF();
        if (c->MoveHandleTo(m_nHandle, point, flags) != 0) {
            NotifyMoved({c}, {before}, 2);
        }
    }
}
