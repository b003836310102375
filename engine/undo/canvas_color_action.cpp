#include "undo/canvas_color_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "properties/basic_brush_property.h"
#include "undo/page_refresh.h"
#include "undo/property_content.h"

QARN_IMPLEMENT_DYNAMIC(CCanvasColorAction, CQarnAction)

namespace {

CQarnBasicBrushProperty* CopyOf(const CQarnBasicBrushProperty* brush) {
    auto* copy = static_cast<CQarnBasicBrushProperty*>(brush->Clone());
    copy->IncreaseRefCount();
    return copy;
}

}  // namespace

CCanvasColorAction::CCanvasColorAction(CActionSite site, unsigned int id, CQarnCanvas* canvas,
                                       Color color)
    : CQarnAction(site, id, true), m_pCanvas(canvas), m_Color(color) {}

CCanvasColorAction::~CCanvasColorAction() {
    if (m_pKept != nullptr) {
        m_pKept->Remove();
    }
}

void CCanvasColorAction::OnDo() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr || doc->GetCanvasIndex(m_pCanvas) < 0 ||
        m_pCanvas->GetBackground() == nullptr) {
        SetSuccess(false);
        return;
    }
    m_pKept = CopyOf(m_pCanvas->GetBackground());
    m_pCanvas->GetBackground()->SetColor1(m_Color);
    Qarn::RefreshPages(doc, m_pCanvas, Qarn::PageChange::Background);
    Finish();
}

void CCanvasColorAction::Exchange() {
    CQarnBasicBrushProperty* paper = m_pCanvas->GetBackground();
    CQarnBasicBrushProperty* present = CopyOf(paper);
    Qarn::CopyPropertyContent(paper, m_pKept);
    m_pKept->Remove();
    m_pKept = present;
    Qarn::RefreshPages(GetTarget(), m_pCanvas, Qarn::PageChange::Background);
}
