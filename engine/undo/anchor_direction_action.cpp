#include "undo/anchor_direction_action.h"

#include "connectors/anchor_point.h"

QARN_IMPLEMENT_DYNAMIC(CAnchorDirectionAction, CStateAction)

CAnchorDirectionAction::CAnchorDirectionAction(CActionSite site, unsigned int id,
                                               CQarnAnchorPoint* anchor, BYTE direction)
    : CStateAction(site, id, anchor != nullptr ? ComponentList{anchor} : ComponentList(),
                   CComponentStates::Geometry),
      m_pAnchor(m_Components.isEmpty() ? nullptr : anchor),
      m_nDirection(direction) {}

void CAnchorDirectionAction::OnDo() {
    CStateAction::OnDo();
    if (!IsSuccess()) {
        return;
    }
    if (m_pAnchor->GetDirection() == m_nDirection) {
        SetSuccess(false);
        return;
    }
    Exchange();
}

void CAnchorDirectionAction::Exchange() {
    const BYTE present = m_pAnchor->GetDirection();
    m_pAnchor->SetDirection(m_nDirection);
    m_nDirection = present;
    m_pAnchor->Invalidate(nullptr, false);
}
