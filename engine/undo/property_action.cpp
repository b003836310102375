#include "undo/property_action.h"

#include "core/component.h"
#include "properties/property.h"

QARN_IMPLEMENT_DYNAMIC(CPropertyAction, CStateAction)

CPropertyAction::CPropertyAction(CActionSite site, unsigned int id, unsigned int kind,
                                 CQarnProperty* property, CQarnComponent* component)
    : CStateAction(site, id, ComponentList{component}, CComponentStates::Properties),
      m_nKind(kind),
      m_pProperty(property) {
    if (m_pProperty != nullptr) {
        m_pProperty->IncreaseRefCount();
    }
}

CPropertyAction::~CPropertyAction() {
    if (m_pProperty != nullptr) {
        m_pProperty->Remove();
    }
}

void CPropertyAction::OnDo() {
    CStateAction::OnDo();
    if (m_pProperty == nullptr) {
        SetSuccess(false);
    }
    if (!IsSuccess()) {
        return;
    }
    CQarnComponent* c = m_Components.first();
    m_pProperty->SetId(int(m_nKind));
    c->RemoveProperty(int(m_nKind));
    c->AddProperty(m_pProperty);
    c->DropEffectCache();
    c->ResetPath();
    RepaintComponents();
}
