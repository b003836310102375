#include "undo/move_steps_action.h"

QARN_IMPLEMENT_DYNAMIC(CMoveStepsAction, CStackOrderAction)

CMoveStepsAction::CMoveStepsAction(CActionSite site, unsigned int id, bool toFront,
                                   CQarnComponent* follower, CQarnComponent* component)
    : CStackOrderAction(site, id, component), m_bToFront(toFront) {
    (void)follower;
}

int CMoveStepsAction::TargetIndex(int index, int count) const {
    (void)index;
    return m_bToFront ? count - 1 : 0;
}
