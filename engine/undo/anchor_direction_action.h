#pragma once
// Setting the direction a connector leaves an anchor point in (the anchor option dialog).
// The direction is a field of the anchor beside its geometry, so the action keeps it.

#include "platform/win_types.h"
#include "undo/state_action.h"

class CQarnAnchorPoint;

class CAnchorDirectionAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CAnchorDirectionAction)

public:
    CAnchorDirectionAction(CActionSite site, unsigned int id, CQarnAnchorPoint* anchor,
                           BYTE direction);

protected:
    // Fails (nothing recorded) when the anchor has the direction already.
    void OnDo() override;
    void Exchange() override;

private:
    CQarnAnchorPoint* m_pAnchor = nullptr;
    // The direction to set; after the first exchange, the one to put back.
    BYTE m_nDirection = 0;
};
