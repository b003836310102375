#include "view/tools/magnifier_tool.h"

#include "view/qarn_view.h"
#include "view/tools/magnifier_lens.h"
#include "view/zoom_cursor.h"

QARN_IMPLEMENT_DYNAMIC(CMagnifierTool, CQarnTool)

CMagnifierTool::CMagnifierTool() : CQarnTool(kMagnifierToolID) {}

CMagnifierTool::~CMagnifierTool() {
    CloseLens();
}

bool CMagnifierTool::IsBusy() const {
    return m_pLens != nullptr;
}

CMagnifierLens* CMagnifierTool::GetLens() const {
    return m_pLens.data();
}

void CMagnifierTool::CloseLens() {
    // The lens belongs to the view's window; a closed view took it along.
    delete m_pLens.data();
    m_pLens = nullptr;
}

void CMagnifierTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    view->SetToolCursor(Qarn::MakeZoomCursor(true));
    CloseLens();
    m_pLens = new CMagnifierLens(view, kMagnification, QSize(kLensWidth, kLensHeight));
    m_pLens->CentreOn(QPoint(point.x, point.y));
    m_pLens->show();
    m_ptLast = point;
    view->setFocus(Qt::OtherFocusReason);
}

void CMagnifierTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    view->SetToolCursor(Qarn::MakeZoomCursor(true));
    if (m_pLens == nullptr || (point.x == m_ptLast.x && point.y == m_ptLast.y)) {
        return;
    }
    m_ptLast = point;
    m_pLens->CentreOn(QPoint(point.x, point.y));
}

void CMagnifierTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)view;
    (void)flags;
    (void)point;
    CloseLens();
}

void CMagnifierTool::OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (m_pLens == nullptr) {
        CQarnTool::OnRButtonUp(view, flags, point);
    }
}

bool CMagnifierTool::OnEscape(CQarnView* view) {
    (void)view;
    if (m_pLens == nullptr) {
        return false;
    }
    CloseLens();
    return true;
}
