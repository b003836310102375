#pragma once
// Ungrouping ("Ungroup a selected group", 8024): the group leaves the document and its members
// stay where they are, each selected. A member connector that is turned or flipped is
// normalised and, unless it is a direct one, laid out again (inside the group it was not).
// Undo puts the group back at its place over its members as they were and selects it; while
// ungrouped the action owns the group.

#include <memory>
#include <vector>

#include "core/layer_places.h"
#include "undo/action.h"
#include "undo/component_states.h"

class CQarnGroup;

class CUngroupAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CUngroupAction)

public:
    CUngroupAction(CActionSite site, unsigned int id, CQarnComponent* group);
    ~CUngroupAction() override;

    CQarnGroup* GetGroup() const { return m_pGroup; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void TakeOutGroup();
    void SelectMembers() const;

    CQarnGroup* m_pGroup = nullptr;
    ComponentList m_Members;
    CComponentStates m_States;
    std::vector<Qarn::LayerPlace> m_Places;
    std::vector<std::unique_ptr<CQarnComponent>> m_Owned;
};
