#include "view/tool.h"

#include <memory>
#include <vector>

#include "core/notification_messages.h"
#include "platform/window_messages.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CQarnTool, CObject)

UINT CQarnTool::c_drawShape = CQarnTool::kSelectTool;

namespace {

std::vector<std::unique_ptr<CQarnTool>>& Registry() {
    static std::vector<std::unique_ptr<CQarnTool>> tools;
    return tools;
}

}  // namespace

CQarnTool::CQarnTool(UINT id) : m_nID(id) {}

CQarnTool::~CQarnTool() = default;

CQarnDragState& CQarnTool::Drag() {
    static CQarnDragState state;
    return state;
}

void CQarnTool::SetToolID(UINT id) {
    if (id == c_drawShape) {
        return;
    }
    const UINT old = c_drawShape;
    CQarnTool* leaving = Qarn::FindTool(old);
    c_drawShape = id;
    if (leaving != nullptr && leaving->IsBusy()) {
        leaving->OnDeactivate();
    }
    SendMessage(AfxGetMainWnd(), QRN_SELECT_TOOL, WPARAM(id), LPARAM(old));
}

void CQarnTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    (void)view;
    CQarnDragState& drag = Drag();
    drag.downFlags = flags;
    drag.down = point;
    drag.last = point;
}

void CQarnTool::OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) {
    (void)view;
    (void)flags;
    (void)point;
    SetToolID(kSelectTool);
}

void CQarnTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)point;
    // Every tool falls back to the selection tool after one use; Ctrl keeps it.
    if ((flags & MK_CONTROL) == 0) {
        SetToolID(kSelectTool);
    }
    if (view != nullptr) {
        view->SetToolCursor(Qt::ArrowCursor);
    }
}

void CQarnTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    if (view != nullptr) {
        view->SetToolCursor(Qt::ArrowCursor);
    }
}

void CQarnTool::OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    (void)point;
    SetToolID(kSelectTool);
    if (view != nullptr) {
        view->SetToolCursor(Qt::ArrowCursor);
    }
}

void CQarnTool::OnCancel() {
    SetToolID(kSelectTool);
}

void CQarnTool::OnDeactivate() {}

bool CQarnTool::OnEscape(CQarnView* view) {
    (void)view;
    return false;
}

bool CQarnTool::IsBusy() const {
    return false;
}

bool CQarnTool::Serves(UINT id) const {
    (void)id;
    return false;
}

void CQarnTool::PaintOverlay(CQarnView* view, QPainter& painter) {
    (void)view;
    (void)painter;
}

namespace Qarn {

void AddTool(CQarnTool* tool) {
    if (tool != nullptr) {
        Registry().emplace_back(tool);
    }
}

CQarnTool* FindTool(UINT id) {
    for (const auto& tool : Registry()) {
        if (tool->GetID() == id) {
            return tool.get();
        }
    }
    for (const auto& tool : Registry()) {
        if (tool->Serves(id)) {
            return tool.get();
        }
    }
    return nullptr;
}

void ClearTool() {
    Registry().clear();
}

}  // namespace Qarn
