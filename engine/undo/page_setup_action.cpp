#include "undo/page_setup_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CPageSetupAction, CQarnAction)

CPageSetupAction::CPageSetupAction(CActionSite site, unsigned int id, CQarnCanvas* canvas,
                                   CSize size, const CRect& margins)
    : CQarnAction(site, id, true), m_pCanvas(canvas), m_Size(size), m_rcMargins(margins) {}

void CPageSetupAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || doc->GetCanvasIndex(m_pCanvas) < 0 || m_Size.cx <= 0 || m_Size.cy <= 0 ||
        (m_pCanvas->GetSize() == m_Size && doc->GetMargins() == m_rcMargins)) {
        SetSuccess(false);
        return;
    }
    Exchange();
    Finish();
}

void CPageSetupAction::Exchange() {
    CQarnDoc* doc = GetTarget();
    const CSize size = m_pCanvas->GetSize();
    const CRect margins = doc->GetMargins();
    m_pCanvas->SetSize(m_Size.cx, m_Size.cy);
    doc->SetMargins(m_rcMargins);
    m_Size = size;
    m_rcMargins = margins;
    // The views of the current page take its size and show the margins anew.
    if (doc->GetCurrentCanvas() == m_pCanvas) {
        doc->OnPageChange();
    }
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Size);
}
