#pragma once
// Editing one component in its property dialog ("Editing", 8040): the action keeps all of its
// drawing data (geometry, properties and the connectors resting on it) before the dialog;
// the dialog's changes follow, and the view finishes the action (or takes it back when the
// dialog is cancelled). Undo and redo exchange the kept data with the present.

#include "undo/state_action.h"

class CEditAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CEditAction)

public:
    CEditAction(CActionSite site, unsigned int id, CQarnComponent* component);
};
