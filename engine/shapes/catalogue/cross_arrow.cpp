#include "shapes/catalogue/cross_arrow.h"

#include "core/clone_as.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCrossArrow, CQarnShapeTArrow, 0)

namespace {

[[maybe_unused]] const bool kCrossArrow = Qarn::RegisterShapeKind<CQarnShapeCrossArrow>(18267, "");

}  // namespace

CQarnShapeCrossArrow::CQarnShapeCrossArrow() = default;

CQarnShapeCrossArrow::CQarnShapeCrossArrow(const RectF& rect) : CQarnShapeTArrow(rect) {}

CQarnArrowArms CQarnShapeCrossArrow::Arms() const {
    CQarnArrowArms arms;
    arms.vertical = UpArm();
    arms.horizontal = arms.vertical;
    arms.horizontalAxis = CQarnArrowOutline::Across(GetRectF()) / 2;
    return arms;
}

CQarnComponent* CQarnShapeCrossArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}
