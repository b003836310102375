#include "undo/delete_canvas_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CDeleteCanvasAction, CQarnAction)

CDeleteCanvasAction::CDeleteCanvasAction(CActionSite site, unsigned int id)
    : CQarnAction(site, id, true) {
    if (CQarnDoc* doc = GetTarget()) {
        m_pCanvas = doc->GetCurrentCanvas();
    }
}

CDeleteCanvasAction::~CDeleteCanvasAction() = default;

bool CDeleteCanvasAction::Remove() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || m_pCanvas == nullptr || !doc->RemoveCanvas(m_pCanvas, m_pPredecessor)) {
        return false;
    }
    m_pOwned.reset(m_pCanvas);
    doc->OnPageChange();
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Removed);
    return true;
}

void CDeleteCanvasAction::OnDo() {
    if (!Remove()) {
        SetSuccess(false);
        return;
    }
    Finish();
}

void CDeleteCanvasAction::OnUndo() {
    CQarnDoc* doc = GetTarget();
    doc->AddCanvas(m_pPredecessor, m_pOwned.release());
    doc->GoToCanvas(m_pCanvas);
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Added);
}

void CDeleteCanvasAction::OnRedo() {
    Remove();
}
