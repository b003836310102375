#pragma once
// "Send objects to different layer" (8076): the components (a group with its members) leave
// their layers and are appended, in order, to the target layer of the same page. Undo puts
// each back into its former layer at its former stacking place.

#include <vector>

#include "core/layer_places.h"
#include "undo/action.h"

class CQarnLayer;

class CSendToLayerAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CSendToLayerAction)

public:
    CSendToLayerAction(CActionSite site, unsigned int id, const ComponentList& components,
                       CQarnLayer* target);

    const ComponentList& GetComponents() const { return m_Components; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void Send();

    ComponentList m_Components;
    CQarnLayer* m_pTarget;
    std::vector<Qarn::LayerPlace> m_Places;
};
