#pragma once
// Moving a layer one place in its page's list (8068): direction 0 toward the end (drawn later,
// above), 1 toward the start. Refused (not recorded) for the only layer, or past either end.

#include "undo/action.h"

class CQarnLayer;

class CMoveLayerAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CMoveLayerAction)

public:
    CMoveLayerAction(CActionSite site, unsigned int id, CQarnLayer* layer, int direction);

protected:
    void OnDo() override;
    void OnUndo() override { Swap(); }
    void OnRedo() override { Swap(); }

private:
    void Swap();

    CQarnLayer* m_pLayer;
    int m_nDirection;
    CQarnLayer* m_pOther = nullptr;
};
