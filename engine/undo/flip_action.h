#pragma once
// Flipping the selection horizontally or vertically ("flip horizontally or vertically",
// 8020): what cannot flip is left out, so undo never touches it.

#include "undo/position_action.h"

class CFlipAction : public CPositionAction {
    QARN_DECLARE_DYNAMIC(CFlipAction)

public:
    CFlipAction(CActionSite site, unsigned int id, const ComponentList& selection);

    // Mirrors each selected component about its centre: 0x10 horizontally, 0x20 vertically;
    // the connectors resting on them follow.
    void FlipAll(BYTE mode);
};
