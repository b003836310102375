#include "undo/add_property_action.h"

#include "core/component.h"
#include "properties/property.h"

QARN_IMPLEMENT_DYNAMIC(CAddPropertyAction, CStateAction)

CAddPropertyAction::CAddPropertyAction(CActionSite site, unsigned int id, CQarnProperty* property,
                                       CQarnComponent* component)
    : CStateAction(site, id, ComponentList{component}, CComponentStates::Properties),
      m_pProperty(property) {
    if (m_pProperty != nullptr) {
        m_pProperty->IncreaseRefCount();
    }
}

CAddPropertyAction::~CAddPropertyAction() {
    if (m_pProperty != nullptr) {
        m_pProperty->Remove();
    }
}

void CAddPropertyAction::OnDo() {
    CStateAction::OnDo();
    if (m_pProperty == nullptr) {
        SetSuccess(false);
    }
    if (!IsSuccess()) {
        return;
    }
    CQarnComponent* c = m_Components.first();
    c->AddProperty(m_pProperty);
    c->DropEffectCache();
    c->ResetPath();
    RepaintComponents();
}
