#include "view/tools/poly_tool.h"

#include <cmath>

#include "core/arrow_type.h"
#include "core/rect_geometry.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "undo/action_ids.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/select_tool.h"
#include "view/tools/tool_cursors.h"

QARN_IMPLEMENT_DYNAMIC(CPolyTool, CDrawTool)

CPolyTool::CPolyTool(UINT id) : CDrawTool(id) {}

bool CPolyTool::EndsOnRelease() const {
    const UINT id = GetID();
    return id == QarnCmd::ToolLine || id == QarnCmd::ToolArrow || id == QarnCmd::ToolScribble;
}

bool CPolyTool::IsScribble() const {
    return GetID() == QarnCmd::ToolScribble;
}

CQarnPoly* CPolyTool::GetPoly() const {
    return static_cast<CQarnPoly*>(GetDrawn());
}

std::unique_ptr<CQarnPoly> CPolyTool::CreatePoly(PointF p) const {
    const RectF frame(p.X, p.Y, 0, 0);
    std::unique_ptr<CQarnPoly> poly =
        m_bOutline ? std::make_unique<CQarnPolyOutline>(frame) : std::make_unique<CQarnPoly>(frame);
    bool closed = false;
    bool curved = false;
    switch (GetID()) {
        case QarnCmd::ToolArrow:
            poly->SetFill(false);
            poly->SetStartArrow(ArrowTypeNone);
            poly->SetEndArrow(ArrowTypeArrow);
            break;
        case QarnCmd::ToolClosedCurve:
            closed = true;
            curved = true;
            break;
        case QarnCmd::ToolCurve:
        case QarnCmd::ToolScribble:
            curved = true;
            poly->SetFill(false);
            poly->SetStartArrow(ArrowTypeNone);
            poly->SetEndArrow(ArrowTypeNone);
            break;
        case QarnCmd::ToolPolygon:
            closed = true;
            break;
        default:  // line, polyline
            poly->SetFill(false);
            poly->SetStartArrow(ArrowTypeNone);
            poly->SetEndArrow(ArrowTypeNone);
            break;
    }
    poly->SetClosed(closed);
    poly->SetPolyStyle(curved ? CQarnPoly::JoinCurve : CQarnPoly::JoinLineSegment);
    poly->AddPoint(p);
    return poly;
}

void CPolyTool::Refresh(CQarnPoly* poly) const {
    poly->RecalcBounds(0);
    poly->ResetPath();
    poly->UpdateRotateCenter();
    poly->Invalidate(nullptr, false);
}

void CPolyTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr &&
        view->CanAddNewAction(QarnActionId::AddObject) != CActionRecorder::Allowed) {
        return;
    }
    PointF p = ToolPoint(view, flags, point);
    if (poly == nullptr) {
        SetPressPoint(point);
        if (!AddDrawn(view, CreatePoly(p))) {
            return;
        }
        m_pView = view;
        poly = GetPoly();
    } else {
        // The rubber point becomes a vertex where the press is.
        p = RubberPoint(view, flags, point);
        MoveRubberPoint(view, p);
    }
    // The next rubber point starts a unit away, so that it never repeats the vertex.
    poly->AddPoint(PointF(p.X + 1, p.Y));
    Refresh(poly);
    CQarnDragState& drag = Drag();
    drag.selectMode = SelectSize;
    drag.dragHandle = poly->GetPointCount();
    drag.lastPoint = CPoint(int(p.X), int(p.Y));
}

PointF CPolyTool::RubberPoint(CQarnView* view, UINT flags, const CPoint& point) const {
    CQarnPoly* poly = GetPoly();
    if (IsScribble()) {
        return view->ToDoc(point);
    }
    PointF p = ToolPoint(view, flags, point);
    if ((flags & MK_CONTROL) != 0 && poly != nullptr && poly->GetPointCount() >= 2) {
        const PointF before = poly->GetPoint(poly->GetPointCount() - 1, 1);
        p = Qarn::CalculateNewPoint(before, p);
    }
    return p;
}

void CPolyTool::MoveRubberPoint(CQarnView* view, PointF p) {
    (void)view;
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr || poly->GetPointCount() < 2) {
        return;
    }
    poly->MovePointTo(poly->GetPointCount(), p, MoveFlags::Invalidate);
}

void CPolyTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr) {
        if (IsScribble()) {
            view->SetToolCursor(Qarn::PenCursor());
        } else {
            view->SetToolCursor(Qt::CrossCursor);
        }
        return;
    }
    view->SetToolCursor(Qt::CrossCursor);
    const PointF p = RubberPoint(view, flags, point);
    if (IsScribble()) {
        if ((flags & MK_LBUTTON) != 0) {
            // The scribble keeps every point the pointer passes.
            poly->AddPoint(p);
            Refresh(poly);
        }
        return;
    }
    MoveRubberPoint(view, p);
}

void CPolyTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr || !EndsOnRelease()) {
        // Polylines, polygons and curves go on with the next press.
        return;
    }
    if (!IsScribble()) {
        MoveRubberPoint(view, RubberPoint(view, flags, point));
    }
    const CPoint down = GetPressPoint();
    const bool click = std::abs(point.x - down.x) < CSelectTool::kDragStartPixels &&
                       std::abs(point.y - down.y) < CSelectTool::kDragStartPixels;
    if ((IsScribble() && poly->GetPointCount() < kLeastScribblePoints) ||
        (!IsScribble() && click)) {
        // Nothing was drawn: no trace in the document or its history.
        TakeBackDrawn(view);
    } else {
        Refresh(poly);
        FinishDrawn();
        view->OnSelectionChanged(nullptr);
    }
    m_pView = nullptr;
    CQarnTool::OnLButtonUp(view, flags, point);
}

void CPolyTool::EndPoly(CQarnView* view, float join, bool dropRubber) {
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr) {
        return;
    }
    const int count = poly->GetPointCount();
    if (count >= 2) {
        const PointF last = poly->GetPoint(count, 0);
        const PointF before = poly->GetPoint(count - 1, 0);
        const bool repeats = std::fabs(last.X - before.X) + std::fabs(last.Y - before.Y) < join;
        if (dropRubber || (count > 2 && repeats)) {
            poly->RemovePointAt(count);
        }
    }
    if (!HasExtent(*poly)) {
        // A click or two at one spot: nothing was drawn.
        TakeBackDrawn(view);
    } else {
        Refresh(poly);
        FinishDrawn();
        view->OnSelectionChanged(nullptr);
    }
    m_pView = nullptr;
}

bool CPolyTool::HasExtent(const CQarnPoly& poly) {
    const int count = poly.GetPointCount();
    if (count < 2) {
        return false;
    }
    const PointF first = poly.GetPoint(1, 0);
    for (int i = 2; i <= count; ++i) {
        const PointF p = poly.GetPoint(i, 0);
        if (std::fabs(p.X - first.X) + std::fabs(p.Y - first.Y) >= kDoubleClickJoin) {
            return true;
        }
    }
    return false;
}

void CPolyTool::OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    (void)point;
    if (GetPoly() != nullptr) {
        EndPoly(view, kDoubleClickJoin, false);
    }
    SetToolID(kSelectTool);
}

void CPolyTool::OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    (void)point;
    if (GetPoly() != nullptr) {
        // The right click ends the poly where the rubber point is.
        EndPoly(view, kSamePoint, false);
    }
    SetToolID(kSelectTool);
    view->SetToolCursor(Qt::ArrowCursor);
}

void CPolyTool::OnDeactivate() {
    if (m_pView != nullptr && GetPoly() != nullptr) {
        // Another tool was chosen: the poly keeps the vertices placed so far, not the
        // rubber point.
        EndPoly(m_pView, kDoubleClickJoin, true);
    }
    m_pView = nullptr;
}
