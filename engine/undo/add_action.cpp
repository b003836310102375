#include "undo/add_action.h"

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"

QARN_IMPLEMENT_DYNAMIC(CAddAction, CQarnAction)

CAddAction::CAddAction(CActionSite site, unsigned int id, std::unique_ptr<CQarnComponent> component)
    : CQarnAction(site, id, true), m_pComponent(component.get()), m_pOwned(std::move(component)) {
    if (CQarnDoc* doc = GetTarget(); doc != nullptr && doc->GetCurrentCanvas() != nullptr) {
        m_pLayer = doc->GetCurrentCanvas()->GetCurrentLayer();
    }
}

CAddAction::~CAddAction() = default;

void CAddAction::Select() const {
    if (CQarnEditView* view = GetView()) {
        view->Select(m_pComponent, false);
    }
}

void CAddAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || m_pLayer == nullptr || m_pOwned == nullptr) {
        SetSuccess(false);
        return;
    }
    m_nNextIdBefore = doc->GetNextID();
    doc->AddTail(m_pOwned.release(), m_pLayer);
    m_nNextIdAfter = doc->GetNextID();
    Select();
}

void CAddAction::OnUndo() {
    CQarnDoc* doc = GetTarget();
    if (CQarnEditView* view = GetView()) {
        view->Deselect(m_pComponent);
    }
    m_pOwned = doc->TakeOut(m_pComponent);
    doc->SetNextID(m_nNextIdBefore);
}

void CAddAction::OnRedo() {
    CQarnDoc* doc = GetTarget();
    // Its number stays its own; the counter goes on from where the addition left it.
    doc->PutBack(std::move(m_pOwned), m_pLayer, nullptr);
    doc->SetNextID(m_nNextIdAfter);
    Select();
}
