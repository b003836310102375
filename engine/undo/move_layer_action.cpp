#include "undo/move_layer_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CMoveLayerAction, CQarnAction)

CMoveLayerAction::CMoveLayerAction(CActionSite site, unsigned int id, CQarnLayer* layer,
                                   int direction)
    : CQarnAction(site, id, true), m_pLayer(layer), m_nDirection(direction) {}

void CMoveLayerAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    CQarnCanvas* canvas = m_pLayer != nullptr ? m_pLayer->GetCanvas() : nullptr;
    const int at = canvas != nullptr ? canvas->GetLayerIndex(m_pLayer) : -1;
    if (doc == nullptr || at < 0 || doc->GetCanvasIndex(canvas) < 0 ||
        (m_nDirection != 0 && m_nDirection != 1)) {
        SetSuccess(false);
        return;
    }
    const int to = m_nDirection == 0 ? at + 1 : at - 1;
    if (to < 0 || to >= canvas->GetLayers().size()) {
        SetSuccess(false);
        return;
    }
    m_pOther = canvas->GetLayers()[to];
    Swap();
    Finish();
}

void CMoveLayerAction::Swap() {
    CQarnCanvas* canvas = m_pLayer->GetCanvas();
    LayerList& layers = canvas->GetLayers();
    const int a = int(layers.indexOf(m_pLayer));
    const int b = int(layers.indexOf(m_pOther));
    if (a >= 0 && b >= 0) {
        layers.swapItemsAt(a, b);
    }
    Qarn::RefreshPages(GetTarget(), canvas, Qarn::PageChange::Layers);
}
