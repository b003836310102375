#include "undo/add_canvas_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CAddCanvasAction, CQarnAction)

CAddCanvasAction::CAddCanvasAction(CActionSite site, unsigned int id)
    : CQarnAction(site, id, true) {}

CAddCanvasAction::~CAddCanvasAction() = default;

void CAddCanvasAction::Insert() {
    CQarnDoc* doc = GetTarget();
    doc->AddCanvas(m_pPrevious, m_pOwned.release());
    doc->GoToCanvas(m_pCanvas);
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Added);
}

void CAddCanvasAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr) {
        SetSuccess(false);
        return;
    }
    m_pPrevious = doc->GetCurrentCanvas();
    m_pOwned = std::make_unique<CQarnCanvas>();
    m_pCanvas = m_pOwned.get();
    const CSize size = doc->GetDefaultSize();
    m_pCanvas->SetSize(size.cx, size.cy);
    m_pCanvas->AddNewLayer();
    Insert();
    Finish();
}

void CAddCanvasAction::OnUndo() {
    CQarnDoc* doc = GetTarget();
    doc->GetCanvasList().removeOne(m_pCanvas);
    m_pOwned.reset(m_pCanvas);
    doc->GoToCanvas(m_pPrevious);
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Removed);
}

void CAddCanvasAction::OnRedo() {
    Insert();
}
