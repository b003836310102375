#include "undo/size_dlg_action.h"

QARN_IMPLEMENT_DYNAMIC(CSizeDlgAction, CStateAction)

CSizeDlgAction::CSizeDlgAction(CActionSite site, unsigned int id, CQarnComponent* component)
    : CStateAction(site, id, ComponentList{component},
                   CComponentStates::Geometry | CComponentStates::Connections) {}

void CSizeDlgAction::OnDo() {
    CStateAction::OnDo();
    Finish();
}
