#pragma once
// Toggling layer flags (8071): the new flag byte is the old one with the bits of the mask
// toggled (1 visible, 2 selectable, 4 locked).

#include "platform/win_types.h"
#include "undo/action.h"

class CQarnLayer;

class CLayerPropChangeAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CLayerPropChangeAction)

public:
    CLayerPropChangeAction(CActionSite site, unsigned int id, CQarnLayer* layer, BYTE mask);

protected:
    void OnDo() override;
    void OnUndo() override { Apply(m_nOld); }
    void OnRedo() override { Apply(m_nNew); }

private:
    void Apply(BYTE flags);

    CQarnLayer* m_pLayer;
    BYTE m_nMask;
    BYTE m_nOld = 0;
    BYTE m_nNew = 0;
};
