#include "undo/line_size_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CLineSizeAction, CValueAction)

CLineSizeAction::CLineSizeAction(CActionSite site, unsigned int id, const ComponentList& selection,
                                 float width)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   QarnPropId::LineWidth),
      m_fWidth(width) {}

void CLineSizeAction::ApplyTo(CQarnComponent* component) {
    component->SetLineWidth(m_fWidth);
}
