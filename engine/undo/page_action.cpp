#include "undo/page_action.h"

#include "core/doc.h"

QARN_IMPLEMENT_DYNAMIC(CPageAction, CQarnAction)

CPageAction::CPageAction(CActionSite site, unsigned int id, CQarnCanvas* canvas)
    : CQarnAction(site, id, true), m_pCanvas(canvas) {
    if (CQarnDoc* doc = GetTarget()) {
        m_pPrevious = doc->GetCurrentCanvas();
    }
}

void CPageAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || doc->GetCanvasIndex(m_pCanvas) < 0) {
        SetSuccess(false);
        return;
    }
    doc->GoToCanvas(m_pCanvas);
    Finish();
}

void CPageAction::OnUndo() {
    GetTarget()->GoToCanvas(m_pPrevious);
}

void CPageAction::OnRedo() {
    GetTarget()->GoToCanvas(m_pCanvas);
}
