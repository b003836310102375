#include "shapes/catalogue/l_arrow.h"

#include <algorithm>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeLArrow, CQarnShapeBase, 0)

namespace {

void TwoHeadsOpen(CQarnShapeLArrow& arrow) {
    arrow.SetArrowKind(2);
    arrow.SetHeadStyle(CQarnArrowHead::kOpen);
}

[[maybe_unused]] const bool kLArrows =
    Qarn::RegisterShapeKind<CQarnShapeLArrow>(18276, "", &TwoHeadsOpen) &&
    Qarn::RegisterShapeKind<CQarnShapeLArrow>(18277, "");

}  // namespace

CQarnShapeLArrow::CQarnShapeLArrow() : CQarnShapeBase(2) {}

CQarnShapeLArrow::CQarnShapeLArrow(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y), 0);
    SetFreeHandle(PointF(rect.X + 0.875f * rect.Width, rect.Y + rect.Height / 3), 1);
}

CQarnHandleConstraint CQarnShapeLArrow::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    const float farEdge = r.X + r.Width;
    if (k == 0) {
        return CQarnHandleConstraint::AlongX(r.Y, r.X, farEdge);
    }
    // From the up leg's middle to the far edge; the head at most as long as the frame.
    const float middle = (GetFreeHandle(0).X + farEdge) / 2;
    return CQarnHandleConstraint::Within(RectF(middle, r.Y, farEdge - middle, r.Height));
}

void CQarnShapeLArrow::BuildFigures(Figures& figures) const {
    // Drawn in the unit square, so that the legs keep their parts of the frame both ways: the
    // side leg is the up leg mirrored across the diagonal.
    const RectF r = GetRectF();
    const bool bothHeads = m_nKind >= 2;
    const bool upHead = m_nKind >= 1;

    // The up leg, from the handles.
    const float barbAt =
        std::clamp(CQarnArrowOutline::Fractions(r, GetFreeHandle(0)).X, 0.0f, 1.0f);
    const PointF join = CQarnArrowOutline::Fractions(r, GetFreeHandle(1));
    const float headHalf = (1 - barbAt) / 2;
    const float cu = 1 - headHalf;
    const float shaft = std::clamp(join.X - cu, 0.0f, headHalf);
    // The side leg along the far edge: its head's barb (or its tail) on that edge.
    const float cv = 1 - (bothHeads ? headHalf : shaft);
    const float upLength = upHead ? std::clamp(join.Y, 0.0f, cv - shaft) : 0.0f;
    // Where the up head reaches down beside the side head, the side head stops short of it.
    const float sideRoom = upLength > cv - headHalf ? cu - headHalf : cu - shaft;
    const float sideLength = bothHeads ? std::clamp(join.Y, 0.0f, sideRoom) : 0.0f;

    const auto profile = [this, headHalf, shaft](float length) {
        return CQarnArrowHead(m_nHead, length, headHalf, shaft).Profile();
    };
    CQarnArrowOutline outline(CQarnArrowOutline::UnitMap(r));
    // Clockwise from the corner's outer point: along the side leg's outer edge, its end, back
    // along its inner edge, up the up leg, over its end and down again.
    outline.LineTo(PointF(cu + shaft, cv + shaft));
    outline.AddProfile(profile(sideLength), PointF(0, cv), PointF(1, 0), PointF(0, 1));
    outline.LineTo(PointF(cu - shaft, cv - shaft));
    outline.AddProfile(profile(upLength), PointF(cu, 0), PointF(0, 1), PointF(-1, 0));
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeLArrow::Copy(const CQarnShapeLArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
    m_nHead = source->m_nHead;
}

CQarnComponent* CQarnShapeLArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeLArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind << m_nHead;
        return;
    }
    ar >> m_nKind >> m_nHead;
}
