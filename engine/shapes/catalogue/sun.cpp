#include "shapes/catalogue/sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeSun, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kSun = Qarn::RegisterShapeKind<CQarnShapeSun>(18237, "");

// The disc's radius runs between these fractions of the frame's half width, so that rays and
// disc never meet and the rays never vanish.
constexpr float kSmallestDisc = 0.25f;
constexpr float kLargestDisc = 0.75f;

}  // namespace

CQarnShapeSun::CQarnShapeSun() : CQarnShapeBase(1) {}

CQarnShapeSun::CQarnShapeSun(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y + rect.Height / 2), 0);
}

void CQarnShapeSun::SetRayCount(int count) {
    m_nCount = std::clamp(count, kMinRays, kMaxRays);
}

void CQarnShapeSun::Copy(const CQarnShapeSun* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nCount = source->m_nCount;
}

CQarnComponent* CQarnShapeSun::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeSun::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_nCount);
        return;
    }
    std::int32_t count = 0;
    ar >> count;
    if (count < kMinRays || count > kMaxRays) {
        ar.FailAt(ar.Position() - 4, QStringLiteral("a sun of %1 rays").arg(count));
    }
    m_nCount = count;
}

CQarnHandleConstraint CQarnShapeSun::GetFreeHandleConstraint(int) const {
    return CQarnHandleConstraint::WithinFrame(GetRectF(), (1 - kLargestDisc) / 2, 0.5f,
                                              (1 - kSmallestDisc) / 2, 0.5f);
}

void CQarnShapeSun::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const double cx = r.X + r.Width / 2.0;
    const double cy = r.Y + r.Height / 2.0;
    const double rx = std::fabs(r.Width / 2.0);
    const double ry = std::fabs(r.Height / 2.0);
    // The disc's radius and where the rays start, as fractions of the frame's radii.
    const double disc = rx > 0 ? std::min(std::fabs(cx - GetFreeHandle(0).X) / rx, 1.0) : 0.0;
    const double base = (3 * disc + 1) / 4;
    auto at = [&](double fraction, double theta) {
        return PointF(float(cx + fraction * rx * std::cos(theta)),
                      float(cy + fraction * ry * std::sin(theta)));
    };
    GraphicsPath& sun = figures.emplace_back().path;
    sun.AddEllipse(RectF(float(cx - disc * rx), float(cy - disc * ry), float(2 * disc * rx),
                         float(2 * disc * ry)));
    const double step = 2 * std::numbers::pi / m_nCount;
    for (int k = 0; k < m_nCount; ++k) {
        const double theta = k * step;
        const PointF ray[3] = {at(1, theta), at(base, theta + step / 3),
                               at(base, theta - step / 3)};
        sun.AddPolygon(ray, 3);
    }
}
