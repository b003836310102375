#include "shapes/rect.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/graphics_path.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnRect, CQarnComponent, 0)

namespace {

constexpr float kNewCornerSize = 16.0f;

// The rectangle's three kinds; the middle word of their names.
[[maybe_unused]] const bool kEllipseKind =
    Qarn::RegisterShapeKind<CQarnRect>(Qarn::kShapeEllipse, "Ellipse");
[[maybe_unused]] const bool kRectangleKind =
    Qarn::RegisterShapeKind<CQarnRect>(Qarn::kShapeRectangle, "Rectangle");
[[maybe_unused]] const bool kRoundRectangleKind =
    Qarn::RegisterShapeKind<CQarnRect>(Qarn::kShapeRoundRectangle, "RoundRectangle");

}  // namespace

CQarnRect::CQarnRect() = default;

CQarnRect::CQarnRect(const RectF& rect)
    : CQarnComponent(rect), m_fCornerWidth(kNewCornerSize), m_fCornerHeight(kNewCornerSize) {
    SetShapeID(Qarn::kShapeRectangle);
}

void CQarnRect::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(0) << PointF(m_fCornerWidth, m_fCornerHeight);
        return;
    }
    std::int32_t reserved = 0;
    PointF corner;
    ar >> reserved >> corner;
    m_fCornerWidth = corner.X;
    m_fCornerHeight = corner.Y;
}

void CQarnRect::Copy(const CQarnRect* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_fCornerWidth = source->m_fCornerWidth;
    m_fCornerHeight = source->m_fCornerHeight;
}

CQarnComponent* CQarnRect::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

bool CQarnRect::IsRoundRect() const {
    return GetShapeID() == Qarn::kShapeRoundRectangle;
}

void CQarnRect::SetCornerSize(float width, float height) {
    m_fCornerWidth = width;
    m_fCornerHeight = height;
}

BOOL CQarnRect::CreateElements(RectF* rect) {
    CQarnComponent::CreateElements(rect);
    RectF r = rect != nullptr ? *rect : GetRectF();
    Qarn::NormalizeRectF(r);
    GraphicsPath* path = GetElement(0)->GetPath();
    switch (GetShapeID()) {
        case Qarn::kShapeEllipse:
            path->AddEllipse(r);
            break;
        case Qarn::kShapeRectangle:
            path->AddRectangle(r);
            break;
        case Qarn::kShapeRoundRectangle: {
            // Corners wider or higher than the frame become half ends (a stadium).
            float rx = m_fCornerWidth / 2;
            float ry = m_fCornerHeight / 2;
            if (2 * rx >= r.Width) {
                rx = r.Width / 2;
            }
            if (2 * ry >= r.Height) {
                ry = r.Height / 2;
            }
            const float w = 2 * rx;
            const float h = 2 * ry;
            const float right = r.X + r.Width;
            const float bottom = r.Y + r.Height;
            path->AddArc(r.X, r.Y, w, h, 180.0f, 90.0f);
            path->AddArc(right - w, r.Y, w, h, 270.0f, 90.0f);
            path->AddArc(right - w, bottom - h, w, h, 0.0f, 90.0f);
            path->AddArc(r.X, bottom - h, w, h, 90.0f, 90.0f);
            path->CloseFigure();
            break;
        }
        default:
            break;
    }
    return TRUE;
}

void CQarnRect::GetHandles(std::vector<CQarnHandle>& handles) const {
    CQarnComponent::GetHandles(handles);
    if (!IsRoundRect()) {
        return;
    }
    RectF r = GetRectF();
    Qarn::NormalizeRectF(r);
    const PointF corner(r.X + r.Width - m_fCornerWidth / 2, r.Y + r.Height - m_fCornerHeight / 2);
    // Between the centre and one unit inside the bottom-right corner of the frame in whole
    // units; on a frame too small for both, the centre wins.
    CRect frame = GetRect();
    frame.NormalizeRect();
    const float cx = float(frame.left + frame.right) / 2;
    const float cy = float(frame.top + frame.bottom) / 2;
    const RectF area(cx, cy, std::max(0.0f, float(frame.right - 1) - cx),
                     std::max(0.0f, float(frame.bottom - 1) - cy));
    handles.push_back(CQarnHandle::Adjust(corner, CQarnHandleConstraint::Within(area)));
}

bool CQarnRect::SetAdjustParameter(int, const PointF& framePoint) {
    CRect frame = GetRect();
    frame.NormalizeRect();
    m_fCornerWidth = 2 * (float(frame.right) - framePoint.X);
    m_fCornerHeight = 2 * (float(frame.bottom) - framePoint.Y);
    return true;
}

int CQarnRect::CornerHandle() const {
    for (const CQarnHandle& h : GetShownHandles()) {
        if (h.kind == QarnHandleKind::Adjust) {
            return h.number;
        }
    }
    return 0;
}

void CQarnRect::SetHandle(int handle, PointF point) {
    const int corner = CornerHandle();
    if (corner == 0 || handle != corner) {
        return;
    }
    RectF r = GetRectF();
    Qarn::NormalizeRectF(r);
    m_fCornerWidth = 2 * (r.X + r.Width - point.X);
    m_fCornerHeight = 2 * (r.Y + r.Height - point.Y);
}

int CQarnRect::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const int corner = CornerHandle();
    if (corner != 0 && handle == corner) {
        return MoveAdjustHandleTo(handle, point, flags);
    }
    const int moved = CQarnComponent::MoveHandleTo(handle, point, flags);
    if (moved != 0 && IsRoundRect() && !IsLabelHandle(handle)) {
        const RectF r = GetRectF();
        m_fCornerWidth = std::min(m_fCornerWidth, std::fabs(r.Width) / 2);
        m_fCornerHeight = std::min(m_fCornerHeight, std::fabs(r.Height) / 2);
        ResetPath();
    }
    return moved;
}

QString CQarnRect::GetName() {
    if (!m_strName.isEmpty()) {
        return m_strName;
    }
    // Only the rectangle's own kinds have a word here; any other shape id is an error.
    const CQarnShapeKind* kind = Qarn::FindShapeKind(GetShapeID());
    if (kind == nullptr || kind->runtimeClass != RUNTIME_CLASS(CQarnRect)) {
        return QStringLiteral("error");
    }
    return QStringLiteral("%1-%2-%3")
        .arg(QString::fromLatin1(GetRuntimeClass()->m_lpszClassName), kind->kindWord)
        .arg(int(GetID()));
}
