#include "view/tools/draw_tool.h"

#include "core/component.h"
#include "undo/action_ids.h"
#include "undo/add_action.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CDrawTool, CQarnTool)

CDrawTool::CDrawTool(UINT id) : CQarnTool(id) {}

PointF CDrawTool::ToolPoint(CQarnView* view, UINT flags, const CPoint& point) {
    PointF p = view->ToDoc(point);
    if (view->IsSnapToGrid() && (flags & MK_SHIFT) == 0) {
        p = view->SnapDocPoint(p);
    }
    return p;
}

bool CDrawTool::AddDrawn(CQarnView* view, std::unique_ptr<CQarnComponent> component) {
    m_pAdd = nullptr;
    m_pView = nullptr;
    if (component == nullptr) {
        return false;
    }
    // A step still being built (a nudge) ends here; the drawing is a step of its own.
    if (CQarnAction* pending = view->GetPendingAction();
        pending != nullptr && !pending->IsFinished()) {
        pending->Finish();
    }
    auto add = std::make_unique<CAddAction>(view, QarnActionId::AddObject, std::move(component));
    m_pAdd = dynamic_cast<CAddAction*>(view->RecordAction(std::move(add)));
    if (m_pAdd == nullptr) {
        return false;
    }
    m_pView = view;
    CQarnDragState& drag = Drag();
    drag.actionStarted = true;
    drag.selectMode = SelectSize;
    return true;
}

CQarnComponent* CDrawTool::GetDrawn() const {
    if (m_pAdd == nullptr || m_pView == nullptr) {
        return nullptr;
    }
    // The pending action is watched weakly: an addition undone or deleted meanwhile is gone.
    if (m_pView->GetPendingAction() != m_pAdd || m_pAdd->IsFinished() || !m_pAdd->IsInDocument()) {
        return nullptr;
    }
    return m_pAdd->GetComponent();
}

void CDrawTool::FinishDrawn() {
    if (GetDrawn() != nullptr) {
        m_pAdd->Finish();
    }
    ForgetDrawn();
}

void CDrawTool::TakeBackDrawn(CQarnView* view) {
    if (GetDrawn() != nullptr) {
        view->CancelPendingAction();
    }
    ForgetDrawn();
}

void CDrawTool::ForgetDrawn() {
    m_pAdd = nullptr;
    m_pView = nullptr;
    CQarnDragState& drag = Drag();
    drag.actionStarted = false;
    drag.sizing = false;
    drag.selectMode = SelectNone;
    drag.dragHandle = 0;
}

bool CDrawTool::IsBusy() const {
    return GetDrawn() != nullptr;
}

bool CDrawTool::OnEscape(CQarnView* view) {
    if (GetDrawn() == nullptr) {
        return false;
    }
    TakeBackDrawn(view);
    view->SetConnectionTarget(nullptr);
    RepaintOverlay(view);
    return true;
}

void CDrawTool::OnCancel() {
    if (GetDrawn() != nullptr) {
        FinishDrawn();
    }
    CQarnTool::OnCancel();
}

void CDrawTool::OnDeactivate() {
    FinishDrawn();
}

void CDrawTool::RepaintOverlay(CQarnView* view) {
    view->RepaintToolOverlay();
}
