#include "undo/color_action.h"

#include "core/component.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CColorAction, CValueAction)

namespace {

// The line colour is the pen group of attributes (203); fill and text colours refresh as 302.
unsigned int ChangeCode(unsigned int id) {
    return id == QarnActionId::LineColor ? 203u : 302u;
}

}  // namespace

CColorAction::CColorAction(CActionSite site, unsigned int id, const ComponentList& selection,
                           DWORD argb)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   ChangeCode(id)),
      m_dwColor(argb) {}

void CColorAction::ApplyTo(CQarnComponent* component) {
    const Color color(m_dwColor);
    switch (GetID()) {
        case QarnActionId::LineColor:
            component->SetLineColor(color);
            break;
        case QarnActionId::FillColor:
            component->SetFillColor(color);
            break;
        case QarnActionId::TextColor:
            component->SetTextColor(color);
            break;
        default:
            break;
    }
}
