#pragma once
// "Add a new layer" (8063): a layer of the current page, inserted after the given layer (after
// the current one when none is given) and made current. While the addition is undone the
// action owns the layer.

#include <memory>

#include "undo/action.h"

class CQarnCanvas;
class CQarnLayer;

class CAddLayerAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CAddLayerAction)

public:
    CAddLayerAction(CActionSite site, unsigned int id, CQarnLayer* after = nullptr);
    ~CAddLayerAction() override;

    CQarnLayer* GetLayer() const { return m_pLayer; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void Insert();

    CQarnCanvas* m_pCanvas = nullptr;
    CQarnLayer* m_pAfter = nullptr;
    CQarnLayer* m_pPrevious = nullptr;
    CQarnLayer* m_pLayer = nullptr;
    std::unique_ptr<CQarnLayer> m_pOwned;
};
