// Moving and sizing a component by its frame and handles, and its anchors.
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
    const RectF old = GetRectF();
    if (rect == old) {
        return 0;
    }
    SetRectF(rect);
    // A move that keeps the size carries the built outline along (a drag of many components
    // would otherwise rebuild every one of them at every step).
    const bool sameSize = rect.Width == old.Width && rect.Height == old.Height;
    if (!sameSize || !OffsetOutline(rect.X - old.X, rect.Y - old.Y)) {
        ResetPath();
    }
    // A sizing drag keeps the rotate centre where it is until the drag ends.
    if (!flags.Has(MoveFlags::Sizing)) {
        UpdateRotateCenter();
    }
    HonourMoveFlags(flags);
    return 1;
}

int CQarnComponent::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const QarnHandleId id = GetPhysicalHandle(handle);
    if (id == QarnHandleId::Label) {
        return MoveLabelHandleTo(handle, point, flags);
    }
    const int physical = int(id);
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
    const int physical = int(GetPhysicalHandle(handle));
    if (physical < 1 || physical > 8) {
        return GetRectF().GetLocation();
    }
    const int opposite = (physical + 4) % 8;
    return GetFrameHandle(QarnHandleId(opposite == 0 ? 8 : opposite));
}

// Anchors.

PointF CQarnComponent::GetAnchorPoint(int anchor) const {
    static constexpr QarnHandleId kHandleOfAnchor[] = {QarnHandleId::None, QarnHandleId::Top,
                                                       QarnHandleId::Right, QarnHandleId::Bottom,
                                                       QarnHandleId::Left};
    PointF p =
        GetFrameHandle(anchor >= 1 && anchor <= 4 ? kHandleOfAnchor[anchor] : QarnHandleId::None);
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
