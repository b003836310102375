#pragma once
// An action that keeps the state of its components before the edit (CComponentStates) and
// takes the edit back, and makes it again, by exchanging that state with the present one.
// The components are those of the document among the ones given; an action left with none
// fails and is not recorded.

#include "core/component_list.h"
#include "undo/action.h"
#include "undo/component_states.h"

class CStateAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CStateAction)

public:
    // The components the action edits (the attached connectors it keeps are not among them).
    const ComponentList& GetComponents() const { return m_Components; }
    const CComponentStates& GetStates() const { return m_States; }

protected:
    CStateAction(CActionSite site, unsigned int id, const ComponentList& components,
                 unsigned parts);
    // For a list already known to lie in the document; `alsoEach` is called for each of the
    // components while its state is kept.
    struct InDocumentTag {};
    CStateAction(CActionSite site, unsigned int id, const ComponentList& components, unsigned parts,
                 InDocumentTag, const CComponentStates::ComponentVisitor& alsoEach = nullptr);

    // Fails the action when it has no component left.
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }
    virtual void Exchange();

    // Takes over the state that an older action of the same components kept (see
    // CQarnAction::AbsorbPrevious); false when the components differ.
    bool TakeStateOf(CStateAction& older);
    // When the view's selection is exactly one of the action's components, its property
    // panes are told that the group of attributes named by `code` changed.
    void NotifyPropertyChanged(unsigned int code) const;
    // Repaints every component of the action where it was and where it is.
    void RepaintComponents() const;

    ComponentList m_Components;
    CComponentStates m_States;
};
