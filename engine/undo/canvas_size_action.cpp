#include "undo/canvas_size_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CCanvasSizeAction, CQarnAction)

CCanvasSizeAction::CCanvasSizeAction(CActionSite site, unsigned int id, CQarnCanvas* canvas,
                                     CSize size)
    : CQarnAction(site, id, true), m_pCanvas(canvas), m_Size(size) {}

void CCanvasSizeAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || doc->GetCanvasIndex(m_pCanvas) < 0 || m_Size.cx <= 0 || m_Size.cy <= 0) {
        SetSuccess(false);
        return;
    }
    Exchange();
    Finish();
}

void CCanvasSizeAction::Exchange() {
    const CSize present = m_pCanvas->GetSize();
    m_pCanvas->SetSize(m_Size.cx, m_Size.cy);
    m_Size = present;
    CQarnDoc* doc = GetTarget();
    // The views of the current page take its size.
    if (doc->GetCurrentCanvas() == m_pCanvas) {
        doc->OnPageChange();
    }
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Size);
}
