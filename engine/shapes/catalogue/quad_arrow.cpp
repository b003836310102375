#include "shapes/catalogue/quad_arrow.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeQuadArrow, CQarnShapeTArrow, 0)

namespace {

[[maybe_unused]] const bool kQuadArrow = Qarn::RegisterShapeKind<CQarnShapeQuadArrow>(18271, "");

}  // namespace

CQarnShapeQuadArrow::CQarnShapeQuadArrow() : CQarnShapeTArrow(3) {}

CQarnShapeQuadArrow::CQarnShapeQuadArrow(const RectF& rect) : CQarnShapeTArrow(rect, 3) {
    SetFreeHandle(PointF(rect.X, rect.Y + rect.Height / 4), 2);
}

CQarnHandleConstraint CQarnShapeQuadArrow::GetFreeHandleConstraint(int k) const {
    if (k < 2) {
        return CQarnShapeTArrow::GetFreeHandleConstraint(k);
    }
    const RectF r = GetRectF();
    return CQarnHandleConstraint::AlongY(r.X, r.Y, r.Y + r.Height / 2);
}

CQarnArrowArms CQarnShapeQuadArrow::Arms() const {
    const RectF r = GetRectF();
    const float height = CQarnArrowOutline::Across(r);
    CQarnArrowArms arms;
    arms.vertical = UpArm();
    const CQarnArrowArms::Arm& up = arms.vertical;
    arms.horizontal = Stretched(up);
    // The left barb sets the horizontal heads' width; their shafts keep the up arm's part of it.
    const PointF barb = CQarnArrowOutline::Measure(r, GetFreeHandle(2));
    arms.horizontal.headHalf = height / 2 - std::clamp(barb.Y, 0.0f, height / 2);
    arms.horizontal.shaftHalf =
        up.headHalf > 0 ? up.shaftHalf * arms.horizontal.headHalf / up.headHalf : 0.0f;
    arms.horizontalAxis = height / 2;
    return arms;
}

CQarnComponent* CQarnShapeQuadArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}
