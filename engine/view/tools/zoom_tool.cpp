#include "view/tools/zoom_tool.h"

#include <cstdlib>

#include "view/qarn_view.h"
#include "view/select_tool.h"
#include "view/zoom_cursor.h"

QARN_IMPLEMENT_DYNAMIC(CZoomTool, CQarnTool)

CZoomTool::CZoomTool() : CQarnTool(kZoomInID) {}

bool CZoomTool::Serves(UINT id) const {
    return id == kZoomOutID;
}

bool CZoomTool::ZoomsIn(const CQarnView* view) {
    if (view->GetZoomMode() != CZoomView::MODE_ZOOMOFF) {
        return view->GetZoomMode() == CZoomView::MODE_ZOOMIN;
    }
    return GetToolID() != kZoomOutID;
}

void CZoomTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    (void)view;
    CQarnTool::OnLButtonDown(view, flags, point);
    m_bPressed = true;
    m_ptDown = point;
    m_rcBand = QRect();
}

void CZoomTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    view->SetToolCursor(Qarn::MakeZoomCursor(ZoomsIn(view)));
    if (m_bPressed && ZoomsIn(view)) {
        m_rcBand = QRect(QPoint(m_ptDown.x, m_ptDown.y), QPoint(point.x, point.y)).normalized();
        view->SetRubberBand(m_rcBand, CQarnView::BandRectangle);
    }
}

void CZoomTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    if (!m_bPressed) {
        return;
    }
    m_bPressed = false;
    view->SetRubberBand(QRect(), CQarnView::BandRectangle);
    const bool in = ZoomsIn(view);
    const float ratio = view->GetZoomRatio();
    if ((in && ratio >= kLargestRatio) || (!in && ratio <= kSmallestRatio)) {
        return;
    }
    const bool dragged = std::abs(point.x - m_ptDown.x) >= CSelectTool::kDragStartPixels ||
                         std::abs(point.y - m_ptDown.y) >= CSelectTool::kDragStartPixels;
    if (in && dragged) {
        CRect area(m_rcBand.left(), m_rcBand.top(), m_rcBand.right() + 1, m_rcBand.bottom() + 1);
        view->ClientToDoc(area);
        view->DoZoomIn(area);
        return;
    }
    CPoint at = point;
    view->ClientToDoc(at);
    if (in) {
        view->DoZoomIn(&at, kStep);
    } else {
        view->DoZoomOut(&at, kStep);
    }
}

bool CZoomTool::OnEscape(CQarnView* view) {
    if (!m_bPressed) {
        return false;
    }
    m_bPressed = false;
    view->SetRubberBand(QRect(), CQarnView::BandRectangle);
    return true;
}
