#include "undo/arrow_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CArrowAction, CValueAction)

CArrowAction::CArrowAction(CActionSite site, unsigned int id, const ComponentList& selection,
                           ArrowType arrow)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   id == QarnActionId::LeftArrow ? QarnPropId::StartArrow : QarnPropId::EndArrow),
      m_nArrow(arrow) {}

void CArrowAction::ApplyTo(CQarnComponent* component) {
    if (GetID() == QarnActionId::LeftArrow) {
        component->SetStartArrow(m_nArrow);
    } else if (GetID() == QarnActionId::RightArrow) {
        component->SetEndArrow(m_nArrow);
    }
}
