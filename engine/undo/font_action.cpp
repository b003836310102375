#include "undo/font_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CFontAction, CValueAction)

namespace {

CCharFormat FormatOf(const CActionSite& site) {
    if (CQarnEditView* view = site.GetView()) {
        return view->GetCurrentCharFormat();
    }
    return CQarnEditView::DefaultCharFormat();
}

}  // namespace

CFontAction::CFontAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CValueAction(site, id, Qarn::ExpandComponents(selection), CComponentStates::Properties,
                   QarnPropId::FontName),
      m_Format(FormatOf(site)) {}

void CFontAction::ApplyTo(CQarnComponent* component) {
    component->SetCharFormat(m_Format, GetView());
}
