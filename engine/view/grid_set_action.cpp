#include "view/grid_set_action.h"

#include <utility>

#include "core/doc.h"
#include "core/view_hints.h"

CGridSetAction::CGridSetAction(CQarnEditView* view) : CQarnAction(view, 0, true) {
    TakeDocumentValues();
}

CGridSetAction::CGridSetAction(CQarnDoc* doc) : CQarnAction(doc, 0, true) {
    TakeDocumentValues();
}

void CGridSetAction::TakeDocumentValues() {
    if (CQarnDoc* doc = GetTarget()) {
        m_nSize = doc->GetGridSize();
        m_nStyle = doc->GetGridStyle();
        m_dwColor = doc->GetGridColor();
    }
}

void CGridSetAction::OnDo() {
    Finish();
    RepaintWhenShown();
}

void CGridSetAction::Exchange() {
    CQarnDoc* doc = GetTarget();
    if (doc == nullptr) {
        return;
    }
    const int size = doc->GetGridSize();
    const int style = doc->GetGridStyle();
    const DWORD color = doc->GetGridColor();
    doc->SetGridSize(m_nSize);
    doc->SetGridStyle(m_nStyle);
    doc->SetGridColor(m_dwColor);
    m_nSize = size;
    m_nStyle = style;
    m_dwColor = color;
    RepaintWhenShown();
}

void CGridSetAction::RepaintWhenShown() {
    CQarnDoc* doc = GetTarget();
    if (doc != nullptr && doc->IsGridShown()) {
        doc->UpdateAllViews(nullptr, Qarn::kHintAll);
    }
}
