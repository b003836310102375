#include "shapes/catalogue/cube.h"

#include <cmath>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCube, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kCube = Qarn::RegisterShapeKind<CQarnShapeCube>(18214, "Cube");

// The ratio of an offset along an edge to the edge; 0 on an edge without length.
double Fraction(float offset, float edge) {
    return edge != 0.0f ? std::fabs(double(offset) / edge) : 0.0;
}

}  // namespace

CQarnShapeCube::CQarnShapeCube() : CQarnShapeBase(1) {}

CQarnShapeCube::CQarnShapeCube(const RectF& rect) : CQarnShapeBase(rect, 1) {
    PlaceHandle();
}

bool CQarnShapeCube::DepthAlongLeftEdge() const {
    const RectF r = GetRectF();
    return std::fabs(r.Width) >= std::fabs(r.Height);
}

void CQarnShapeCube::PlaceHandle() {
    const RectF r = GetRectF();
    if (DepthAlongLeftEdge()) {
        SetFreeHandle(PointF(r.X, float(r.Y + m_dRatio * r.Height)), 0);
    } else {
        SetFreeHandle(PointF(float(r.X + m_dRatio * r.Width), r.Y), 0);
    }
}

CQarnHandleConstraint CQarnShapeCube::GetFreeHandleConstraint(int) const {
    const RectF r = GetRectF();
    if (DepthAlongLeftEdge()) {
        return CQarnHandleConstraint::AlongY(r.X, r.Y, r.Y + r.Height);
    }
    return CQarnHandleConstraint::AlongX(r.Y, r.X, r.X + r.Width);
}

bool CQarnShapeCube::SetAdjustParameter(int parameter, const PointF& framePoint) {
    if (!CQarnShapeBase::SetAdjustParameter(parameter, framePoint)) {
        return false;
    }
    const RectF r = GetRectF();
    m_dRatio = DepthAlongLeftEdge() ? Fraction(framePoint.Y - r.Y, r.Height)
                                    : Fraction(framePoint.X - r.X, r.Width);
    return true;
}

int CQarnShapeCube::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    const bool sizing = h && h->kind == QarnHandleKind::Sizing;
    if (CQarnShapeBase::MoveHandleTo(handle, point, flags) == 0) {
        return 0;
    }
    if (sizing) {
        PlaceHandle();
        ResetPath();
    }
    return 1;
}

void CQarnShapeCube::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    const PointF handle = GetFreeHandle(0);
    // The depth in whole units, measured along the edge from the corner.
    const float d = std::trunc(std::fabs(handle.X - x) + std::fabs(handle.Y - y));
    const float sx = w > 0 ? 1.0f : -1.0f;
    const float sy = h > 0 ? 1.0f : -1.0f;
    const PointF top[4] = {
        {x, y + sy * d}, {x + sx * d, y}, {x + w, y}, {x + w - sx * d, y + sy * d}};
    const PointF front[4] = {
        {x, y + sy * d}, {x + w - sx * d, y + sy * d}, {x + w - sx * d, y + h}, {x, y + h}};
    const PointF side[4] = {
        {x + w - sx * d, y + sy * d}, {x + w, y}, {x + w, y + h - sy * d}, {x + w - sx * d, y + h}};
    figures.emplace_back().path.AddPolygon(top, 4);
    figures.emplace_back().path.AddPolygon(front, 4);
    Figure& sideFace = figures.emplace_back();
    sideFace.path.AddPolygon(side, 4);
    sideFace.shade = kSideShade;
}

void CQarnShapeCube::Copy(const CQarnShapeCube* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_dRatio = source->m_dRatio;
}

CQarnComponent* CQarnShapeCube::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeCube::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_dRatio;
        return;
    }
    double ratio = 0.0;
    ar >> ratio;
    if (!std::isfinite(ratio)) {
        ar.FailAt(ar.Position() - 8, QStringLiteral("the depth of a cube is not a number"));
    }
    m_dRatio = ratio;
}
