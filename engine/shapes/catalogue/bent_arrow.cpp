#include "shapes/catalogue/bent_arrow.h"

#include <algorithm>
#include <numbers>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeBentArrow, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kBentArrow = Qarn::RegisterShapeKind<CQarnShapeBentArrow>(18278, "");

constexpr double kPi = std::numbers::pi;
// The outer curve of the bend is this many shaft thicknesses round.
constexpr float kBendRadius = 2.0f;

}  // namespace

CQarnShapeBentArrow::CQarnShapeBentArrow() : CQarnShapeBase(1) {}

CQarnShapeBentArrow::CQarnShapeBentArrow(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + 0.75f * rect.Width, rect.Y + rect.Height / 8), 0);
}

CQarnHandleConstraint CQarnShapeBentArrow::GetFreeHandleConstraint(int) const {
    // The head over the far half at most; the shaft's edge within the head's upper half.
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0.5f, 0.0f, 1.0f, 0.25f);
}

void CQarnShapeBentArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float width = CQarnArrowOutline::Along(r);
    const float height = CQarnArrowOutline::Across(r);
    const bool bothHeads = m_nKind >= 2;
    const PointF handle = CQarnArrowOutline::Measure(r, GetFreeHandle(0));

    const float headHalf = height / 4;
    const float cv = headHalf;
    const float headBack = std::clamp(handle.X, 0.0f, width);
    const float headLength = m_nKind >= 1 ? width - headBack : 0.0f;
    // The rising leg: as thick as the shaft, its axis far enough in for its own head.
    const float downHalf = std::min(headHalf, width / 2);
    // The leg's inner edge stays before the head.
    const float shaft =
        std::clamp(headHalf - std::clamp(handle.Y, 0.0f, headHalf), 0.0f,
                   bothHeads ? std::min(downHalf, headBack - downHalf) : headBack / 2);
    const float cu = bothHeads ? downHalf : shaft;
    float downLength = 0.0f;
    if (bothHeads) {
        downLength = std::min(headLength, height - (cv + shaft));
        if (headBack < 2 * downHalf) {
            // Below the right head's lower barb, where the two heads would meet.
            downLength = std::min(downLength, height - 2 * headHalf);
        }
    }
    // The bend: the outer curve from the leg's outer edge to the shaft's upper edge.
    const float u0 = cu - shaft;
    const float v0 = cv - shaft;
    const float outer =
        std::clamp(kBendRadius * 2 * shaft, 0.0f,
                   std::max(std::min(headBack - u0, height - downLength - v0), 0.0f));
    const float inner = std::max(outer - 2 * shaft, 0.0f);
    const PointF centre(u0 + outer, v0 + outer);
    const PointF innerCentre(cu + shaft + inner, cv + shaft + inner);

    CQarnArrowOutline outline(CQarnArrowOutline::FrameMap(r));
    outline.ArcTo(centre, outer, outer, kPi, 1.5 * kPi);
    outline.AddProfile(CQarnArrowHead(m_nHead, headLength, headHalf, shaft).Profile(),
                       PointF(width, cv), PointF(-1, 0), PointF(0, -1));
    outline.ArcTo(innerCentre, inner, inner, 1.5 * kPi, kPi);
    outline.AddProfile(CQarnArrowHead(m_nHead, downLength, downHalf, shaft).Profile(),
                       PointF(cu, height), PointF(0, -1), PointF(1, 0));
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeBentArrow::Copy(const CQarnShapeBentArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
    m_nHead = source->m_nHead;
}

CQarnComponent* CQarnShapeBentArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeBentArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind << m_nHead;
        return;
    }
    ar >> m_nKind >> m_nHead;
}
