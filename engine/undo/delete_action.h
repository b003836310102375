#pragma once
// Deleting the selection ("Delete the selections", 8051): the selection expanded (a group
// with its members) leaves the document. While deleted, the components belong to the action
// and are freed with it. Undo puts each back at its old stacking place, restores the
// connections that tied them to the rest of the drawing, and selects those that are not
// inside a group.

#include <memory>
#include <vector>

#include "core/layer_places.h"
#include "undo/action.h"
#include "undo/component_states.h"

class CDeleteAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CDeleteAction)

public:
    CDeleteAction(CActionSite site, unsigned int id, const ComponentList& selection);
    ~CDeleteAction() override;

    const ComponentList& GetComponents() const { return m_Components; }
    // Whether the components are out of the document (and owned by the action).
    bool OwnsComponents() const { return !m_Owned.empty(); }
    size_t GetMemoryUsage() const;

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void TakeOut();

    ComponentList m_Components;
    CComponentStates m_Ties;
    std::vector<Qarn::LayerPlace> m_Places;
    std::vector<std::unique_ptr<CQarnComponent>> m_Owned;
};
