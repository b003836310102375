#include "shapes/catalogue/triangle.h"

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeTriangle, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kTriangle = Qarn::RegisterShapeKind<CQarnShapeTriangle>(18246, "");

}  // namespace

CQarnShapeTriangle::CQarnShapeTriangle() : CQarnShapeBase(2) {}

CQarnShapeTriangle::CQarnShapeTriangle(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X + rect.Width / 3, rect.Y), 0);
    SetFreeHandle(PointF(rect.X + rect.Width, rect.Y + 2 * rect.Height / 3), 1);
}

CQarnComponent* CQarnShapeTriangle::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeTriangle::GetFreeHandleConstraint(int k) const {
    return k == 0 ? CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0, 1, 0)
                  : CQarnHandleConstraint::WithinFrame(GetRectF(), 1, 0, 1, 1);
}

void CQarnShapeTriangle::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const PointF corners[3] = {GetFreeHandle(0), GetFreeHandle(1), {r.X, r.Y + r.Height}};
    figures.emplace_back().path.AddPolygon(corners, 3);
}
