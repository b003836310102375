// Moving and sizing a component by its frame and handles; handle tables and anchors.
#include <algorithm>
#include <cmath>

#include "core/component.h"
#include "core/configuration.h"
#include "core/conversions.h"
#include "core/doc.h"
#include "core/label_facet.h"
#include "core/move_flags.h"
#include "core/shadow_facet.h"
#include "core/text_facet.h"
#include "platform/matrix.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

namespace {

constexpr MoveFlags kKeepRatio = MoveFlags::KeepRatio;

bool Finite(const RectF& r) {
    return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
           std::isfinite(r.Height);
}

// Turns a direction code one quarter clockwise; "no direction" stays.
int TurnClockwise(int direction) {
    switch (direction) {
        case 1:
            return 2;
        case 2:
            return 4;
        case 4:
            return 8;
        case 8:
            return 1;
        default:
            return direction;
    }
}

}  // namespace

// Facets of the properties.

CQarnLabelFacet* CQarnComponent::GetLabelFacet() const {
    return dynamic_cast<CQarnLabelFacet*>(GetProperty(QARN_PROP_LABEL));
}

CQarnShadowFacet* CQarnComponent::GetShadowFacet() const {
    return dynamic_cast<CQarnShadowFacet*>(GetProperty(QARN_PROP_SHADOW));
}

CQarnTextFacet* CQarnComponent::GetTextFacet() const {
    return dynamic_cast<CQarnTextFacet*>(GetProperty(QARN_PROP_TEXT));
}

// Moving and sizing.

void CQarnComponent::Invalidate(CView* view, bool erase) {
    (void)view;
    (void)erase;
    if (Qarn::GetVizEffect() == 1) {
        DropEffectCache();
    }
    // Every view of the document repaints where the component was and where it is.
    if (CQarnDoc* doc = GetDocument()) {
        doc->NotifyComponentChanged(this, Qarn::ComponentChange::Appearance);
    }
}

void CQarnComponent::RequestOutline(bool label) {
    if (CQarnDoc* doc = GetDocument()) {
        doc->NotifyComponentChanged(
            this, label ? Qarn::ComponentChange::LabelOutline : Qarn::ComponentChange::Outline);
    }
}

void CQarnComponent::HonourMoveFlags(MoveFlags flags, bool label) {
    if (flags.Has(MoveFlags::Invalidate)) {
        Invalidate(nullptr, false);
    } else if (flags.Has(MoveFlags::Outline)) {
        RequestOutline(label);
    }
}

int CQarnComponent::MoveTo(const RectF& rect, MoveFlags flags) {
    if (rect == GetRectF()) {
        return 0;
    }
    SetRectF(rect);
    ResetPath();
    // A sizing drag keeps the rotate centre where it is until the drag ends.
    if (!flags.Has(MoveFlags::Sizing)) {
        UpdateRotateCenter();
    }
    HonourMoveFlags(flags);
    return 1;
}

int CQarnComponent::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    if (IsLabelHandle(handle)) {
        return MoveLabelHandleTo(handle, point, flags);
    }
    const int physical = GetPhysicalHandle(handle);
    if (physical < 1 || physical > 8) {
        return 0;
    }
    AntiTransformPoints(&point, 1);
    const RectF old = GetRectF();
    float left = old.X;
    float top = old.Y;
    float right = old.X + old.Width;
    float bottom = old.Y + old.Height;
    const float w = old.Width;
    const float h = old.Height;
    // Keeping the ratio needs both extents; a flat frame is sized edge by edge.
    const bool keepRatio = (IsRatioLocked() || (flags & kKeepRatio) != 0) && w != 0.0f && h != 0.0f;
    if (keepRatio) {
        switch (physical) {
            case 1:
                left = point.X;
                top = top + (point.X - old.X) * h / w;
                break;
            case 2: {
                top = point.Y;
                const float d = (point.Y - old.Y) * w / h * 0.5f;
                left += d;
                right -= d;
                break;
            }
            case 3:
                top = point.Y;
                right = right - (point.Y - old.Y) * w / h;
                break;
            case 4: {
                right = point.X;
                const float d = (point.X - (old.X + old.Width)) * h / w * 0.5f;
                top -= d;
                bottom += d;
                break;
            }
            case 5:
                bottom = point.Y;
                right = right + (point.Y - (old.Y + old.Height)) * w / h;
                break;
            case 6: {
                bottom = point.Y;
                const float d = (point.Y - (old.Y + old.Height)) * w / h * 0.5f;
                right += d;
                left -= d;
                break;
            }
            case 7:
                bottom = point.Y;
                left = left - (point.Y - (old.Y + old.Height)) * w / h;
                break;
            case 8: {
                left = point.X;
                const float d = (point.X - old.X) * h / w * 0.5f;
                top += d;
                bottom -= d;
                break;
            }
        }
    } else {
        if (physical == 1 || physical == 7 || physical == 8) {
            left = point.X;
        }
        if (physical == 3 || physical == 4 || physical == 5) {
            right = point.X;
        }
        if (physical == 1 || physical == 2 || physical == 3) {
            top = point.Y;
        }
        if (physical == 5 || physical == 6 || physical == 7) {
            bottom = point.Y;
        }
    }
    const RectF sized(left, top, right - left, bottom - top);
    if (!Finite(sized) || std::fabs(sized.Width) < 0.5f || std::fabs(sized.Height) < 0.5f ||
        sized == old) {
        return 0;
    }
    SetRectF(sized);
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}

int CQarnComponent::MoveLabelHandleTo(int, PointF point, MoveFlags flags) {
    CQarnLabelFacet* label = GetLabelFacet();
    if (label == nullptr) {
        return 0;
    }
    RectF r = label->GetRectF();
    const PointF c = label->GetCenterPointF();
    r.Offset(point.X - c.X, point.Y - c.Y);
    label->SetRectF(r);
    HonourMoveFlags(flags, true);
    return 1;
}

PointF CQarnComponent::GetFixPoint(int handle) const {
    const int physical = GetPhysicalHandle(handle);
    if (physical < 1 || physical > 8) {
        return GetRectF().GetLocation();
    }
    int opposite = (physical + 4) % 8;
    return GetFrameHandle(opposite == 0 ? 8 : opposite);
}

// Handles.

int CQarnComponent::GetSizingHandleCount() const {
    const bool x = CanSizeX();
    const bool y = CanSizeY();
    if (x && y) {
        return 8;
    }
    return (x || y) ? 2 : 0;
}

int CQarnComponent::GetHandleCount() const {
    return GetSizingHandleCount() + (GetLabelFacet() != nullptr ? 1 : 0);
}

bool CQarnComponent::IsLabelHandle(int handle) const {
    return GetLabelFacet() != nullptr && handle == GetSizingHandleCount() + 1;
}

int CQarnComponent::GetPhysicalHandle(int handle) const {
    if (IsLabelHandle(handle)) {
        return 9;
    }
    if (GetSizingHandleCount() == 2 && (handle == 1 || handle == 2)) {
        if (CanSizeX()) {
            return handle == 1 ? 4 : 8;
        }
        return handle == 1 ? 2 : 6;
    }
    return handle >= 1 && handle <= 8 ? handle : 0;
}

PointF CQarnComponent::GetFrameHandle(int physical) const {
    const RectF r = GetRectF();
    const float left = r.X;
    const float top = r.Y;
    const float right = r.X + r.Width;
    const float bottom = r.Y + r.Height;
    const float cx = r.X + r.Width / 2;
    const float cy = r.Y + r.Height / 2;
    switch (physical) {
        case 1:
            return {left, top};
        case 2:
            return {cx, top};
        case 3:
            return {right, top};
        case 4:
            return {right, cy};
        case 5:
            return {right, bottom};
        case 6:
            return {cx, bottom};
        case 7:
            return {left, bottom};
        case 8:
            return {left, cy};
        default:
            return {cx, cy};
    }
}

PointF CQarnComponent::GetHandle(int handle, int transformed) const {
    const int physical = GetPhysicalHandle(handle);
    if (physical == 9) {
        // A label without a rectangle of its own sits on the frame's centre.
        CQarnLabelFacet* label = GetLabelFacet();
        return label != nullptr ? label->GetCenterPointF() : GetCenterPointF();
    }
    PointF p = GetFrameHandle(physical);
    if (transformed != 0) {
        TransformPoints(&p, 1);
    }
    return p;
}

Qt::CursorShape CQarnComponent::GetHandleCursor(int handle) const {
    const int physical = GetPhysicalHandle(handle);
    if (physical < 1 || physical > 8) {
        return Qt::SizeAllCursor;
    }
    // The direction from the centre to the handle as shown picks one of four size cursors.
    PointF centre = GetCenterPointF();
    PointF p = GetFrameHandle(physical);
    TransformPoints(&centre, 1);
    TransformPoints(&p, 1);
    const double degrees =
        std::atan2(double(p.Y - centre.Y), double(p.X - centre.X)) * 180.0 / 3.14159265358979323846;
    const int sector = int(std::floor(std::fmod(degrees + 360.0 + 22.5, 180.0) / 45.0)) % 4;
    switch (sector) {
        case 0:
            return Qt::SizeHorCursor;
        case 1:
            return Qt::SizeFDiagCursor;
        case 2:
            return Qt::SizeVerCursor;
        default:
            return Qt::SizeBDiagCursor;
    }
}

CRect CQarnComponent::GetPointRect(CPoint point, CView*) const {
    return CRect(point.x - 3, point.y - 3, point.x + 3, point.y + 3);
}

CRect CQarnComponent::GetHandleRect(int handle, CView* view) const {
    return GetPointRect(Qarn::cast(GetHandle(handle, 1)), view);
}

// Anchors.

PointF CQarnComponent::GetAnchorPoint(int anchor) const {
    static constexpr int kHandleOfAnchor[] = {0, 2, 4, 6, 8};
    PointF p = GetFrameHandle(anchor >= 1 && anchor <= 4 ? kHandleOfAnchor[anchor] : 0);
    TransformPoints(&p, 1);
    return p;
}

int CQarnComponent::GetAnchorDirection(int anchor) const {
    const RectF r = GetRectF();
    int direction = 16;
    switch (anchor) {
        case 1:
            direction = r.Height <= 0 ? 4 : 1;
            break;
        case 2:
            direction = r.Width <= 0 ? 8 : 2;
            break;
        case 3:
            direction = r.Height <= 0 ? 1 : 4;
            break;
        case 4:
            direction = r.Width <= 0 ? 2 : 8;
            break;
        default:
            return 16;
    }
    if (GetHoriFlip() && (direction == 2 || direction == 8)) {
        direction = direction == 2 ? 8 : 2;
    }
    if (GetVertFlip() && (direction == 1 || direction == 4)) {
        direction = direction == 1 ? 4 : 1;
    }
    // Whole degrees taken into [0, 360), then one quarter turn per 90 degrees (from 45 on).
    double whole = std::fmod(std::trunc(double(m_fRotateAngle)), 360.0);
    if (whole < 0) {
        whole += 360.0;
    }
    const int turns = (int(whole) + 45) / 90;
    for (int i = 0; i < turns; ++i) {
        direction = TurnClockwise(direction);
    }
    return direction;
}

float CQarnComponent::GetAnchorToBoundDistance(int anchor, int direction) const {
    const RectF r = GetRectF();
    PointF corners[4] = {
        {r.X, r.Y}, {r.X + r.Width, r.Y}, {r.X + r.Width, r.Y + r.Height}, {r.X, r.Y + r.Height}};
    TransformPoints(corners, 4);
    float left = corners[0].X;
    float right = left;
    float top = corners[0].Y;
    float bottom = top;
    for (const PointF& c : corners) {
        left = std::min(left, c.X);
        right = std::max(right, c.X);
        top = std::min(top, c.Y);
        bottom = std::max(bottom, c.Y);
    }
    const PointF a = GetAnchorPoint(anchor);
    float distance = 0.0f;
    switch (direction) {
        case 1:
            distance = a.Y - top;
            break;
        case 2:
            distance = right - a.X;
            break;
        case 4:
            distance = bottom - a.Y;
            break;
        case 8:
            distance = a.X - left;
            break;
        default:
            return 0.0f;
    }
    return std::max(distance, 0.0f);
}

int CQarnComponent::GetNearbyAnchor(PointF point) const {
    if (CanAnchorAnyWhere()) {
        return 0;
    }
    const int count = GetAnchorCount();
    if (count < 1) {
        return -1;
    }
    int nearest = 1;
    double best = -1.0;
    for (int i = 1; i <= count; ++i) {
        const PointF a = GetAnchorPoint(i);
        const double dx = double(a.X) - point.X;
        const double dy = double(a.Y) - point.Y;
        const double d = dx * dx + dy * dy;
        if (best < 0.0 || d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}
