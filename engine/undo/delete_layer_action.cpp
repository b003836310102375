#include "undo/delete_layer_action.h"

#include <QSet>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CDeleteLayerAction, CQarnAction)

CDeleteLayerAction::CDeleteLayerAction(CActionSite site, unsigned int id, CQarnLayer* layer)
    : CQarnAction(site, id, true), m_pLayer(layer) {
    CQarnDoc* doc = GetTarget();
    if (doc != nullptr && layer != nullptr && layer->GetCanvas() != nullptr &&
        doc->GetCanvasIndex(layer->GetCanvas()) >= 0 &&
        layer->GetCanvas()->GetLayerIndex(layer) >= 0) {
        m_pCanvas = layer->GetCanvas();
    }
}

CDeleteLayerAction::~CDeleteLayerAction() = default;

void CDeleteLayerAction::CutCrossingConnections() const {
    const ComponentList& inside = m_pLayer->GetList();
    const QSet<const CQarnComponent*> mine(inside.begin(), inside.end());
    for (CQarnComponent* connector : m_Ties.GetComponents()) {
        if (!connector->IsKindOf(CQarnConnector::ThisClass())) {
            continue;
        }
        auto* k = static_cast<CQarnConnector*>(connector);
        const bool connectorInside = mine.contains(k);
        for (bool start : {true, false}) {
            CQarnConnection* c = start ? k->GetLeftConnection() : k->GetRightConnection();
            if (c != nullptr && c->GetComponent() != nullptr &&
                mine.contains(c->GetComponent()) != connectorInside) {
                k->KillConnection(c->GetComponent(), start ? 1 : 0);
            }
        }
    }
}

void CDeleteLayerAction::Remove() {
    LayerList& layers = m_pCanvas->GetLayers();
    const int at = int(layers.indexOf(m_pLayer));
    m_pPredecessor = at > 0 ? layers[at - 1] : nullptr;
    m_bWasCurrent = m_pCanvas->GetCurrentLayer() == m_pLayer;
    if (m_bWasCurrent) {
        m_pCanvas->SetCurrentLayer(at > 0 ? layers[at - 1] : layers[at + 1]);
    }
    CutCrossingConnections();
    layers.removeAt(at);
    m_pOwned.reset(m_pLayer);
    CQarnDoc* doc = GetTarget();
    if (doc->GetConnectionTarget() != nullptr &&
        doc->GetConnectionTarget()->GetLayer() == m_pLayer) {
        doc->SetConnectionTarget(nullptr);
    }
    doc->OnPageChange();
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Layers);
}

void CDeleteLayerAction::OnDo() {
    if (m_pCanvas == nullptr || m_pCanvas->GetLayers().size() < 2) {
        SetSuccess(false);
        return;
    }
    m_Ties.Capture(m_pLayer->GetList(), CComponentStates::Connections);
    Remove();
    Finish();
}

void CDeleteLayerAction::OnUndo() {
    m_pCanvas->AddLayer(m_pPredecessor, m_pOwned.release());
    if (m_bWasCurrent) {
        m_pCanvas->SetCurrentLayer(m_pLayer);
    }
    m_Ties.Exchange();
    CQarnDoc* doc = GetTarget();
    doc->OnPageChange();
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Layers);
}

void CDeleteLayerAction::OnRedo() {
    m_Ties.Exchange();
    Remove();
}
