#include "undo/ungroup_action.h"

#include "connectors/connector.h"
#include "core/doc.h"
#include "shapes/group.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CUngroupAction, CQarnAction)

CUngroupAction::CUngroupAction(CActionSite site, unsigned int id, CQarnComponent* group)
    : CQarnAction(site, id, true) {
    const ComponentList kept = Qarn::InDocument(site.GetDocument(), ComponentList{group});
    m_pGroup = kept.isEmpty() ? nullptr : dynamic_cast<CQarnGroup*>(kept.first());
    if (m_pGroup == nullptr) {
        return;
    }
    m_Members = m_pGroup->GetMembers();
    // The connectors resting on the group itself lose it while it is out: they are kept too.
    ComponentList kept2 = m_Members;
    kept2.append(m_pGroup);
    m_States.Capture(kept2, CComponentStates::Geometry | CComponentStates::Connections);
}

CUngroupAction::~CUngroupAction() = default;

void CUngroupAction::TakeOutGroup() {
    m_Owned = GetTarget()->TakeOutAll(ComponentList{m_pGroup}, m_Places);
}

void CUngroupAction::SelectMembers() const {
    if (CQarnEditView* view = GetView()) {
        view->Deselect(nullptr);
        for (CQarnComponent* c : m_Members) {
            view->Select(c, true);
        }
    }
}

void CUngroupAction::OnDo() {
    if (m_pGroup == nullptr) {
        SetSuccess(false);
        return;
    }
    TakeOutGroup();
    // Inside the group connectors were neither laid out nor kept upright; on their own they are.
    for (CQarnComponent* c : m_Members) {
        if (!c->IsKindOf(CQarnConnector::ThisClass())) {
            continue;
        }
        auto* connector = static_cast<CQarnConnector*>(c);
        if (connector->GetRotateAngle() != 0.0f || connector->GetFlip() != 0) {
            connector->Normalize();
        }
        if (connector->GetConnectorType() != CQarnConnector::TypeDirect) {
            connector->AutoLayout();
        }
        connector->ResetHandles();
        connector->ResetPath();
        connector->RecalcBounds(0);
        connector->Invalidate(nullptr, false);
    }
    SelectMembers();
}

void CUngroupAction::OnUndo() {
    GetTarget()->PutBackAll(std::move(m_Owned), m_Places);
    m_Owned.clear();
    m_States.Exchange();
    if (CQarnEditView* view = GetView()) {
        view->Select(m_pGroup, false);
    }
}

void CUngroupAction::OnRedo() {
    m_States.Exchange();
    TakeOutGroup();
    SelectMembers();
}
