#pragma once
// Attaching a new property of a kind in place of the one a component has ("property
// action"): the old one of that kind (if any) is let go and the new one attached. Undo and
// redo exchange the component's property list with the kept one.

#include "undo/state_action.h"

class CQarnProperty;

class CPropertyAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CPropertyAction)

public:
    // Takes the property over (it is deleted with the action unless attached).
    CPropertyAction(CActionSite site, unsigned int id, unsigned int kind, CQarnProperty* property,
                    CQarnComponent* component);
    ~CPropertyAction() override;

protected:
    void OnDo() override;

private:
    unsigned int m_nKind;
    CQarnProperty* m_pProperty;
};
