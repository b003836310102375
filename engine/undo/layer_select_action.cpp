#include "undo/layer_select_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CLayerSelectAction, CQarnAction)

CLayerSelectAction::CLayerSelectAction(CActionSite site, unsigned int id, CQarnLayer* layer)
    : CQarnAction(site, id, true), m_pLayer(layer) {}

void CLayerSelectAction::OnDo() {
    m_pCanvas = m_pLayer != nullptr ? m_pLayer->GetCanvas() : nullptr;
    if (GetTarget() == nullptr || m_pCanvas == nullptr || m_pCanvas->GetLayerIndex(m_pLayer) < 0) {
        SetSuccess(false);
        return;
    }
    Exchange();
    Finish();
}

void CLayerSelectAction::Exchange() {
    CQarnLayer* present = m_pCanvas->GetCurrentLayer();
    m_pCanvas->SetCurrentLayer(m_pLayer);
    m_pLayer = present;
    Qarn::RefreshPages(GetTarget(), m_pCanvas, Qarn::PageChange::Layers);
}
