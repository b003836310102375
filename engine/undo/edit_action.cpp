#include "undo/edit_action.h"

QARN_IMPLEMENT_DYNAMIC(CEditAction, CStateAction)

CEditAction::CEditAction(CActionSite site, unsigned int id, CQarnComponent* component)
    : CStateAction(site, id, ComponentList{component},
                   CComponentStates::Geometry | CComponentStates::Connections |
                       CComponentStates::Properties) {}
