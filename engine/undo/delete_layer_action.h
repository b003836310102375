#pragma once
// "Delete layer" (8064): the layer and its components leave the page; when it was current, the
// layer before it becomes current (the one after it when it was first). The only layer of a
// page is never deleted: the action fails and is not recorded. Connections between the layer's
// components and the rest of the page are cut while it is away (so the saved document never
// names a component it does not hold) and come back with it. While deleted, the action owns
// the layer.

#include <memory>

#include "undo/action.h"
#include "undo/component_states.h"

class CQarnCanvas;
class CQarnLayer;

class CDeleteLayerAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CDeleteLayerAction)

public:
    CDeleteLayerAction(CActionSite site, unsigned int id, CQarnLayer* layer);
    ~CDeleteLayerAction() override;

    bool OwnsLayer() const { return m_pOwned != nullptr; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void Remove();
    // Drops every connection between a component of the layer and one outside it.
    void CutCrossingConnections() const;

    CQarnLayer* m_pLayer;
    CQarnCanvas* m_pCanvas = nullptr;
    CQarnLayer* m_pPredecessor = nullptr;
    bool m_bWasCurrent = false;
    std::unique_ptr<CQarnLayer> m_pOwned;
    CComponentStates m_Ties;
};
