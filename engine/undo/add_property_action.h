#pragma once
// Attaching a property to a component ("Add a property", 8067): the text tool gives the
// component it has just made a text this way. Undo lets go of it, redo attaches it again.

#include "undo/state_action.h"

class CQarnProperty;

class CAddPropertyAction : public CStateAction {
    QARN_DECLARE_DYNAMIC(CAddPropertyAction)

public:
    // Takes the property over (it is deleted with the action unless attached).
    CAddPropertyAction(CActionSite site, unsigned int id, CQarnProperty* property,
                       CQarnComponent* component);
    ~CAddPropertyAction() override;

protected:
    void OnDo() override;

private:
    CQarnProperty* m_pProperty;
};
