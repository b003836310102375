#include "shapes/catalogue/star.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeStar, CQarnShapeBase, 0)

namespace {

// Where the free handle starts, as a fraction of the width from the left edge.
constexpr float kDefaultHandle = 0.29294002f;

template <int Points>
void WithPoints(CQarnShapeStar& star) {
    star.SetPointCount(Points);
}

[[maybe_unused]] const bool kStars =
    Qarn::RegisterShapeKind<CQarnShapeStar>(18290, "", &WithPoints<4>) &&
    Qarn::RegisterShapeKind<CQarnShapeStar>(18291, "", &WithPoints<5>) &&
    Qarn::RegisterShapeKind<CQarnShapeStar>(18326, "", &WithPoints<8>) &&
    Qarn::RegisterShapeKind<CQarnShapeStar>(18295, "", &WithPoints<12>) &&
    Qarn::RegisterShapeKind<CQarnShapeStar>(18293, "", &WithPoints<16>) &&
    Qarn::RegisterShapeKind<CQarnShapeStar>(18294, "", &WithPoints<24>);

}  // namespace

CQarnShapeStar::CQarnShapeStar() : CQarnShapeBase(1) {}

CQarnShapeStar::CQarnShapeStar(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + kDefaultHandle * rect.Width, rect.Y + rect.Height / 2), 0);
}

void CQarnShapeStar::SetPointCount(int count) {
    m_nCount = std::clamp(count, kMinPoints, kMaxPoints);
}

void CQarnShapeStar::Copy(const CQarnShapeStar* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nCount = source->m_nCount;
}

CQarnComponent* CQarnShapeStar::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeStar::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_nCount);
        return;
    }
    std::int32_t count = 0;
    ar >> count;
    if (count < kMinPoints || count > kMaxPoints) {
        ar.FailAt(ar.Position() - 4, QStringLiteral("a star of %1 points").arg(count));
    }
    m_nCount = count;
}

CQarnHandleConstraint CQarnShapeStar::GetFreeHandleConstraint(int) const {
    const RectF r = GetRectF();
    return CQarnHandleConstraint::AlongX(r.Y + r.Height / 2, r.X, r.X + r.Width / 2);
}

void CQarnShapeStar::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const double cx = r.X + r.Width / 2.0;
    const double cy = r.Y + r.Height / 2.0;
    // The ellipse's radii (the width's half stretched by the height over the width).
    const double rx = std::fabs(r.Width / 2.0);
    const double ry = std::fabs(r.Height / 2.0);
    // How deep the points are cut: 0 with the handle on the centre, 1 on the left edge.
    const double hx = GetFreeHandle(0).X;
    const double q = r.Width != 0.0f ? std::fabs((2.0 * hx - 2.0 * r.X - r.Width) / r.Width) : 0.0;
    const double step = 2.0 * std::numbers::pi / m_nCount;
    std::vector<PointF> points;
    points.reserve(size_t(m_nCount) * 2);
    double theta = 1.5 * std::numbers::pi;
    for (int i = 0; i < m_nCount; ++i, theta += step) {
        const double inner = theta + step / 2.0;
        points.emplace_back(float(cx + rx * std::cos(theta)), float(cy + ry * std::sin(theta)));
        points.emplace_back(float(cx + q * rx * std::cos(inner)),
                            float(cy + q * ry * std::sin(inner)));
    }
    Figure& star = figures.emplace_back();
    star.path.AddLines(points.data(), int(points.size()));
    star.path.CloseFigure();
}
