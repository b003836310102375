#pragma once
// Making a layer the current one of its page (8070): new components go there.

#include "undo/action.h"

class CQarnCanvas;
class CQarnLayer;

class CLayerSelectAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CLayerSelectAction)

public:
    CLayerSelectAction(CActionSite site, unsigned int id, CQarnLayer* layer);

protected:
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void Exchange();

    CQarnLayer* m_pLayer;
    CQarnCanvas* m_pCanvas = nullptr;
};
