#include "view/tools/rotate_tool.h"

#include <QPainter>
#include <cmath>

#include "core/component.h"
#include "platform/matrix.h"
#include "undo/action_ids.h"
#include "undo/rotate_action.h"
#include "view/qarn_view.h"
#include "view/tools/tool_cursors.h"

QARN_IMPLEMENT_DYNAMIC(CRotateTool, CQarnTool)

float CRotateTool::c_fLastAngle = 0.0f;

namespace {

// Degrees per radian, as the angles of the system are reckoned.
constexpr double kDegrees = 57.29577791868204;

}  // namespace

CRotateTool::CRotateTool() : CQarnTool(kRotateToolID) {}

float CRotateTool::GetAngleAOB(PointF a, PointF o, PointF b) {
    const double theta = std::atan2(double(o.Y - a.Y), double(o.X - a.X)) * kDegrees;
    Matrix turn;
    turn.Rotate(float(-theta));
    PointF points[2] = {a, b};
    turn.TransformPoints(points, 2);
    return float(std::atan2(double(points[1].Y - points[0].Y), double(points[1].X - points[0].X)) *
                 kDegrees);
}

CQarnComponent* CRotateTool::Grabbed(CQarnView* view, PointF p) {
    for (CQarnComponent* c : view->GetSelection()) {
        if (c->CanRotate() && (c->HitTestHandle(p, view->HandleTolerance()) != 0 ||
                               c->HitTest(p, view->HitTolerance()))) {
            return c;
        }
    }
    return nullptr;
}

bool CRotateTool::IsCurrentAction(CQarnView* view) const {
    return m_pAction != nullptr &&
           view->GetPendingAction() == static_cast<CQarnAction*>(m_pAction) &&
           !m_pAction->IsFinished();
}

void CRotateTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    Reset();
    CQarnTool::OnLButtonDown(view, flags, point);
    if (view->CanAddNewAction(QarnActionId::Rotate) != CActionRecorder::Allowed) {
        return;
    }
    const PointF p = view->ToDoc(point);
    CQarnComponent* grabbed = Grabbed(view, p);
    if (grabbed == nullptr) {
        return;
    }
    if (CQarnAction* pending = view->GetPendingAction();
        pending != nullptr && !pending->IsFinished()) {
        pending->Finish();
    }
    m_pAction = dynamic_cast<CRotateAction*>(view->RecordAction(
        std::make_unique<CRotateAction>(view, QarnActionId::Rotate, view->GetSelection())));
    if (m_pAction == nullptr) {
        return;
    }
    m_ptCentre = grabbed->GetRotateCenter();
    m_ptStart = p;
    m_ptDown = point;
    m_bRotating = true;
    c_fLastAngle = 0.0f;
    CQarnDragState& drag = Drag();
    drag.selectMode = SelectRotate;
    drag.actionStarted = true;
    drag.lastPoint = CPoint(int(p.X), int(p.Y));
}

void CRotateTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    const PointF p = view->ToDoc(point);
    if (!m_bRotating) {
        const bool over = Grabbed(view, p) != nullptr;
        if (over) {
            view->SetToolCursor(Qarn::RotateCursor());
        } else {
            view->SetToolCursor(Qt::ArrowCursor);
        }
        return;
    }
    if (!IsCurrentAction(view)) {
        Reset();
        return;
    }
    const float angle = GetAngleAOB(m_ptCentre, m_ptStart, p);
    const int step = (flags & MK_SHIFT) != 0 ? kShiftStep : 1;
    const int target = int(std::lround(angle / float(step))) * step;
    if (target != m_nApplied) {
        m_pAction->RotateBy(float(target - m_nApplied));
        m_nApplied = target;
        c_fLastAngle = float(target);
    }
    view->RepaintToolOverlay();
}

void CRotateTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (m_bRotating && IsCurrentAction(view)) {
        const bool still = point.x == m_ptDown.x && point.y == m_ptDown.y;
        if (still || std::abs(m_nApplied) < 1) {
            // Less than a degree: nothing is recorded.
            view->CancelPendingAction();
        } else {
            m_pAction->Finish();
            view->OnSelectionChanged(nullptr);
        }
    }
    Reset();
    view->RepaintToolOverlay();
    CQarnTool::OnLButtonUp(view, flags, point);
}

bool CRotateTool::OnEscape(CQarnView* view) {
    if (!m_bRotating) {
        return false;
    }
    if (IsCurrentAction(view)) {
        view->CancelPendingAction();
    }
    Reset();
    view->RepaintToolOverlay();
    return true;
}

void CRotateTool::Reset() {
    m_pAction = nullptr;
    m_bRotating = false;
    m_nApplied = 0;
    CQarnDragState& drag = Drag();
    drag.selectMode = SelectNone;
    drag.actionStarted = false;
    drag.sizing = false;
}

void CRotateTool::PaintOverlay(CQarnView* view, QPainter& painter) {
    if (!m_bRotating) {
        return;
    }
    CPoint centre(int(std::lround(m_ptCentre.X)), int(std::lround(m_ptCentre.Y)));
    view->DocToClient(centre);
    const QPoint c(centre.x, centre.y);
    const QPoint pointer(Drag().last.x, Drag().last.y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(QColor(0x1e, 0x88, 0xe5), 1.5);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The rotate centre, and the arm from it to the pointer.
    painter.drawEllipse(QPointF(c), 5.0, 5.0);
    painter.drawLine(c + QPoint(-8, 0), c + QPoint(8, 0));
    painter.drawLine(c + QPoint(0, -8), c + QPoint(0, 8));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(c, pointer);
    // The angle turned so far.
    const QString text = QStringLiteral("%1\u00b0").arg(m_nApplied);
    const QFontMetrics metrics(view->font());
    QRect box = metrics.boundingRect(text).adjusted(-4, -2, 4, 2);
    box.moveTopLeft(pointer + QPoint(14, 14));
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setBrush(QColor(0xff, 0xff, 0xe8, 230));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}
