#include "view/tools/point_tool.h"

#include "connectors/anchor_point.h"
#include "shapes/point.h"
#include "undo/action_ids.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CPointTool, CDrawTool)

CPointTool::CPointTool(UINT id) : CDrawTool(id) {}

void CPointTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    const PointF p = ToolPoint(view, flags, point);
    CQarnTool::OnLButtonDown(view, flags, point);
    SetPressPoint(point);
    if (view->CanAddNewAction(QarnActionId::AddObject) != CActionRecorder::Allowed) {
        return;
    }
    std::unique_ptr<CQarnPoint> marker;
    if (GetID() == kAnchorPointToolID) {
        marker = std::make_unique<CQarnAnchorPoint>(p);
    } else {
        marker = std::make_unique<CQarnPoint>(p);
    }
    marker->UpdateRotateCenter();
    marker->ResetPath();
    AddDrawn(view, std::move(marker));
}

void CPointTool::CentreOn(CQarnComponent* point, PointF p) const {
    const RectF frame = point->GetRectF();
    const RectF to(p.X - frame.Width / 2, p.Y - frame.Height / 2, frame.Width, frame.Height);
    if (!to.Equals(frame)) {
        point->MoveTo(to, MoveFlags::Invalidate);
        point->UpdateRotateCenter();
    }
}

void CPointTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    view->SetToolCursor(Qt::CrossCursor);
    if (CQarnComponent* marker = GetDrawn(); marker != nullptr && (flags & MK_LBUTTON) != 0) {
        CentreOn(marker, ToolPoint(view, flags, point));
    }
}

void CPointTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (CQarnComponent* marker = GetDrawn()) {
        CentreOn(marker, ToolPoint(view, flags, point));
        marker->ResetPath();
        FinishDrawn();
        view->OnSelectionChanged(nullptr);
    }
    CQarnTool::OnLButtonUp(view, flags, point);
}
