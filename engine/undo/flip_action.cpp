#include "undo/flip_action.h"

#include "core/component.h"
#include "core/moving_components.h"

QARN_IMPLEMENT_DYNAMIC(CFlipAction, CPositionAction)

CFlipAction::CFlipAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CPositionAction(site, id, selection) {}

void CFlipAction::FlipAll(BYTE mode) {
    QList<DWORD> styles;
    for (CQarnComponent* c : m_Components) {
        styles.append(c->GetStyle());
    }
    for (CQarnComponent* c : m_TopLevel) {
        c->Flip(mode, c->GetCenterPointF(), 0);
        c->Invalidate(nullptr, false);
    }
    const CMovingComponents flipping(m_Components);
    for (int i = 0; i < m_Components.size(); ++i) {
        m_Components[i]->OnFlipped(styles[i], &m_Components, 4);
    }
}
