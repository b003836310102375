#include "undo/state_action.h"

#include "core/component.h"
#include "core/doc.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CStateAction, CQarnAction)

CStateAction::CStateAction(CActionSite site, unsigned int id, const ComponentList& components,
                           unsigned parts)
    : CQarnAction(site, id, true), m_Components(Qarn::InDocument(site.GetDocument(), components)) {
    m_States.Capture(m_Components, parts);
}

CStateAction::CStateAction(CActionSite site, unsigned int id, const ComponentList& components,
                           unsigned parts, InDocumentTag,
                           const CComponentStates::ComponentVisitor& alsoEach)
    : CQarnAction(site, id, true), m_Components(components) {
    m_States.Capture(m_Components, parts, alsoEach);
}

void CStateAction::OnDo() {
    if (m_Components.isEmpty()) {
        SetSuccess(false);
    }
}

void CStateAction::Exchange() {
    m_States.Exchange();
}

bool CStateAction::TakeStateOf(CStateAction& older) {
    if (!m_States.SameComponents(older.m_States) ||
        m_States.GetParts() != older.m_States.GetParts()) {
        return false;
    }
    m_States = std::move(older.m_States);
    return true;
}

void CStateAction::NotifyPropertyChanged(unsigned int code) const {
    CQarnEditView* view = GetView();
    if (view == nullptr || view->GetSelection().size() != 1) {
        return;
    }
    CQarnComponent* selected = view->GetSelection().first();
    if (m_Components.contains(selected)) {
        selected->OnPropertyChanged(code);
    }
}

void CStateAction::RepaintComponents() const {
    for (CQarnComponent* c : m_Components) {
        if (CQarnDoc* doc = c->GetDocument()) {
            doc->NotifyComponentChanged(c, Qarn::ComponentChange::Appearance);
        }
    }
}
