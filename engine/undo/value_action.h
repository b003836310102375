#pragma once
// The base of the actions that set one value on every component of the (expanded) selection:
// a colour, an opacity, a line style or width, an arrow head, a font, an attribute by property
// id. The properties each component holds are kept before the change; undo and redo exchange
// them (in place, so a property shared by several components changes for all of them).

#include "undo/state_action.h"

class CValueAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CValueAction)

protected:
    // `changeCode` names the group of attributes the property panes refresh afterwards.
    CValueAction(CActionSite site, unsigned int id, const ComponentList& components, unsigned parts,
                 unsigned int changeCode);

    // Sets the value on each component, rebuilds and repaints it.
    void OnDo() override;
    void Exchange() override;
    virtual void ApplyTo(CQarnComponent* component) = 0;
    // The components the value is set on: by default every component the action keeps.
    virtual const ComponentList& GetTargets() const { return m_Components; }

private:
    unsigned int m_nChangeCode;
};
