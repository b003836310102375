// The handles of a component: the description each shape gives, and the numbering, places as
// shown, cursors, hit tests and adjust drags that follow from it for every shape.
#include <cmath>

#include "core/component.h"
#include "core/conversions.h"
#include "core/label_facet.h"
#include "core/move_flags.h"

namespace {

bool Finite(const PointF& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

// The double arrow along the direction from the centre to the handle, both as shown.
QarnHandleCursor SizingCursor(const PointF& centre, const PointF& handle) {
    const double degrees = std::atan2(double(handle.Y - centre.Y), double(handle.X - centre.X)) *
                           180.0 / 3.14159265358979323846;
    const int sector = int(std::floor(std::fmod(degrees + 360.0 + 22.5, 180.0) / 45.0)) % 4;
    switch (sector) {
        case 0:
            return QarnHandleCursor::SizeHorizontal;
        case 1:
            return QarnHandleCursor::SizeFallingDiagonal;
        case 2:
            return QarnHandleCursor::SizeVertical;
        default:
            return QarnHandleCursor::SizeRisingDiagonal;
    }
}

}  // namespace

// The frame's table.

int CQarnComponent::GetSizingHandleCount() const {
    const bool x = CanSizeX();
    const bool y = CanSizeY();
    if (x && y) {
        return 8;
    }
    return (x || y) ? 2 : 0;
}

QarnHandleId CQarnComponent::GetPhysicalHandle(int handle) const {
    const int sizing = GetSizingHandleCount();
    if (GetLabelFacet() != nullptr && handle == sizing + 1) {
        return QarnHandleId::Label;
    }
    if (sizing == 2 && (handle == 1 || handle == 2)) {
        if (CanSizeX()) {
            return handle == 1 ? QarnHandleId::Right : QarnHandleId::Left;
        }
        return handle == 1 ? QarnHandleId::Top : QarnHandleId::Bottom;
    }
    return handle >= 1 && handle <= 8 ? QarnHandleId(handle) : QarnHandleId::None;
}

PointF CQarnComponent::GetFrameHandle(QarnHandleId id) const {
    const RectF r = GetRectF();
    const float left = r.X;
    const float top = r.Y;
    const float right = r.X + r.Width;
    const float bottom = r.Y + r.Height;
    const float cx = r.X + r.Width / 2;
    const float cy = r.Y + r.Height / 2;
    switch (id) {
        case QarnHandleId::TopLeft:
            return {left, top};
        case QarnHandleId::Top:
            return {cx, top};
        case QarnHandleId::TopRight:
            return {right, top};
        case QarnHandleId::Right:
            return {right, cy};
        case QarnHandleId::BottomRight:
            return {right, bottom};
        case QarnHandleId::Bottom:
            return {cx, bottom};
        case QarnHandleId::BottomLeft:
            return {left, bottom};
        case QarnHandleId::Left:
            return {left, cy};
        case QarnHandleId::None:
        case QarnHandleId::Label:
            break;
    }
    return {cx, cy};
}

// The description.

void CQarnComponent::GetHandles(std::vector<CQarnHandle>& handles) const {
    AddSizingHandles(handles);
    AddLabelHandle(handles);
}

void CQarnComponent::AddSizingHandles(std::vector<CQarnHandle>& handles) const {
    const int sizing = GetSizingHandleCount();
    if (sizing == 8) {
        for (int id = 1; id <= 8; ++id) {
            handles.push_back(
                CQarnHandle::Sizing(QarnHandleId(id), GetFrameHandle(QarnHandleId(id))));
        }
        return;
    }
    if (sizing == 2) {
        for (int number = 1; number <= 2; ++number) {
            const QarnHandleId id = GetPhysicalHandle(number);
            handles.push_back(CQarnHandle::Sizing(id, GetFrameHandle(id)));
        }
    }
}

void CQarnComponent::AddLabelHandle(std::vector<CQarnHandle>& handles) const {
    if (CQarnLabelFacet* label = GetLabelFacet()) {
        handles.push_back(CQarnHandle::Label(label->GetCenterPointF()));
    }
}

std::vector<CQarnHandle> CQarnComponent::GetShownHandles() const {
    std::vector<CQarnHandle> handles;
    if (GetParentGroup() != nullptr) {
        return handles;
    }
    GetHandles(handles);
    PointF centre = GetCenterPointF();
    TransformPoints(&centre, 1);
    int number = 0;
    for (CQarnHandle& h : handles) {
        h.number = h.kind == QarnHandleKind::Marker ? 0 : ++number;
        h.shown = h.point;
        if (h.followsTransform) {
            TransformPoints(&h.shown, 1);
        }
        if (h.kind == QarnHandleKind::Sizing) {
            h.cursor = SizingCursor(centre, h.shown);
        }
    }
    return handles;
}

std::optional<CQarnHandle> CQarnComponent::FindHandle(int handle) const {
    if (handle < 1) {
        return std::nullopt;
    }
    for (const CQarnHandle& h : GetShownHandles()) {
        if (h.number == handle) {
            return h;
        }
    }
    return std::nullopt;
}

// What tools ask of the description.

int CQarnComponent::GetHandleCount() const {
    int count = 0;
    for (const CQarnHandle& h : GetShownHandles()) {
        count += h.number != 0 ? 1 : 0;
    }
    return count;
}

bool CQarnComponent::IsLabelHandle(int handle) const {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    return h && h->kind == QarnHandleKind::Label;
}

PointF CQarnComponent::GetHandle(int handle, int transformed) const {
    if (const std::optional<CQarnHandle> h = FindHandle(handle)) {
        return transformed != 0 ? h->shown : h->point;
    }
    PointF centre = GetCenterPointF();
    if (transformed != 0) {
        TransformPoints(&centre, 1);
    }
    return centre;
}

Qt::CursorShape CQarnComponent::GetHandleCursor(int handle) const {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    return Qarn::ToCursorShape(h ? h->cursor : QarnHandleCursor::Move);
}

CRect CQarnComponent::GetPointRect(CPoint point, CView*) const {
    return CRect(point.x - 3, point.y - 3, point.x + 3, point.y + 3);
}

CRect CQarnComponent::GetHandleRect(int handle, CView* view) const {
    return GetPointRect(Qarn::cast(GetHandle(handle, 1)), view);
}

int CQarnComponent::HitTestHandle(PointF point, float tolerance) const {
    // A negative or undefined tolerance, or an undefined point, hits nothing.
    if (!Finite(point) || !(tolerance >= 0.0f)) {
        return 0;
    }
    const std::vector<CQarnHandle> handles = GetShownHandles();
    const std::vector<const CQarnHandle*> order = Qarn::HandleDrawOrder(handles);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const CQarnHandle& h = **it;
        if (h.number != 0 && std::fabs(point.X - h.shown.X) <= tolerance &&
            std::fabs(point.Y - h.shown.Y) <= tolerance) {
            return h.number;
        }
    }
    return 0;
}

// Adjust handles.

bool CQarnComponent::SetAdjustParameter(int, const PointF&) {
    return false;
}

int CQarnComponent::MoveAdjustHandleTo(int handle, PointF point, MoveFlags flags) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    if (!h || h->kind != QarnHandleKind::Adjust || !Finite(point)) {
        return 0;
    }
    if (h->followsTransform) {
        AntiTransformPoints(&point, 1);
    }
    const PointF placed = h->constraint.Apply(point);
    if (!Finite(placed) || !SetAdjustParameter(h->parameter, placed)) {
        return 0;
    }
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}
