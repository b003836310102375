#include "shapes/point.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "core/element.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/graphics_path.h"

QARN_IMPLEMENT_SERIAL(CQarnPoint, CQarnComponent, 0)

namespace {

constexpr float kHalfSize = 3.0f;

}  // namespace

CQarnPoint::CQarnPoint() = default;

CQarnPoint::CQarnPoint(const RectF& rect) : CQarnComponent(rect) {
    FixGeometry();
}

CQarnPoint::CQarnPoint(const PointF& center)
    : CQarnComponent(
          RectF(center.X - kHalfSize, center.Y - kHalfSize, 2 * kHalfSize, 2 * kHalfSize)) {
    FixGeometry();
}

void CQarnPoint::FixGeometry() {
    m_dwStyle |= QARN_STYLE_FIXW | QARN_STYLE_FIXH | QARN_STYLE_NOROTATE | QARN_STYLE_NOFLIP;
}

void CQarnPoint::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::uint8_t(m_nMarkerStyle) << m_fMarkerRadius;
        return;
    }
    std::uint8_t style = 0;
    float radius = 0.0f;
    ar >> style >> radius;
    m_nMarkerStyle = style;
    SetMarkerRadius(radius);
}

void CQarnPoint::Copy(const CQarnPoint* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_nMarkerStyle = source->m_nMarkerStyle;
    m_fMarkerRadius = source->m_fMarkerRadius;
}

CQarnComponent* CQarnPoint::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

BOOL CQarnPoint::CreateElements(RectF* rect) {
    CQarnComponent::CreateElements(rect);
    const RectF r = rect != nullptr ? *rect : GetRectF();
    const float cx = r.X + r.Width / 2;
    const float cy = r.Y + r.Height / 2;
    const float d = m_fMarkerRadius;
    GraphicsPath* path = GetElement(0)->GetPath();
    switch (m_nMarkerStyle) {
        case MarkerCross:
            path->AddLine(cx - d, cy - d, cx + d, cy + d);
            path->CloseFigure();
            path->AddLine(cx - d, cy + d, cx + d, cy - d);
            break;
        case MarkerPlus:
            path->AddLine(cx - d, cy, cx + d, cy);
            path->CloseFigure();
            path->AddLine(cx, cy - d, cx, cy + d);
            break;
        case MarkerTriangle:
            path->AddLine(cx, cy - d, cx + d, cy + d);
            path->AddLine(cx + d, cy + d, cx - d, cy + d);
            path->CloseFigure();
            break;
        case MarkerCircle:
            path->AddEllipse(cx - d, cy - d, 2 * d, 2 * d);
            break;
        case MarkerSquare:
            path->AddRectangle(RectF(cx - d, cy - d, 2 * d, 2 * d));
            break;
        case MarkerDiamond:
            path->AddLine(cx - d, cy, cx, cy - d);
            path->AddLine(cx + d, cy, cx, cy + d);
            path->CloseFigure();
            break;
        default:
            break;
    }
    return TRUE;
}

void CQarnPoint::GetHandles(std::vector<CQarnHandle>& handles) const {
    handles.push_back(CQarnHandle::Marker(GetCenterPointF()));
}

bool CQarnPoint::HitTestShape(PointF point, float tolerance) {
    PointF centre = GetCenterPointF();
    TransformPoints(&centre, 1);
    const double reach = double(tolerance) + std::max(0.0f, m_fMarkerRadius) +
                         (GetDrawLine() ? GetLineWidth() / 2.0 : 0.0);
    return std::hypot(double(point.X) - centre.X, double(point.Y) - centre.Y) <= reach;
}

int CQarnPoint::MoveHandleTo(int, PointF point, MoveFlags) {
    AntiTransformPoints(&point, 1);
    const PointF c = GetCenterPointF();
    RectF r = GetRectF();
    r.Offset(point.X - c.X, point.Y - c.Y);
    MoveTo(r, MoveFlags::Invalidate | MoveFlags::Members);
    return 1;
}

PointF CQarnPoint::GetAnchorPoint(int) const {
    PointF p = GetCenterPointF();
    TransformPoints(&p, 1);
    return p;
}
