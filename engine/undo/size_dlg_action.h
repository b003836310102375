#pragma once
// The size dialog (8041): the action keeps the component's frame, rotation and style and is
// finished at once; the caller then applies the dialog's values. Undo and redo exchange the
// kept geometry with the component's (the connectors resting on it with it).

#include "undo/state_action.h"

class CSizeDlgAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CSizeDlgAction)

public:
    CSizeDlgAction(CActionSite site, unsigned int id, CQarnComponent* component);

protected:
    void OnDo() override;
};
