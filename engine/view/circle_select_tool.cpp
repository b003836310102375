#include "view/circle_select_tool.h"

#include "view/command_ids.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CCircleSelectTool, CSelectTool)

CCircleSelectTool::CCircleSelectTool() : CSelectTool(QarnCmd::ToolCircleSelect) {}

QRect CCircleSelectTool::EllipseThrough(const CPoint& point) const {
    const CPoint& centre = Drag().down;
    const QPoint corner(2 * centre.x - point.x, 2 * centre.y - point.y);
    return QRect(corner, QPoint(point.x, point.y)).normalized();
}

void CCircleSelectTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    Drag().selectMode = SelectCircle;
    m_bDrawing = true;
    m_rcEllipse = QRect();
    view->SetRubberBand(QRect(), CQarnView::BandEllipse);
}

void CCircleSelectTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    if (!m_bDrawing) {
        CQarnTool::OnMouseMove(view, flags, point);
        view->SetToolCursor(Qt::CrossCursor);
        return;
    }
    m_rcEllipse = EllipseThrough(point);
    view->SetRubberBand(m_rcEllipse, CQarnView::BandEllipse);
    Drag().last = point;
}

void CCircleSelectTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (m_bDrawing) {
        m_bDrawing = false;
        view->SetRubberBand(QRect(), CQarnView::BandEllipse);
        const QRect box = EllipseThrough(point);
        if (box.width() > 1 && box.height() > 1) {
            const CRect area(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
            view->SelectWithinElps(area, CQarnBaseView::SelectInside, false);
            view->OnSelectionChanged(nullptr);
        }
        Drag().selectMode = SelectNone;
        view->SetConnectionTarget(nullptr);
    }
    CQarnTool::OnLButtonUp(view, flags, point);
}

bool CCircleSelectTool::OnEscape(CQarnView* view) {
    if (!m_bDrawing) {
        return false;
    }
    m_bDrawing = false;
    Drag().selectMode = SelectNone;
    view->SetRubberBand(QRect(), CQarnView::BandEllipse);
    return true;
}
