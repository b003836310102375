#include "undo/rotate_action.h"

#include "core/component.h"
#include "core/moving_components.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CRotateAction, CPositionAction)

CRotateAction::CRotateAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CPositionAction(site, id, selection) {}

void CRotateAction::RotateBy(float degrees) {
    QList<float> angles;
    for (CQarnComponent* c : m_Components) {
        angles.append(c->GetRotateAngle());
    }
    for (CQarnComponent* c : m_TopLevel) {
        c->RotateAt(degrees, c->GetRotateCenter(), 1);
        c->Invalidate(nullptr, false);
    }
    // Every component that turned (members of turned groups too) takes its connectors along.
    const CMovingComponents turning(m_Components);
    for (int i = 0; i < m_Components.size(); ++i) {
        m_Components[i]->OnRotated(angles[i], &m_Components, 3);
    }
}
