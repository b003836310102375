#pragma once
// "Bring to Front" and "Bring to Back": the component goes to the end of its layer (drawn
// last, on top) or to its start. Undo puts it back before the component it preceded.

#include "undo/stack_order_action.h"

class CMoveStepsAction : public CStackOrderAction {
    QARN_DECLARE_DYNAMIC(CMoveStepsAction)

public:
    // `follower` is the component that followed it (the exact place is kept by index).
    CMoveStepsAction(CActionSite site, unsigned int id, bool toFront, CQarnComponent* follower,
                     CQarnComponent* component);

protected:
    int TargetIndex(int index, int count) const override;

private:
    bool m_bToFront;
};
