#include "shapes/catalogue/n_polygon.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeNPolygon, CQarnShapeBase, 0)

namespace {

template <int Corners>
void WithCorners(CQarnShapeNPolygon& polygon) {
    polygon.SetCornerCount(Corners);
}

[[maybe_unused]] const bool kPolygons =
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18216, "Diamond", &WithCorners<4>) &&
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18226, "Pentagon", &WithCorners<5>) &&
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18329, "", &WithCorners<4>) &&
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18330, "", &WithCorners<5>) &&
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18331, "", &WithCorners<8>) &&
    Qarn::RegisterShapeKind<CQarnShapeNPolygon>(18332, "", &WithCorners<6>);

}  // namespace

CQarnShapeNPolygon::CQarnShapeNPolygon() : CQarnShapeBase(0) {}

CQarnShapeNPolygon::CQarnShapeNPolygon(const RectF& rect) : CQarnShapeBase(rect, 0) {}

void CQarnShapeNPolygon::SetCornerCount(int count) {
    m_nCount = std::clamp(count, kMinCorners, kMaxCorners);
}

void CQarnShapeNPolygon::Copy(const CQarnShapeNPolygon* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nCount = source->m_nCount;
}

CQarnComponent* CQarnShapeNPolygon::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeNPolygon::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_nCount);
        return;
    }
    std::int32_t count = 0;
    ar >> count;
    if (count < kMinCorners || count > kMaxCorners) {
        ar.FailAt(ar.Position() - 4, QStringLiteral("a polygon of %1 corners").arg(count));
    }
    m_nCount = count;
}

void CQarnShapeNPolygon::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const double cx = r.X + r.Width / 2.0;
    const double cy = r.Y + r.Height / 2.0;
    const double rx = std::fabs(r.Width / 2.0);
    const double ry = std::fabs(r.Height / 2.0);
    const double step = 2.0 * std::numbers::pi / m_nCount;
    std::vector<PointF> corners;
    corners.reserve(size_t(m_nCount));
    for (int i = 0; i < m_nCount; ++i) {
        const double theta = 1.5 * std::numbers::pi + i * step;
        corners.emplace_back(float(cx + rx * std::cos(theta)), float(cy + ry * std::sin(theta)));
    }
    Figure& polygon = figures.emplace_back();
    polygon.path.AddLines(corners.data(), int(corners.size()));
    polygon.path.CloseFigure();
}
