// Dragging a connector's handles onto shapes and its legs sideways; moving, shifting and
// normalising it with its handles; its property ids.
#include <cmath>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/conversions.h"
#include "core/doc.h"
#include "core/move_flags.h"
#include "core/moving_components.h"
#include "core/property_ids.h"
#include "core/rect_geometry.h"
#include "platform/variant.h"

namespace {

constexpr float kSamePoint = 0.0001f;

bool SamePoint(const PointF& a, const PointF& b) {
    return std::fabs(a.X - b.X) < kSamePoint && std::fabs(a.Y - b.Y) < kSamePoint;
}

}  // namespace

// Handles.

int CQarnConnector::MoveEndHandleTo(bool start, PointF point) {
    // The component the drag tool has marked as the place to attach, in this connector's
    // document.
    CQarnDoc* doc = GetDocument();
    CQarnComponent* focused = doc != nullptr ? doc->GetConnectionTarget() : nullptr;
    if (focused == this) {
        focused = nullptr;
    }
    CQarnConnection* current = EndConnection(start);
    if (current != nullptr && current->GetComponent() != focused) {
        AttachConnection(nullptr, start);
        current = nullptr;
    }
    if (current == nullptr) {
        if (focused != nullptr) {
            const int anchor = focused->GetNearbyAnchor(point);
            if (anchor != -1 && !focused->BeenConnectedBy(this)) {
                auto* connection = new CQarnConnection(focused, anchor, this, point);
                AttachConnection(connection, start);
                point = connection->GetConnectPoint();
            }
        }
    } else {
        const int anchor = focused->GetNearbyAnchor(point);
        if (anchor == 0) {
            current->SetAnchor(0);
            current->SetPoint(point);
        } else if (anchor >= 1) {
            if (current->GetAnchor() == anchor) {
                return 0;
            }
            current->SetAnchor(anchor);
            point = focused->GetAnchorPoint(anchor);
            current->SetPoint(point);
        }
    }
    MovePointTo(start ? 1 : GetPointCount(), point, 0);
    if (NeedAutoLayout()) {
        AutoLayout();
    }
    ResetHandles();
    m_nDraggedHandle = start ? 1 : m_nHandleCount;
    return 1;
}

void CQarnConnector::MoveMiddleHandleTo(int handle, PointF point) {
    AntiTransformPoints(&point, 1);
    PointF a = GetPoint(handle, 0);
    PointF b = GetPoint(handle + 1, 0);
    // The leg slides sideways: a vertical leg only across, any other only up or down.
    if (a.X == b.X) {
        a.X = b.X = point.X;
    } else {
        a.Y = b.Y = point.Y;
    }
    SetPoint(handle, a, 0);
    SetPoint(handle + 1, b, 0);
    ResetHandles();
    m_nDraggedHandle = handle;
}

int CQarnConnector::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    if (handle < 1 || handle > m_nHandleCount || GetPointCount() < 2) {
        return 0;
    }
    if (handle == 1 || handle == m_nHandleCount) {
        if (MoveEndHandleTo(handle == 1, point) == 0) {
            return 0;
        }
    } else {
        MoveMiddleHandleTo(handle, point);
    }
    ResetPath();
    RecalcBounds(0);
    HonourMoveFlags(flags);
    return 1;
}

// Moving and transforming.

int CQarnConnector::MoveTo(const RectF& rect, MoveFlags flags) {
    const RectF old = GetRectF();
    const int moved = CQarnPoly::MoveTo(rect, flags);
    if (moved != 0) {
        Qarn::TransformPoints(m_Handles.data(), m_nHandleCount, old, rect);
    }
    return moved;
}

void CQarnConnector::Shift(float dx, float dy) {
    CQarnPoly::Shift(dx, dy);
    for (PointF& h : m_Handles) {
        h.X += dx;
        h.Y += dy;
    }
}

void CQarnConnector::Normalize() {
    TransformPoints(m_Handles.data(), m_nHandleCount);
    CQarnPoly::Normalize();
}

bool CQarnConnector::CanFlip() const {
    return GetParentGroup() != nullptr && CQarnPoly::CanFlip();
}

void CQarnConnector::OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change) {
    CQarnPoly::OnPositionChanged(oldRect, moving, change);
    if (moving == nullptr) {
        return;
    }
    // Dragged away without its shape: that end lets go.
    for (bool start : {true, false}) {
        CQarnConnection* c = EndConnection(start);
        if (c == nullptr || CMovingComponents::Contains(moving, c->GetComponent())) {
            continue;
        }
        const PointF end = GetPoint(start ? 1 : GetPointCount(), 1);
        if (!SamePoint(end, c->GetConnectPoint())) {
            AttachConnection(nullptr, start);
        }
    }
}

// Property ids.

CVariant CQarnConnector::GetPropValue(UINT id) {
    switch (id) {
        case QarnPropId::ConnectorType:
            return CVariant(std::int32_t(m_nConnectorType));
        case QarnPropId::ConnectorToEdge:
            return CVariant(std::int32_t(m_nToEdge));
        default:
            return CQarnPoly::GetPropValue(id);
    }
}

HRESULT CQarnConnector::SetPropValue(const CVariant& value, UINT id) {
    if (id != QarnPropId::ConnectorType && id != QarnPropId::ConnectorToEdge) {
        return CQarnPoly::SetPropValue(value, id);
    }
    CVariant converted;
    const HRESULT hr = value.ChangeType(VT_I4, &converted);
    if (FAILED(hr)) {
        return hr;
    }
    const std::int32_t v = converted.GetI4();
    if (id == QarnPropId::ConnectorType) {
        // Only the four kinds of connector can be drawn and routed.
        if (v < TypeElbow || v > TypeRoundCorner) {
            return E_INVALIDARG;
        }
        m_nConnectorType = WORD(v);
        ResetPath();
        RecalcBounds(0);
        return S_OK;
    }
    if (v < 0 || v > 0xFFFF) {
        return DISP_E_OVERFLOW;
    }
    m_nToEdge = WORD(v);
    ResetPath();
    return S_OK;
}
