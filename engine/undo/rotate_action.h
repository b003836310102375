#pragma once
// Rotating the selection ("rotate", 8019): what cannot rotate is left out, so undo never
// touches it. The rotate tool turns the components after Do; the rotate commands use RotateBy.

#include "undo/position_action.h"

class CRotateAction : public CPositionAction {
    QARN_DECLARE_DYNAMIC(CRotateAction)

public:
    CRotateAction(CActionSite site, unsigned int id, const ComponentList& selection);

    // Turns each selected component about its rotate centre (a group with its members); the
    // connectors resting on them follow.
    void RotateBy(float degrees);
};
