#include "undo/value_action.h"

#include "core/component.h"
#include "core/doc.h"
#include "core/moving_components.h"

QARN_IMPLEMENT_DYNAMIC(CValueAction, CStateAction)

CValueAction::CValueAction(CActionSite site, unsigned int id, const ComponentList& components,
                           unsigned parts, unsigned int changeCode)
    : CStateAction(site, id, components, parts), m_nChangeCode(changeCode) {}

void CValueAction::OnDo() {
    CStateAction::OnDo();
    if (!IsSuccess()) {
        return;
    }
    // The components changed together move along with each other (their connectors too).
    const CMovingComponents changing(m_Components);
    for (CQarnComponent* c : GetTargets()) {
        ApplyTo(c);
    }
    for (CQarnComponent* c : m_Components) {
        c->DropEffectCache();
        c->ResetPath();
    }
    RepaintComponents();
    NotifyPropertyChanged(m_nChangeCode);
}

void CValueAction::Exchange() {
    CStateAction::Exchange();
    NotifyPropertyChanged(m_nChangeCode);
}
