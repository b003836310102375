#pragma once
// Editing several components at once in the multi-object property dialog ("Change properties
// of multiple objects", 8053): per component its drawing data, kept before the dialog's
// values are applied. Undo and redo exchange it with the present.

#include "undo/state_action.h"

class CEditMultiAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CEditMultiAction)

public:
    CEditMultiAction(CActionSite site, unsigned int id, const ComponentList& selection);
};
