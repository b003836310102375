#include "view/tools/edit_poly_tool.h"

#include <cmath>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "shapes/poly.h"
#include "undo/action_ids.h"
#include "undo/add_point_action.h"
#include "undo/move_point_action.h"
#include "undo/remove_point_action.h"
#include "view/qarn_view.h"
#include "view/tools/draw_tool.h"

QARN_IMPLEMENT_DYNAMIC(CEditPolyTool, CQarnTool)

namespace {

float DistanceToSegment(PointF p, PointF a, PointF b) {
    const float dx = b.X - a.X;
    const float dy = b.Y - a.Y;
    const float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2 : 0.0f;
    t = std::fmax(0.0f, std::fmin(1.0f, t));
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

}  // namespace

CEditPolyTool::CEditPolyTool() : CQarnTool(kEditPointID) {}

bool CEditPolyTool::Serves(UINT id) const {
    return id == kDeletePointID;
}

bool CEditPolyTool::IsRemoveMode() {
    return GetToolID() == kDeletePointID;
}

bool CEditPolyTool::IsBusy() const {
    return m_pAction != nullptr;
}

CQarnPoly* CEditPolyTool::EditedPoly(CQarnView* view) {
    const ComponentList& selection = view->GetSelection();
    return selection.isEmpty() ? nullptr : dynamic_cast<CQarnPoly*>(selection.first());
}

int CEditPolyTool::PointAt(const CQarnPoly& poly, PointF p, float tolerance) {
    int nearest = 0;
    float best = tolerance;
    for (int i = 1; i <= poly.GetPointCount(); ++i) {
        const PointF q = poly.GetPoint(i, 1);
        const float d = std::fmax(std::fabs(q.X - p.X), std::fabs(q.Y - p.Y));
        if (d <= best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

int CEditPolyTool::SegmentAt(CQarnPoly& poly, PointF p, float tolerance) {
    const int count = poly.GetPointCount();
    const int segments = poly.IsClosed() ? count : count - 1;
    int nearest = 0;
    float best = tolerance;
    // A curve bends away from its chords: a hit on its outline takes the nearest chord.
    if (poly.GetJoinKind() != CQarnPoly::JoinLineSegment && poly.HitTest(p, tolerance)) {
        best = std::numeric_limits<float>::max();
    }
    for (int i = 1; i <= segments; ++i) {
        const float d =
            DistanceToSegment(p, poly.GetPoint(i, 1), poly.GetPoint(i == count ? 1 : i + 1, 1));
        if (d <= best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

bool CEditPolyTool::CanRemovePoint(CQarnPoly& poly, int index) {
    if (poly.GetPointCount() < 3 || index < 1 || index > poly.GetPointCount()) {
        return false;
    }
    if (dynamic_cast<CQarnConnector*>(&poly) != nullptr &&
        (index == 1 || index == poly.GetPointCount())) {
        return false;
    }
    for (CQarnConnection* connection : poly.GetConnectionList()) {
        if (connection != nullptr && connection->GetAnchor() == index) {
            return false;
        }
    }
    return true;
}

void CEditPolyTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    Reset();
    CQarnPoly* poly = EditedPoly(view);
    if (poly == nullptr) {
        return;
    }
    const PointF p = CDrawTool::ToolPoint(view, flags, point);
    const PointF exact = view->ToDoc(point);
    CQarnDragState& drag = Drag();
    const int hit = PointAt(*poly, exact, view->HandleTolerance());
    m_ptDown = point;
    if (IsRemoveMode()) {
        drag.selectMode = SelectRemovePoint;
        if (hit == 0 || !CanRemovePoint(*poly, hit) ||
            view->CanAddNewAction(QarnActionId::RemovePoint) != CActionRecorder::Allowed) {
            return;
        }
        if (CQarnAction* removal = view->RecordAction(
                std::make_unique<CRemovePointAction>(view, QarnActionId::RemovePoint, poly, hit))) {
            removal->Finish();
        }
        return;
    }
    if (hit != 0) {
        if (view->CanAddNewAction(QarnActionId::MovePoint) != CActionRecorder::Allowed) {
            return;
        }
        drag.selectMode = SelectMovePoint;
        m_pAction = view->RecordAction(std::make_unique<CMovePointAction>(
            view, QarnActionId::MovePoint, poly, hit, poly->GetPoint(hit, 1)));
        m_nPoint = hit;
    } else {
        const int segment = SegmentAt(*poly, exact, view->HitTolerance() * 2);
        if (segment == 0 ||
            view->CanAddNewAction(QarnActionId::AddPoint) != CActionRecorder::Allowed) {
            return;
        }
        drag.selectMode = SelectAddPoint;
        m_pAction = view->RecordAction(
            std::make_unique<CAddPointAction>(view, QarnActionId::AddPoint, poly, segment + 1, p));
        m_nPoint = segment + 1;
    }
    if (m_pAction != nullptr) {
        m_pPoly = poly;
        drag.actionStarted = true;
        drag.dragHandle = m_nPoint;
    }
}

void CEditPolyTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    CQarnPoly* poly = EditedPoly(view);
    if (!IsBusy()) {
        const PointF p = view->ToDoc(point);
        Qt::CursorShape cursor = Qt::ArrowCursor;
        if (poly != nullptr && PointAt(*poly, p, view->HandleTolerance()) != 0) {
            cursor = IsRemoveMode() ? Qt::ForbiddenCursor : Qt::SizeAllCursor;
        } else if (poly != nullptr && !IsRemoveMode() &&
                   SegmentAt(*poly, p, view->HitTolerance() * 2) != 0) {
            cursor = Qt::CrossCursor;
        }
        view->SetToolCursor(cursor);
        return;
    }
    if (view->GetPendingAction() != m_pAction || m_pAction->IsFinished() || poly != m_pPoly) {
        Reset();
        return;
    }
    const PointF p = CDrawTool::ToolPoint(view, flags, point);
    if (auto* move = dynamic_cast<CMovePointAction*>(m_pAction)) {
        move->MoveTo(p);
    } else {
        m_pPoly->MovePointTo(m_nPoint, p, MoveFlags::Invalidate);
    }
}

void CEditPolyTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    if (IsBusy() && view->GetPendingAction() == m_pAction && !m_pAction->IsFinished()) {
        const bool moved = m_ptDown.x != point.x || m_ptDown.y != point.y;
        if (Drag().selectMode == SelectMovePoint && !moved) {
            // A click on a point moves nothing and records nothing.
            view->CancelPendingAction();
        } else {
            m_pPoly->UpdateRotateCenter();
            m_pAction->Finish();
        }
    }
    Reset();
    if (IsRemoveMode()) {
        Drag().selectMode = SelectRemovePoint;
    }
}

void CEditPolyTool::OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDblClk(view, flags, point);
    if (CQarnPoly* poly = EditedPoly(view)) {
        view->InvalObj(poly);
    }
    view->SetToolCursor(Qt::ArrowCursor);
}

void CEditPolyTool::OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    (void)point;
    SetToolID(kSelectTool);
    if (CQarnPoly* poly = EditedPoly(view)) {
        view->InvalObj(poly);
    }
    view->SetToolCursor(Qt::ArrowCursor);
}

bool CEditPolyTool::OnEscape(CQarnView* view) {
    if (!IsBusy()) {
        return false;
    }
    if (view->GetPendingAction() == m_pAction && !m_pAction->IsFinished()) {
        view->CancelPendingAction();
    }
    Reset();
    return true;
}

void CEditPolyTool::Reset() {
    m_pPoly = nullptr;
    m_pAction = nullptr;
    m_nPoint = 0;
    CQarnDragState& drag = Drag();
    drag.actionStarted = false;
    drag.selectMode = SelectNone;
    drag.dragHandle = 0;
}
