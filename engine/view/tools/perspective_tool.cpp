#include "view/tools/perspective_tool.h"

#include <QPainter>

#include "properties/persp_property.h"
#include "properties/property_kinds.h"
#include "undo/action_ids.h"
#include "undo/property_action.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CPerspectiveTool, CQarnTool)

CPerspectiveTool::CPerspectiveTool() : CQarnTool(kPerspectiveToolID) {}

void CPerspectiveTool::ClearAll() {
    m_Points.clear();
    m_bFinished = false;
}

void CPerspectiveTool::AddPoint(const CPoint& point) {
    m_Points.append(QPoint(point.x, point.y));
}

void CPerspectiveTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    m_bFinishedByPress = false;
    if (m_bFinished) {
        ClearAll();
    }
    if (m_Points.isEmpty()) {
        // The fixed first corner and the one that follows the pointer.
        AddPoint(point);
        AddPoint(point);
    } else if (m_Points.size() < kCorners) {
        m_Points.last() = QPoint(point.x, point.y);
        AddPoint(point);
    } else {
        m_Points.last() = QPoint(point.x, point.y);
        m_bFinished = true;
        m_bFinishedByPress = true;
        Apply(view);
    }
    view->RepaintToolOverlay();
}

void CPerspectiveTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    view->SetToolCursor(Qt::CrossCursor);
    if (!m_Points.isEmpty() && !m_bFinished) {
        m_Points.last() = QPoint(point.x, point.y);
        view->RepaintToolOverlay();
    }
}

void CPerspectiveTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    // The corners are placed by presses; the tool is left once the fourth is down.
    if (m_bFinishedByPress) {
        m_bFinishedByPress = false;
        ClearAll();
        view->RepaintToolOverlay();
        CQarnTool::OnLButtonUp(view, flags, point);
    }
}

bool CPerspectiveTool::OnEscape(CQarnView* view) {
    if (m_Points.isEmpty()) {
        return false;
    }
    ClearAll();
    view->RepaintToolOverlay();
    return true;
}

bool CPerspectiveTool::Apply(CQarnView* view) {
    const ComponentList& selection = view->GetSelection();
    if (selection.size() != 1 || m_Points.size() != kCorners ||
        view->CanAddNewAction(QarnActionId::Edit) != CActionRecorder::Allowed) {
        return false;
    }
    auto* perspective = new CQarnPerspProperty();
    for (int i = 0; i < kCorners; ++i) {
        perspective->SetCorner(i, view->ToDoc(CPoint(m_Points[i].x(), m_Points[i].y())));
    }
    CQarnAction* action = view->RecordAction(std::make_unique<CPropertyAction>(
        view, QarnActionId::Edit, QARN_PROP_PERSP, perspective, selection.first()));
    if (action == nullptr) {
        return false;
    }
    action->Finish();
    return true;
}

void CPerspectiveTool::PaintOverlay(CQarnView* view, QPainter& painter) {
    (void)view;
    if (m_Points.size() < 2) {
        return;
    }
    painter.save();
    QPen pen(Qt::black, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (m_Points.size() == kCorners) {
        painter.drawPolygon(m_Points.constData(), int(m_Points.size()));
    } else {
        painter.drawPolyline(m_Points.constData(), int(m_Points.size()));
    }
    painter.restore();
}
