#include "view/select_tool.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "connectors/connector.h"
#include "core/doc.h"
#include "core/handle.h"
#include "core/rect_geometry.h"
#include "shapes/poly.h"
#include "undo/action_ids.h"
#include "undo/label_handle_action.h"
#include "undo/move_action.h"
#include "undo/size_action.h"
#include "undo/size_connector_action.h"
#include "view/qarn_view.h"

QARN_IMPLEMENT_DYNAMIC(CSelectTool, CQarnTool)

namespace {

constexpr UINT kAddToSelection = MK_SHIFT | MK_CONTROL;

bool IsConnectorEnd(const CQarnComponent* component, int handle) {
    const std::optional<CQarnHandle> h = component->FindHandle(handle);
    return h && h->kind == QarnHandleKind::ConnectorEnd;
}

}  // namespace

CSelectTool::CSelectTool(UINT id) : CQarnTool(id) {}

bool CSelectTool::IsBusy() const {
    return m_bPressed;
}

// Press.

void CSelectTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnDragState& drag = Drag();
    drag.actionStarted = false;
    drag.sizing = false;
    drag.selectMode = SelectNone;
    drag.dragHandle = 0;
    m_bSelectionChanged = false;
    m_bPressed = true;
    m_pDragged = nullptr;
    m_ptApplied = PointF(0, 0);
    m_ptPress = view->ToDoc(point);
    drag.lastPoint = CPoint(int(m_ptPress.X), int(m_ptPress.Y));
    CQarnTool::OnLButtonDown(view, flags, point);

    const ComponentList& selected = view->GetSelection();
    if (selected.size() == 1) {
        CQarnComponent* only = selected.first();
        const int handle = only->HitTestHandle(m_ptPress, view->HandleTolerance());
        if (handle != 0) {
            PressOnHandle(view, only, handle);
            return;
        }
    }
    if (CQarnComponent* hit = view->HitAt(m_ptPress, view->HitTolerance())) {
        PressOnComponent(view, flags, hit);
    } else {
        PressOnEmpty(view, flags);
    }
}

void CSelectTool::PressOnHandle(CQarnView* view, CQarnComponent* component, int handle) {
    (void)view;
    CQarnDragState& drag = Drag();
    drag.dragHandle = handle;
    drag.selectMode = SelectSize;
    m_pDragged = component;
}

void CSelectTool::PressOnComponent(CQarnView* view, UINT flags, CQarnComponent* component) {
    CQarnDragState& drag = Drag();
    const bool adding = (flags & kAddToSelection) != 0;
    drag.selectMode = SelectMove;
    if (!view->IsSelected(component)) {
        view->Select(component, adding);
        m_bSelectionChanged = true;
    } else if (adding) {
        // A selected component clicked with Shift or Ctrl leaves the selection.
        view->Deselect(component);
        view->OnSelectionChanged(nullptr);
        drag.selectMode = SelectNone;
    }
}

void CSelectTool::PressOnEmpty(CQarnView* view, UINT flags) {
    if ((flags & kAddToSelection) == 0 && !view->GetSelection().isEmpty()) {
        view->Deselect(nullptr);
        view->OnSelectionChanged(nullptr);
    }
    Drag().selectMode = SelectNetSelect;
    SetBand(view, QRect());
}

// Move.

bool CSelectTool::PastDragStart(const CPoint& point) const {
    const CPoint& down = Drag().down;
    return std::abs(point.x - down.x) >= kDragStartPixels ||
           std::abs(point.y - down.y) >= kDragStartPixels;
}

PointF CSelectTool::DragPoint(CQarnView* view, UINT flags, const CPoint& point) const {
    PointF p = view->ToDoc(point);
    if (view->IsSnapToGrid() && (flags & MK_SHIFT) == 0) {
        p = view->SnapDocPoint(p);
    }
    return p;
}

void CSelectTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnDragState& drag = Drag();
    if (!m_bPressed) {
        Hover(view, view->ToDoc(point));
        drag.last = point;
        return;
    }
    switch (drag.selectMode) {
        case SelectNetSelect:
            SetBand(view,
                    QRect(QPoint(drag.down.x, drag.down.y), QPoint(point.x, point.y)).normalized());
            break;
        case SelectMove:
            DragSelection(view, flags, point);
            break;
        case SelectSize:
            DragHandle(view, flags, point);
            break;
        default:
            break;
    }
    const PointF p = view->ToDoc(point);
    drag.lastPoint = CPoint(int(p.X), int(p.Y));
    drag.last = point;
}

void CSelectTool::DragSelection(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnDragState& drag = Drag();
    if (!drag.actionStarted) {
        if (!PastDragStart(point) || view->GetNumberEditable(QarnActionId::Move) == 0 ||
            view->CanAddNewAction(QarnActionId::Move) != CActionRecorder::Allowed) {
            return;
        }
        auto move = std::make_unique<CMoveAction>(view, QarnActionId::Move, view->GetSelection());
        if (view->RecordAction(std::move(move)) == nullptr) {
            return;
        }
        drag.actionStarted = true;
        drag.sizing = false;
        view->SetToolCursor(Qt::SizeAllCursor);
    }
    auto* move = dynamic_cast<CMoveAction*>(view->GetPendingAction());
    if (move == nullptr || move->IsFinished()) {
        return;
    }
    PointF to = view->ToDoc(point);
    PointF delta(to.X - m_ptPress.X, to.Y - m_ptPress.Y);
    // Ctrl keeps the move horizontal or vertical, whichever is longer.
    if ((flags & MK_CONTROL) != 0) {
        if (std::fabs(delta.X) >= std::fabs(delta.Y)) {
            delta.Y = 0;
        } else {
            delta.X = 0;
        }
    }
    // Snapping moves the frame of the selection onto the grid, not the pointer.
    if (view->IsSnapToGrid() && (flags & MK_SHIFT) == 0) {
        const RectF frame =
            move->GetTopLevel().isEmpty() ? RectF() : move->GetTopLevel().first()->GetRectF();
        const PointF corner(frame.X - m_ptApplied.X + delta.X, frame.Y - m_ptApplied.Y + delta.Y);
        const PointF snapped = view->SnapDocPoint(corner);
        delta.X += snapped.X - corner.X;
        delta.Y += snapped.Y - corner.Y;
    }
    if (delta.X != m_ptApplied.X || delta.Y != m_ptApplied.Y) {
        move->MoveBy(delta.X - m_ptApplied.X, delta.Y - m_ptApplied.Y);
        m_ptApplied = delta;
    }
}

bool CSelectTool::StartHandleAction(CQarnView* view, CQarnComponent* component) {
    CQarnDragState& drag = Drag();
    const int handle = drag.dragHandle;
    std::unique_ptr<CQarnAction> action;
    if (component->IsLabelHandle(handle)) {
        if (view->CanAddNewAction(QarnActionId::LabelHandle) != CActionRecorder::Allowed) {
            return false;
        }
        action = std::make_unique<CLabelHandleAction>(view, QarnActionId::LabelHandle, handle,
                                                      component);
    } else {
        if (view->CanAddNewAction(QarnActionId::Resize) != CActionRecorder::Allowed) {
            return false;
        }
        if (auto* connector = dynamic_cast<CQarnConnector*>(component)) {
            action = std::make_unique<CSizeConnectorAction>(view, QarnActionId::Resize, handle,
                                                            m_ptPress, connector);
        } else {
            const std::optional<CQarnHandle> h = component->FindHandle(handle);
            const bool sizing = h && h->kind == QarnHandleKind::Sizing;
            if (sizing && !component->CanSizeX() && !component->CanSizeY()) {
                return false;
            }
            action = std::make_unique<CSizeAction>(view, QarnActionId::Resize, handle, m_ptPress,
                                                   component);
        }
    }
    if (view->RecordAction(std::move(action)) == nullptr) {
        return false;
    }
    drag.actionStarted = true;
    drag.sizing = true;
    return true;
}

void CSelectTool::DragHandle(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnDragState& drag = Drag();
    CQarnComponent* component = m_pDragged;
    if (component == nullptr) {
        return;
    }
    if (!drag.actionStarted && (!PastDragStart(point) || !StartHandleAction(view, component))) {
        return;
    }
    CQarnAction* pending = view->GetPendingAction();
    if (pending == nullptr || pending->IsFinished()) {
        return;
    }
    PointF p = DragPoint(view, flags, point);
    if (auto* label = dynamic_cast<CLabelHandleAction*>(pending)) {
        label->DragTo(p);
        return;
    }
    if (auto* end = dynamic_cast<CSizeConnectorAction*>(pending)) {
        if (IsConnectorEnd(component, drag.dragHandle)) {
            AimConnectorEnd(view, static_cast<CQarnConnector*>(component), p);
        }
        end->DragTo(p);
        drag.dragHandle = end->GetHandle();
        return;
    }
    auto* size = dynamic_cast<CSizeAction*>(pending);
    if (size == nullptr) {
        return;
    }
    // A two-point line dragged by an end with Ctrl turns in steps of 45 degrees.
    if (auto* poly = dynamic_cast<CQarnPoly*>(component);
        poly != nullptr && poly->GetPointCount() == 2 && (flags & MK_CONTROL) != 0) {
        const std::optional<CQarnHandle> h = component->FindHandle(drag.dragHandle);
        if (h && h->kind == QarnHandleKind::LineEnd) {
            PointF other = poly->GetPointArray()[drag.dragHandle == 1 ? 1 : 0];
            poly->TransformPoints(&other, 1);
            p = Qarn::CalculateNewPoint(other, p);
        }
    }
    MoveFlags moveFlags = MoveFlags::Invalidate | MoveFlags::Sizing;
    if ((flags & MK_SHIFT) != 0) {
        moveFlags |= MoveFlags::KeepRatio;
    }
    size->SizeTo(p, moveFlags);
}

void CSelectTool::AimConnectorEnd(CQarnView* view, CQarnConnector* connector, const PointF& p) {
    CQarnDoc* doc = view->GetQarnDocument();
    if (doc == nullptr) {
        return;
    }
    CQarnComponent* target = doc->GetFocusedObj(CPoint(int(p.X), int(p.Y)), connector);
    view->SetConnectionTarget(target);
    view->SetToolCursor(target != nullptr ? Qt::PointingHandCursor : Qt::CrossCursor);
}

// Release.

void CSelectTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnDragState& drag = Drag();
    drag.sizing = false;
    if (drag.actionStarted) {
        if (CQarnAction* pending = view->GetPendingAction();
            pending != nullptr && !pending->IsFinished()) {
            pending->Finish();
        }
        drag.actionStarted = false;
    } else if (drag.selectMode == SelectNetSelect && m_rcBand.width() > 1 &&
               m_rcBand.height() > 1) {
        const CRect band(m_rcBand.left(), m_rcBand.top(), m_rcBand.right() + 1,
                         m_rcBand.bottom() + 1);
        if (view->SelectWithinRect(band, CQarnBaseView::SelectInside, true) != 0) {
            m_bSelectionChanged = true;
        }
    }
    if (m_bSelectionChanged) {
        view->OnSelectionChanged(nullptr);
    }
    view->SetConnectionTarget(nullptr);
    Reset(view);
    CQarnTool::OnLButtonUp(view, flags, point);
    Hover(view, view->ToDoc(point));
}

void CSelectTool::OnLButtonDblClk(CQarnView* view, UINT flags, const CPoint& point) {
    const PointF p = view->ToDoc(point);
    CQarnComponent* hit = view->HitAt(p, view->HitTolerance());
    if ((flags & MK_SHIFT) != 0) {
        if (hit != nullptr && view->IsSelected(hit)) {
            view->Deselect(hit);
            view->OnSelectionChanged(nullptr);
        }
    } else if (hit != nullptr) {
        view->OnDoubleClickComponent(hit);
    }
    CQarnTool::OnLButtonDblClk(view, flags, point);
}

bool CSelectTool::OnEscape(CQarnView* view) {
    if (!m_bPressed) {
        return false;
    }
    if (Drag().actionStarted) {
        view->CancelPendingAction();
    }
    view->SetConnectionTarget(nullptr);
    Reset(view);
    return true;
}

// State.

void CSelectTool::SetBand(CQarnView* view, const QRect& band) {
    m_rcBand = band;
    view->SetRubberBand(band, CQarnView::BandRectangle);
}

void CSelectTool::Reset(CQarnView* view) {
    CQarnDragState& drag = Drag();
    drag.selectMode = SelectNone;
    drag.actionStarted = false;
    drag.sizing = false;
    drag.dragHandle = 0;
    m_bPressed = false;
    m_bSelectionChanged = false;
    m_pDragged = nullptr;
    m_ptApplied = PointF(0, 0);
    if (!m_rcBand.isNull()) {
        m_rcBand = QRect();
    }
    view->SetRubberBand(QRect(), CQarnView::BandRectangle);
}

// Hovering.

void CSelectTool::Hover(CQarnView* view, const PointF& p) {
    const ComponentList& selected = view->GetSelection();
    if (selected.size() == 1) {
        CQarnComponent* only = selected.first();
        const int handle = only->HitTestHandle(p, view->HandleTolerance());
        if (handle != 0) {
            view->SetToolCursor(only->GetHandleCursor(handle));
            return;
        }
    }
    CQarnComponent* under = view->HitAt(p, view->HitTolerance());
    view->SetToolCursor(under != nullptr ? Qt::SizeAllCursor : Qt::ArrowCursor);
}
