#pragma once
// Moving the selection: by a mouse drag ("Move", 8033) or by the arrow keys ("Move a object by
// arrows", 8058). The tool or command moves the components after Do (MoveBy does it for the
// arrow keys) and finishes the action. Consecutive arrow-key moves of the same components make
// one undo step, unless the document was saved between them; an arrow-key move still being
// built is finished by the next action rather than blocking it.

#include "undo/position_action.h"

class CMoveAction : public CPositionAction {
    QARN_DECLARE_DYNAMIC(CMoveAction)

public:
    CMoveAction(CActionSite site, unsigned int id, const ComponentList& selection);

    // Moves the selected components (groups with their members) by the offset; the connectors
    // resting on them follow.
    void MoveBy(float dx, float dy);

    bool CanAbort() const override;
    bool AbsorbPrevious(CQarnAction& older) override;
};
