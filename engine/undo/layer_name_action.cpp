#include "undo/layer_name_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CLayerNameAction, CQarnAction)

CLayerNameAction::CLayerNameAction(CActionSite site, unsigned int id, CQarnLayer* layer,
                                   const QString& name)
    : CQarnAction(site, id, true), m_pLayer(layer), m_strName(name) {}

void CLayerNameAction::OnDo() {
    if (GetTarget() == nullptr || m_pLayer == nullptr || m_pLayer->GetCanvas() == nullptr) {
        SetSuccess(false);
        return;
    }
    Exchange();
    Finish();
}

void CLayerNameAction::Exchange() {
    const QString present = m_pLayer->GetName();
    m_pLayer->SetName(m_strName);
    m_strName = present;
    Qarn::RefreshPages(GetTarget(), m_pLayer->GetCanvas(), Qarn::PageChange::Layers);
}
