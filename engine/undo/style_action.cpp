#include "undo/style_action.h"

QARN_IMPLEMENT_DYNAMIC(CStyleAction, CStateAction)

CStyleAction::CStyleAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CStateAction(site, id, selection, CComponentStates::Geometry) {}

void CStyleAction::OnDo() {
    CStateAction::OnDo();
    Finish();
}
