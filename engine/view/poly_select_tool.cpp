#include "view/poly_select_tool.h"

#include <cstdlib>

#include "core/canvas.h"
#include "core/component.h"
#include "core/layer.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CPolySelectTool, CSelectTool)

namespace {

constexpr int kClosePixels = 3;

}  // namespace

CPolySelectTool::CPolySelectTool() : CSelectTool(QarnCmd::ToolPolySelect) {}

void CPolySelectTool::ClearAll() {
    m_Points.clear();
    m_bFinished = false;
}

void CPolySelectTool::AddPoint(const CPoint& point) {
    m_Points.append(QPoint(point.x, point.y));
}

void CPolySelectTool::Show(CQarnView* view) {
    view->SetLasso(QVector<QPoint>(m_Points.begin(), m_Points.end()), m_bFinished);
}

void CPolySelectTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    if (m_bFinished) {
        ClearAll();
    }
    if (m_Points.size() >= 2) {
        // A click on the previous corner (the last fixed one) closes the lasso.
        const QPoint previous = m_Points[m_Points.size() - 2];
        if (std::abs(previous.x() - point.x) <= kClosePixels &&
            std::abs(previous.y() - point.y) <= kClosePixels) {
            m_Points.removeLast();
            Finish(view, (flags & (MK_SHIFT | MK_CONTROL)) != 0);
            return;
        }
    }
    if (m_Points.isEmpty()) {
        AddPoint(point);  // the fixed start
    }
    AddPoint(point);  // the moving end
    Drag().selectMode = SelectPolygon;
    Show(view);
}

void CPolySelectTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    if (m_Points.isEmpty() || m_bFinished) {
        CQarnTool::OnMouseMove(view, flags, point);
        view->SetToolCursor(Qt::CrossCursor);
        return;
    }
    m_Points.last() = QPoint(point.x, point.y);
    Show(view);
    Drag().last = point;
}

void CPolySelectTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    // The lasso goes on over several clicks: no fall back to the selection tool meanwhile.
    (void)flags;
    (void)point;
    view->SetToolCursor(Qt::CrossCursor);
}

void CPolySelectTool::OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) {
    (void)point;
    if (!m_Points.isEmpty() && !m_bFinished) {
        Finish(view, (flags & (MK_SHIFT | MK_CONTROL)) != 0);
    }
}

bool CPolySelectTool::OnEscape(CQarnView* view) {
    if (m_Points.isEmpty()) {
        return false;
    }
    ClearAll();
    Show(view);
    Drag().selectMode = SelectNone;
    return true;
}

void CPolySelectTool::Finish(CQarnView* view, bool add) {
    m_bFinished = true;
    Drag().selectMode = SelectNone;
    if (m_Points.size() < 3) {
        ClearAll();
        Show(view);
        return;
    }
    if (!add) {
        view->Deselect(nullptr);
    }
    CQarnCanvas* page = view->GetShownCanvas();
    if (page != nullptr) {
        for (CQarnLayer* layer : page->GetLayers()) {
            if (!layer->IsVisible(-1)) {
                continue;
            }
            for (CQarnComponent* c : layer->GetList()) {
                if (c->GetParentGroup() != nullptr) {
                    continue;
                }
                CRect bound = c->GetBoundCache();
                view->DocToClient(bound);
                bound.NormalizeRect();
                const bool inside =
                    m_Points.containsPoint(QPoint(bound.left, bound.top), Qt::OddEvenFill) &&
                    m_Points.containsPoint(QPoint(bound.right, bound.top), Qt::OddEvenFill) &&
                    m_Points.containsPoint(QPoint(bound.right, bound.bottom), Qt::OddEvenFill) &&
                    m_Points.containsPoint(QPoint(bound.left, bound.bottom), Qt::OddEvenFill);
                if (inside) {
                    view->Select(c, true);
                }
            }
        }
    }
    view->OnSelectionChanged(nullptr);
    ClearAll();
    Show(view);
}
