#include "shapes/catalogue/t_arrow.h"

#include <algorithm>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeTArrow, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kTArrow = Qarn::RegisterShapeKind<CQarnShapeTArrow>(18268, "");

}  // namespace

CQarnShapeTArrow::CQarnShapeTArrow() : CQarnShapeBase(2) {}

CQarnShapeTArrow::CQarnShapeTArrow(int freeHandleCount) : CQarnShapeBase(freeHandleCount) {}

CQarnShapeTArrow::CQarnShapeTArrow(const RectF& rect) : CQarnShapeTArrow(rect, 2) {}

CQarnShapeTArrow::CQarnShapeTArrow(const RectF& rect, int freeHandleCount)
    : CQarnShapeBase(rect, freeHandleCount) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y), 0);
    SetFreeHandle(PointF(rect.X + 3 * rect.Width / 8, rect.Y + rect.Height / 8), 1);
}

CQarnHandleConstraint CQarnShapeTArrow::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    const float middle = r.X + r.Width / 2;
    if (k == 0) {
        return CQarnHandleConstraint::AlongX(r.Y, r.X, middle);
    }
    // The shaft no wider than the head, the head at most half the height long.
    const float barb = GetFreeHandle(0).X;
    return CQarnHandleConstraint::Within(RectF(barb, r.Y, middle - barb, r.Height / 2));
}

CQarnArrowArms::Arm CQarnShapeTArrow::UpArm() const {
    const RectF r = GetRectF();
    const float half = CQarnArrowOutline::Along(r) / 2;
    const PointF barb = CQarnArrowOutline::Measure(r, GetFreeHandle(0));
    const PointF join = CQarnArrowOutline::Measure(r, GetFreeHandle(1));
    const float barbAt = std::clamp(barb.X, 0.0f, half);
    CQarnArrowArms::Arm arm;
    arm.headHalf = half - barbAt;
    arm.shaftHalf = half - std::clamp(join.X, barbAt, half);
    arm.headLength = std::max(join.Y, 0.0f);
    return arm;
}

CQarnArrowArms::Arm CQarnShapeTArrow::Stretched(const CQarnArrowArms::Arm& up) const {
    const RectF r = GetRectF();
    const float width = CQarnArrowOutline::Along(r);
    const float height = CQarnArrowOutline::Across(r);
    CQarnArrowArms::Arm arm;
    if (width > 0 && height > 0) {
        arm.headHalf = up.headHalf * height / width;
        arm.shaftHalf = up.shaftHalf * height / width;
        arm.headLength = up.headLength * width / height;
    }
    return arm;
}

CQarnArrowArms CQarnShapeTArrow::Arms() const {
    CQarnArrowArms arms;
    arms.down = false;
    arms.vertical = UpArm();
    arms.horizontal = Stretched(arms.vertical);
    // Along the far edge: the lower barbs on it.
    arms.horizontalAxis = CQarnArrowOutline::Across(GetRectF());
    return arms;
}

void CQarnShapeTArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    CQarnArrowArms arms = Arms();
    arms.Fit(CQarnArrowOutline::Along(r), CQarnArrowOutline::Across(r));
    figures.emplace_back().path = arms.Build(r);
}

void CQarnShapeTArrow::Copy(const CQarnShapeTArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nReserved = source->m_nReserved;
}

CQarnComponent* CQarnShapeTArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeTArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nReserved;
        return;
    }
    ar >> m_nReserved;
}
