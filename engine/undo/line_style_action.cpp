#include "undo/line_style_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CLineStyleAction, CValueAction)

CLineStyleAction::CLineStyleAction(CActionSite site, unsigned int id,
                                   const ComponentList& selection, unsigned short dashStyle)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   QarnPropId::DashStyle),
      m_nDashStyle(dashStyle) {}

void CLineStyleAction::ApplyTo(CQarnComponent* component) {
    component->SetDashStyle(m_nDashStyle);
}
