#include "view/tools/connector_tool.h"

#include <cstdlib>

#include "connectors/connector.h"
#include "core/arrow_type.h"
#include "core/doc.h"
#include "undo/action_ids.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/select_tool.h"

QARN_IMPLEMENT_DYNAMIC(CConnectorTool, CDrawTool)

namespace {

// The three arrow-head styles of each kind follow its first identifier.
constexpr UINT kStyles = 3;

bool InFamily(UINT id, UINT first) {
    return id >= first && id < first + kStyles;
}

}  // namespace

CConnectorTool::CConnectorTool(UINT id) : CDrawTool(id) {}

WORD CConnectorTool::ConnectorTypeOf(UINT id) {
    if (InFamily(id, QarnCmd::ToolConnectorDirect)) {
        return CQarnConnector::TypeDirect;
    }
    if (InFamily(id, QarnCmd::ToolConnectorCurved)) {
        return CQarnConnector::TypeCurved;
    }
    if (InFamily(id, QarnCmd::ToolConnectorRounded)) {
        return CQarnConnector::TypeRoundCorner;
    }
    return CQarnConnector::TypeElbow;
}

int CConnectorTool::ArrowStyleOf(UINT id) {
    for (UINT first : {QarnCmd::ToolConnector, QarnCmd::ToolConnectorCurved,
                       QarnCmd::ToolConnectorDirect, QarnCmd::ToolConnectorRounded}) {
        if (InFamily(id, first)) {
            return int(id - first);
        }
    }
    return 0;
}

CQarnConnector* CConnectorTool::GetConnector() const {
    return static_cast<CQarnConnector*>(GetDrawn());
}

std::unique_ptr<CQarnConnector> CConnectorTool::CreateConnector(PointF p) const {
    auto connector = std::make_unique<CQarnConnector>(RectF(p.X, p.Y, 0, 0));
    const WORD type = ConnectorTypeOf(GetID());
    connector->SetConnectorType(type);
    connector->SetAutoLayout(type != CQarnConnector::TypeDirect);
    if (type == CQarnConnector::TypeCurved) {
        connector->SetPolyStyle(CQarnPoly::JoinCurve);
    }
    switch (ArrowStyleOf(GetID())) {
        case 1:
            connector->SetStartArrow(ArrowTypeNone);
            connector->SetEndArrow(ArrowTypeArrow);
            break;
        case 2:
            connector->SetStartArrow(ArrowTypeArrow);
            connector->SetEndArrow(ArrowTypeArrow);
            break;
        default:
            break;
    }
    connector->SetClosed(false);
    connector->AddPoint(p);
    // The end starts a unit away, so that it never repeats the start.
    connector->AddPoint(PointF(p.X + 1, p.Y));
    connector->RecalcBounds(0);
    connector->ResetHandles();
    connector->UpdateRotateCenter();
    connector->ResetPath();
    return connector;
}

CQarnComponent* CConnectorTool::Aim(CQarnView* view, PointF p, const CQarnComponent* exclude) {
    CQarnDoc* doc = view->GetDoc();
    CQarnComponent* target =
        doc != nullptr ? doc->GetFocusedObj(CPoint(int(p.X), int(p.Y)), exclude) : nullptr;
    view->SetConnectionTarget(target);
    return target;
}

void CConnectorTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    SetPressPoint(point);
    if (view->CanAddNewAction(QarnActionId::AddObject) != CActionRecorder::Allowed) {
        return;
    }
    const PointF p = ToolPoint(view, flags, point);
    CQarnComponent* start = Aim(view, p, nullptr);
    if (!AddDrawn(view, CreateConnector(p))) {
        view->SetConnectionTarget(nullptr);
        return;
    }
    CQarnConnector* connector = GetConnector();
    if (start != nullptr) {
        // The start rests on the anchor of the shape nearest to the press.
        connector->MoveHandleTo(1, p, MoveFlags::Invalidate);
    }
    view->SetConnectionTarget(nullptr);
    CQarnDragState& drag = Drag();
    drag.dragHandle = connector->GetStoredHandleCount();
    drag.lastPoint = CPoint(int(p.X), int(p.Y));
}

void CConnectorTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    const PointF p = ToolPoint(view, flags, point);
    CQarnConnector* connector = GetConnector();
    CQarnComponent* target = Aim(view, p, connector);
    view->SetToolCursor(target != nullptr ? Qt::PointingHandCursor : Qt::CrossCursor);
    if (connector == nullptr || (flags & MK_LBUTTON) == 0) {
        return;
    }
    connector->MoveHandleTo(connector->GetStoredHandleCount(), p,
                            MoveFlags::Invalidate | MoveFlags::Sizing);
    Drag().dragHandle = connector->GetStoredHandleCount();
}

void CConnectorTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (CQarnConnector* connector = GetConnector()) {
        const CPoint down = GetPressPoint();
        if (std::abs(point.x - down.x) < CSelectTool::kDragStartPixels &&
            std::abs(point.y - down.y) < CSelectTool::kDragStartPixels) {
            // A click draws no connector and leaves no trace.
            TakeBackDrawn(view);
        } else {
            const PointF p = ToolPoint(view, flags, point);
            Aim(view, p, connector);
            connector->MoveHandleTo(connector->GetStoredHandleCount(), p, MoveFlags::Invalidate);
            connector->OnFinishedMove();
            connector->ResetPath();
            connector->Invalidate(nullptr, false);
            FinishDrawn();
            view->OnSelectionChanged(nullptr);
        }
    }
    view->SetConnectionTarget(nullptr);
    CQarnTool::OnLButtonUp(view, flags, point);
}

bool CConnectorTool::OnEscape(CQarnView* view) {
    view->SetConnectionTarget(nullptr);
    return CDrawTool::OnEscape(view);
}
