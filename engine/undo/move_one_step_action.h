#pragma once
// "Bring Forward" and "Bring Backward": one place toward the end of the layer (drawn later,
// so nearer the front) or toward its start. At either end nothing moves, but the action is
// still recorded (the view's commands do not make one there).

#include "undo/stack_order_action.h"

class CMoveOneStepAction : public CStackOrderAction {
    QARN_DECLARE_DYNAMIC(CMoveOneStepAction)

public:
    CMoveOneStepAction(CActionSite site, unsigned int id, bool forward, CQarnComponent* component);

protected:
    int TargetIndex(int index, int count) const override;

private:
    bool m_bForward;
};
