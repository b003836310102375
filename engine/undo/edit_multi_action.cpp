#include "undo/edit_multi_action.h"

#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CEditMultiAction, CStateAction)

CEditMultiAction::CEditMultiAction(CActionSite site, unsigned int id,
                                   const ComponentList& selection)
    : CStateAction(site, id, Qarn::ExpandComponents(selection),
                   CComponentStates::Geometry | CComponentStates::Connections |
                       CComponentStates::Properties) {}
