#include "shapes/point.h"

#include "core/element.h"
#include "core/layer.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/solid_brush.h"

QARN_IMPLEMENT_SERIAL(CQarnPoint, CQarnComponent, 0)

namespace {

constexpr float kHalfSize = 3.0f;
// The tracker's dot, across.
constexpr float kTrackerDot = 7.0f;

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
    auto* clone = new CQarnPoint(GetRectF());
    clone->ClearAllProperty();
    clone->Copy(this);
    if (layer != nullptr) {
        layer->AddTail(clone);
    }
    return clone;
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

PointF CQarnPoint::GetHandle(int, int transformed) const {
    PointF p = GetCenterPointF();
    if (transformed != 0) {
        TransformPoints(&p, 1);
    }
    return p;
}

Qt::CursorShape CQarnPoint::GetHandleCursor(int) const {
    return Qt::SizeAllCursor;
}

int CQarnPoint::MoveHandleTo(int, PointF point, DWORD) {
    AntiTransformPoints(&point, 1);
    const PointF c = GetCenterPointF();
    RectF r = GetRectF();
    r.Offset(point.X - c.X, point.Y - c.Y);
    MoveTo(r, 5);
    return 1;
}

PointF CQarnPoint::GetAnchorPoint(int) const {
    PointF p = GetCenterPointF();
    TransformPoints(&p, 1);
    return p;
}

void CQarnPoint::DrawTracker(CDC* dc, TrackerState state, float scale) {
    if (dc == nullptr || dc->GetPainter() == nullptr ||
        (state != TrackerSelected && state != TrackerActive)) {
        return;
    }
    Graphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    SolidBrush dot(Color(state == TrackerSelected ? 0xC800FF00u : 0xC80000FFu));
    const PointF p = GetHandle(0, 1);
    const float d = kTrackerDot * scale;
    graphics.FillEllipse(&dot, RectF(p.X - d / 2, p.Y - d / 2, d, d));
}
