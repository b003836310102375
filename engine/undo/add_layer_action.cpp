#include "undo/add_layer_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CAddLayerAction, CQarnAction)

CAddLayerAction::CAddLayerAction(CActionSite site, unsigned int id, CQarnLayer* after)
    : CQarnAction(site, id, true) {
    if (CQarnDoc* doc = GetTarget()) {
        m_pCanvas = doc->GetCurrentCanvas();
    }
    if (m_pCanvas != nullptr) {
        m_pPrevious = m_pCanvas->GetCurrentLayer();
        m_pAfter = after != nullptr ? after : m_pPrevious;
    }
}

CAddLayerAction::~CAddLayerAction() = default;

void CAddLayerAction::Insert() {
    m_pCanvas->AddLayer(m_pAfter, m_pOwned.release());
    m_pCanvas->SetCurrentLayer(m_pLayer);
    CQarnDoc* doc = GetTarget();
    doc->OnPageChange();
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Layers);
}

void CAddLayerAction::OnDo() {
    if (m_pCanvas == nullptr) {
        SetSuccess(false);
        return;
    }
    m_pOwned = std::make_unique<CQarnLayer>();
    m_pLayer = m_pOwned.get();
    Insert();
    Finish();
}

void CAddLayerAction::OnUndo() {
    m_pCanvas->GetLayers().removeOne(m_pLayer);
    m_pOwned.reset(m_pLayer);
    m_pCanvas->SetCurrentLayer(m_pPrevious);
    Qarn::RefreshPages(GetTarget(), m_pCanvas, Qarn::PageChange::Layers);
}

void CAddLayerAction::OnRedo() {
    Insert();
}
