#include "shapes/catalogue/u_arrow.h"

#include <algorithm>
#include <numbers>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeUArrow, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kUArrow = Qarn::RegisterShapeKind<CQarnShapeUArrow>(18279, "");

constexpr double kPi = std::numbers::pi;
// How wide two heads are beside each other, against one head.
constexpr float kTwinHeads = 0.875f;

}  // namespace

CQarnShapeUArrow::CQarnShapeUArrow() : CQarnShapeBase(1) {}

CQarnShapeUArrow::CQarnShapeUArrow(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + 0.875f * rect.Width, rect.Y + rect.Height / 2), 0);
}

CQarnHandleConstraint CQarnShapeUArrow::GetFreeHandleConstraint(int) const {
    // Across the head's outer half; down from a quarter of the height.
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0.75f, 0.25f, 1.0f, 1.0f);
}

void CQarnShapeUArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float width = CQarnArrowOutline::Along(r);
    const float height = CQarnArrowOutline::Across(r);
    const bool bothHeads = m_nKind >= 2;
    const PointF handle = CQarnArrowOutline::Measure(r, GetFreeHandle(0));

    // The descending leg's axis a quarter in from the far side; two heads side by side are a
    // little narrower than that, so that they stand apart.
    const float right = 0.75f * width;
    const float headHalf = bothHeads ? kTwinHeads * width / 4 : width / 4;
    const float shaft = std::clamp(handle.X - right, 0.0f, headHalf);
    const float left = bothHeads ? width / 4 : shaft;
    // The turn: a half ellipse over both axes, at most half the height deep.
    const float axisRadius = (right - left) / 2;
    const float outerX = axisRadius + shaft;
    const float outerY = std::min(outerX, height / 2);
    const float innerX = axisRadius - shaft;
    const float innerY = std::max(outerY - 2 * shaft, 0.0f);
    const PointF turn((left + right) / 2, outerY);
    const float headBack = std::clamp(handle.Y, outerY, height);
    const float headLength = m_nKind >= 1 ? std::min(headHalf, height - headBack) : 0.0f;
    const auto profile = [this, shaft, headHalf](float length) {
        return CQarnArrowHead(m_nHead, length, headHalf, shaft).Profile();
    };

    CQarnArrowOutline outline(CQarnArrowOutline::FrameMap(r));
    outline.ArcTo(turn, outerX, outerY, kPi, 2 * kPi);
    outline.AddProfile(profile(headLength), PointF(right, headBack + headLength), PointF(0, -1),
                       PointF(1, 0));
    outline.ArcTo(turn, innerX, innerY, 2 * kPi, kPi);
    if (bothHeads) {
        outline.AddProfile(profile(headLength), PointF(left, headBack + headLength), PointF(0, -1),
                           PointF(1, 0));
    } else {
        outline.AddProfile(CQarnArrowHead::Tail(shaft), PointF(left, height), PointF(0, -1),
                           PointF(1, 0));
    }
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeUArrow::Copy(const CQarnShapeUArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
    m_nHead = source->m_nHead;
}

CQarnComponent* CQarnShapeUArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeUArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind << m_nHead;
        return;
    }
    ar >> m_nKind >> m_nHead;
}
