#include "view/tools/pan_tool.h"

#include <QScrollBar>

#include "core/notification_messages.h"
#include "platform/message_relay.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CPanTool, CQarnTool)

CPanTool::CPanTool() : CQarnTool(kPanToolID) {}

void CPanTool::PanBy(CQarnView* view, const CPoint& from, const CPoint& to) {
    QScrollBar* horizontal = view->horizontalScrollBar();
    QScrollBar* vertical = view->verticalScrollBar();
    horizontal->setValue(horizontal->value() + from.x - to.x);
    vertical->setValue(vertical->value() + from.y - to.y);
}

void CPanTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    m_bPanning = true;
    m_ptLast = point;
    view->SetToolCursor(Qt::ClosedHandCursor);
}

void CPanTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    if (!m_bPanning) {
        view->SetToolCursor(Qt::OpenHandCursor);
        return;
    }
    PanBy(view, m_ptLast, point);
    m_ptLast = point;
}

void CPanTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    (void)point;
    if (!m_bPanning) {
        return;
    }
    m_bPanning = false;
    view->SetToolCursor(Qt::OpenHandCursor);
    // The panes that show where the view looks (navigation, rulers) follow.
    QarnMessageRelay(QARN_WM_CURRENTVIEW_UPDATED, WPARAM(static_cast<CQarnEditView*>(view)), 0);
}

bool CPanTool::OnEscape(CQarnView* view) {
    if (!m_bPanning) {
        return false;
    }
    m_bPanning = false;
    view->SetToolCursor(Qt::OpenHandCursor);
    return true;
}
