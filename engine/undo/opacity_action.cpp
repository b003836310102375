#include "undo/opacity_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "platform/variant.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(COpacityAction, CValueAction)

namespace {

// The attribute each identifier sets; 0 for an identifier of no channel.
UINT AlphaProperty(unsigned int id) {
    switch (id) {
        case QarnActionId::LineAlpha:
            return QarnPropId::LineAlpha;
        case QarnActionId::FillAlpha:
            return QarnPropId::FillAlpha;
        case QarnActionId::ShadowAlpha:
            return QarnPropId::ShadowAlpha;
        case QarnActionId::TextAlpha:
            return QarnPropId::TextAlpha;
        default:
            return 0;
    }
}

}  // namespace

COpacityAction::COpacityAction(CActionSite site, unsigned int id, const ComponentList& selection,
                               BYTE alpha)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   AlphaProperty(id)),
      m_nAlpha(alpha) {}

void COpacityAction::ApplyTo(CQarnComponent* component) {
    if (const UINT property = AlphaProperty(GetID())) {
        component->SetPropValue(CVariant(m_nAlpha), property);
    }
}
