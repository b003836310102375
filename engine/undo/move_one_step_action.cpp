#include "undo/move_one_step_action.h"

QARN_IMPLEMENT_DYNAMIC(CMoveOneStepAction, CStackOrderAction)

CMoveOneStepAction::CMoveOneStepAction(CActionSite site, unsigned int id, bool forward,
                                       CQarnComponent* component)
    : CStackOrderAction(site, id, component), m_bForward(forward) {}

int CMoveOneStepAction::TargetIndex(int index, int count) const {
    if (m_bForward) {
        return index + 1 < count ? index + 1 : index;
    }
    return index > 0 ? index - 1 : index;
}
