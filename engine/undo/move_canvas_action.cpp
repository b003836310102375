#include "undo/move_canvas_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CMoveCanvasAction, CQarnAction)

CMoveCanvasAction::CMoveCanvasAction(CActionSite site, unsigned int id, CQarnCanvas* canvas,
                                     CQarnCanvas* after)
    : CQarnAction(site, id, true) {
    SetCanvases(canvas, after);
}

void CMoveCanvasAction::SetCanvases(CQarnCanvas* canvas, CQarnCanvas* after) {
    m_pCanvas = canvas;
    m_pAfter = after;
}

void CMoveCanvasAction::PlaceAfter(CQarnCanvas* after) {
    CQarnDoc* doc = GetTarget();
    doc->GetCanvasList().removeOne(m_pCanvas);
    doc->AddCanvas(after, m_pCanvas);
    doc->OnPageChange();
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Moved);
}

void CMoveCanvasAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    const int at = doc != nullptr ? doc->GetCanvasIndex(m_pCanvas) : -1;
    // The page must be the document's; so must the one it goes after, unless it goes first.
    if (at < 0 || m_pAfter == m_pCanvas ||
        (m_pAfter != nullptr && doc->GetCanvasIndex(m_pAfter) < 0)) {
        SetSuccess(false);
        return;
    }
    m_pPredecessor = at > 0 ? doc->GetCanvasList()[at - 1] : nullptr;
    PlaceAfter(m_pAfter);
    Finish();
}

void CMoveCanvasAction::OnUndo() {
    PlaceAfter(m_pPredecessor);
}

void CMoveCanvasAction::OnRedo() {
    PlaceAfter(m_pAfter);
}
