#include "undo/send_to_layer_action.h"

#include <QSet>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/component_lists.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CSendToLayerAction, CQarnAction)

namespace {

// Components of the target's page only: connections and groups never reach across pages.
ComponentList OnPageOf(const CQarnLayer* target, const ComponentList& components) {
    ComponentList kept;
    for (CQarnComponent* c : components) {
        if (target != nullptr && c->GetLayer() != nullptr &&
            c->GetLayer()->GetCanvas() == target->GetCanvas()) {
            kept.append(c);
        }
    }
    return kept;
}

}  // namespace

CSendToLayerAction::CSendToLayerAction(CActionSite site, unsigned int id,
                                       const ComponentList& components, CQarnLayer* target)
    : CQarnAction(site, id, true),
      m_Components(OnPageOf(
          target, Qarn::InDocument(site.GetDocument(), Qarn::ExpandComponents(components)))),
      m_pTarget(target) {}

void CSendToLayerAction::Send() {
    ComponentList found;
    Qarn::FindLayerPlaces(m_Components, found, m_Places);
    Qarn::UnlinkFromLayers(found, m_Places);
    m_pTarget->AddTail(&found);
    m_Components = found;
    Qarn::RefreshPages(GetTarget(), m_pTarget->GetCanvas(), Qarn::PageChange::Layers);
    for (CQarnComponent* c : m_Components) {
        c->Invalidate(nullptr, false);
    }
}

void CSendToLayerAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || m_Components.isEmpty() || m_pTarget->GetCanvas() == nullptr ||
        m_pTarget->GetCanvas()->GetLayerIndex(m_pTarget) < 0 ||
        doc->GetCanvasIndex(m_pTarget->GetCanvas()) < 0) {
        SetSuccess(false);
        return;
    }
    Send();
    Finish();
}

void CSendToLayerAction::OnUndo() {
    const QSet<const CQarnComponent*> sent(m_Components.begin(), m_Components.end());
    m_pTarget->GetList().removeIf([&](CQarnComponent* c) { return sent.contains(c); });
    Qarn::RelinkIntoLayers(m_Components, m_Places);
    Qarn::RefreshPages(GetTarget(), m_pTarget->GetCanvas(), Qarn::PageChange::Layers);
    for (CQarnComponent* c : m_Components) {
        c->Invalidate(nullptr, false);
    }
}

void CSendToLayerAction::OnRedo() {
    Send();
}
