#include "shapes/catalogue/iso_triangle.h"

#include <cmath>

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeIsoTriangle, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kIsoTriangle =
    Qarn::RegisterShapeKind<CQarnShapeIsoTriangle>(18223, "");

}  // namespace

CQarnShapeIsoTriangle::CQarnShapeIsoTriangle() : CQarnShapeBase(1) {}

CQarnShapeIsoTriangle::CQarnShapeIsoTriangle(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y), 0);
}

CQarnComponent* CQarnShapeIsoTriangle::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeIsoTriangle::GetFreeHandleConstraint(int) const {
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0, 1, 0);
}

void CQarnShapeIsoTriangle::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float s = r.Width > 0 ? 1.0f : -1.0f;
    const PointF corners[3] = {{r.X + s * std::fabs(GetFreeHandle(0).X - r.X), r.Y},
                               {r.X + r.Width, r.Y + r.Height},
                               {r.X, r.Y + r.Height}};
    figures.emplace_back().path.AddPolygon(corners, 3);
}
