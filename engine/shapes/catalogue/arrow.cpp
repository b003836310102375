#include "shapes/catalogue/arrow.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeArrow, CQarnShapeBase, 0)

namespace {

template <std::uint8_t Kind, std::uint8_t Head>
void ArrowOf(CQarnShapeArrow& arrow) {
    arrow.SetArrowKind(Kind);
    arrow.SetHeadStyle(Head);
    if (Kind == CQarnShapeArrow::kUpPointer) {
        // The pointers start with their handle on the X edge, where it stays.
        const RectF r = arrow.GetRectF();
        arrow.SetFreeHandle(PointF(r.X, arrow.GetFreeHandle(0).Y), 0);
    }
}

// Kind 0 with the handle on the X edge, as the pointers start.
void PointerOfKindUp(CQarnShapeArrow& arrow) {
    const RectF r = arrow.GetRectF();
    arrow.SetFreeHandle(PointF(r.X, arrow.GetFreeHandle(0).Y), 0);
}

using A = CQarnShapeArrow;

[[maybe_unused]] const bool kArrows =
    Qarn::RegisterShapeKind<A>(18260, "", &ArrowOf<A::kLeft, 0>) &&
    Qarn::RegisterShapeKind<A>(18283, "", &ArrowOf<A::kLeft, 4>) &&
    Qarn::RegisterShapeKind<A>(18261, "", &ArrowOf<A::kLeft, 6>) &&
    Qarn::RegisterShapeKind<A>(18262, "", &ArrowOf<A::kLeft, 7>) &&
    Qarn::RegisterShapeKind<A>(18263, "", &ArrowOf<A::kLeft, 5>) &&
    Qarn::RegisterShapeKind<A>(18251, "", &ArrowOf<A::kLeftRight, 0>) &&
    Qarn::RegisterShapeKind<A>(18264, "", &ArrowOf<A::kLeftRight, 2>) &&
    Qarn::RegisterShapeKind<A>(18254, "", &ArrowOf<A::kLeftRight, 4>) &&
    Qarn::RegisterShapeKind<A>(18252, "", &ArrowOf<A::kLeftRight, 6>) &&
    Qarn::RegisterShapeKind<A>(18253, "", &ArrowOf<A::kLeftRight, 7>) &&
    Qarn::RegisterShapeKind<A>(18280, "", &ArrowOf<A::kLeftRight, 5>) &&
    Qarn::RegisterShapeKind<A>(18255, "", &ArrowOf<A::kUpDown, 0>) &&
    Qarn::RegisterShapeKind<A>(18265, "", &ArrowOf<A::kUpDown, 3>) &&
    Qarn::RegisterShapeKind<A>(18259, "", &ArrowOf<A::kUpDown, 4>) &&
    Qarn::RegisterShapeKind<A>(18256, "", &ArrowOf<A::kUpDown, 6>) &&
    Qarn::RegisterShapeKind<A>(18257, "", &ArrowOf<A::kUpDown, 7>) &&
    Qarn::RegisterShapeKind<A>(18282, "", &ArrowOf<A::kUpDown, 5>) &&
    Qarn::RegisterShapeKind<A>(18274, "", &ArrowOf<A::kUpPointer, 0>) &&
    Qarn::RegisterShapeKind<A>(18285, "", &ArrowOf<A::kUpPointer, 6>) &&
    Qarn::RegisterShapeKind<A>(18275, "", &ArrowOf<A::kUpPointer, 7>) &&
    Qarn::RegisterShapeKind<A>(18286, "", &ArrowOf<A::kUpPointer, 5>) &&
    Qarn::RegisterShapeKind<A>(18266, "") &&
    Qarn::RegisterShapeKind<A>(18284, "", &PointerOfKindUp);

// Head styles whose handle stays in the half of the frame before the middle line across.
bool HandleInFirstHalf(int head) {
    switch (head) {
        case 1:
        case 2:
        case 3:
        case 5:
        case 6:
        case 8:
            return true;
        default:
            return false;
    }
}

}  // namespace

CQarnShapeArrow::CQarnShapeArrow() : CQarnShapeBase(1) {}

CQarnShapeArrow::CQarnShapeArrow(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y + rect.Height / 4), 0);
}

bool CQarnShapeArrow::IsVertical() const {
    return m_nKind != kLeft && m_nKind != kLeftRight;
}

bool CQarnShapeArrow::HasTwoHeads() const {
    return m_nKind == kLeftRight || m_nKind == kUpDown;
}

CQarnHandleConstraint CQarnShapeArrow::GetFreeHandleConstraint(int) const {
    const RectF r = GetRectF();
    const float width = m_nKind == kUpPointer ? 0.0f : r.Width / 2;
    const bool half = HandleInFirstHalf(m_nHead) || m_nKind == kUpDown;
    return CQarnHandleConstraint::Within(RectF(r.X, r.Y, width, half ? r.Height / 2 : r.Height));
}

void CQarnShapeArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const bool vertical = IsVertical();
    const float length = CQarnArrowOutline::Along(r, vertical);
    const float across = CQarnArrowOutline::Across(r, vertical);
    const float halfAcross = across / 2;
    // The handle in the arrow's own measures: along from the head's tip, across from the edge.
    const PointF handle = CQarnArrowOutline::Measure(r, GetFreeHandle(0), vertical);
    const float headLength = std::clamp(handle.X, 0.0f, HasTwoHeads() ? length / 2 : length);
    const float shaftHalf =
        std::min(std::fabs(halfAcross - std::clamp(handle.Y, 0.0f, across)), halfAcross);

    const CQarnArrowHead head(m_nHead, headLength, halfAcross, shaftHalf);
    const std::vector<PointF> headProfile = head.Profile();
    std::vector<PointF> endProfile;
    if (HasTwoHeads()) {
        endProfile = headProfile;
    } else {
        // A notched tail as deep as the shaft's half, within the shaft's length.
        const bool notched = m_nHead == CQarnArrowHead::kNotchedTail;
        endProfile = CQarnArrowHead::Tail(
            shaftHalf, notched ? std::min(shaftHalf, length - headLength) : 0.0f);
    }
    CQarnArrowOutline outline(CQarnArrowOutline::FrameMap(r, vertical));
    // The far end, arriving along the edge at the start of the across measure...
    outline.AddProfile(endProfile, PointF(length, halfAcross), PointF(-1, 0), PointF(0, -1));
    // ...and the head at the near end, arriving along the other edge.
    outline.AddProfile(headProfile, PointF(0, halfAcross), PointF(1, 0), PointF(0, 1));
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeArrow::Copy(const CQarnShapeArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
    m_nHead = source->m_nHead;
    m_nReserved = source->m_nReserved;
}

CQarnComponent* CQarnShapeArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind << m_nHead << m_nReserved;
        return;
    }
    ar >> m_nKind >> m_nHead >> m_nReserved;
}
