#pragma once
// Changing the style flags of the selected components (8031, not expanded): the action keeps
// their style words and is finished at once; the command then changes the flags. Undo and
// redo exchange the kept words with the present ones.

#include "undo/state_action.h"

class CStyleAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CStyleAction)

public:
    CStyleAction(CActionSite site, unsigned int id, const ComponentList& selection);

protected:
    void OnDo() override;
};
