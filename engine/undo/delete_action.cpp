#include "undo/delete_action.h"

#include "core/component.h"
#include "core/doc.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CDeleteAction, CQarnAction)

CDeleteAction::CDeleteAction(CActionSite site, unsigned int id, const ComponentList& selection)
    : CQarnAction(site, id, true),
      m_Components(Qarn::ConnectorsFirst(
          Qarn::InDocument(site.GetDocument(), Qarn::ExpandComponents(selection)))) {
    m_Ties.Capture(m_Components, CComponentStates::Connections);
}

// The components still deleted go with the action; a connector out of the document touches
// none of the shapes it rested on as it goes.
CDeleteAction::~CDeleteAction() = default;

void CDeleteAction::TakeOut() {
    m_Owned = GetTarget()->TakeOutAll(m_Components, m_Places);
}

void CDeleteAction::OnDo() {
    if (m_Components.isEmpty()) {
        SetSuccess(false);
        return;
    }
    TakeOut();
    Finish();
}

void CDeleteAction::OnUndo() {
    GetTarget()->PutBackAll(std::move(m_Owned), m_Places);
    m_Owned.clear();
    m_Ties.Exchange();
    if (CQarnEditView* view = GetView()) {
        view->Deselect(nullptr);
        for (CQarnComponent* c : m_Components) {
            if (c->GetParentGroup() == nullptr) {
                view->Select(c, true);
            }
        }
    }
}

void CDeleteAction::OnRedo() {
    m_Ties.Exchange();
    TakeOut();
}

size_t CDeleteAction::GetMemoryUsage() const {
    return sizeof(*this) + size_t(m_Components.capacity()) * sizeof(CQarnComponent*) +
           m_Places.capacity() * sizeof(Qarn::LayerPlace) +
           m_Owned.capacity() * sizeof(std::unique_ptr<CQarnComponent>) + m_Ties.GetMemoryUsage();
}
