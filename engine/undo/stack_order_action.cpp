#include "undo/stack_order_action.h"

#include <algorithm>

#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CStackOrderAction, CQarnAction)

CStackOrderAction::CStackOrderAction(CActionSite site, unsigned int id, CQarnComponent* component)
    : CQarnAction(site, id, true) {
    const ComponentList kept = Qarn::InDocument(site.GetDocument(), ComponentList{component});
    m_pComponent = kept.isEmpty() ? nullptr : kept.first();
}

void CStackOrderAction::OnDo() {
    if (m_pComponent == nullptr) {
        SetSuccess(false);
        return;
    }
    const CQarnLayer* layer = m_pComponent->GetLayer();
    const int index = m_pComponent->GetIndexInContainer() - 1;
    m_nIndex = MoveTo(TargetIndex(index, layer->GetCount()));
    Finish();
}

void CStackOrderAction::Exchange() {
    m_nIndex = MoveTo(m_nIndex);
}

int CStackOrderAction::MoveTo(int index) {
    ComponentList& list = m_pComponent->GetLayer()->GetList();
    const int from = int(list.indexOf(m_pComponent));
    const int to = std::clamp(index, 0, int(list.size()) - 1);
    if (from >= 0 && to != from) {
        list.move(from, to);
    }
    m_pComponent->Invalidate(nullptr, false);
    return from;
}
