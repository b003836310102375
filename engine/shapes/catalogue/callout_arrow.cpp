#include "shapes/catalogue/callout_arrow.h"

#include <algorithm>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCalloutArrow, CQarnShapeBase, 0)

namespace {

void TwoArrows(CQarnShapeCalloutArrow& callout) {
    callout.SetOrientationFlag(0);
}

[[maybe_unused]] const bool kCalloutArrows =
    Qarn::RegisterShapeKind<CQarnShapeCalloutArrow>(18272, "") &&
    Qarn::RegisterShapeKind<CQarnShapeCalloutArrow>(18273, "", &TwoArrows);

}  // namespace

CQarnShapeCalloutArrow::CQarnShapeCalloutArrow() : CQarnShapeBase(3) {}

CQarnShapeCalloutArrow::CQarnShapeCalloutArrow(const RectF& rect) : CQarnShapeBase(rect, 3) {
    PlaceHandles();
}

void CQarnShapeCalloutArrow::SetOrientationFlag(std::uint8_t flag) {
    const bool changes = (flag != 0) != HasOneArrow();
    m_nOrientation = flag;
    if (changes) {
        PlaceHandles();
    }
}

void CQarnShapeCalloutArrow::PlaceHandles() {
    const RectF r = GetRectF();
    // One arrow takes the first half of the height, two arrows a third each.
    const float part = HasOneArrow() ? r.Height / 2 : r.Height / 3;
    SetFreeHandle(PointF(r.X, r.Y + part), 0);
    SetFreeHandle(PointF(r.X + r.Width / 4, r.Y), 1);
    SetFreeHandle(PointF(r.X + 3 * r.Width / 8, r.Y + part / 2), 2);
}

QString CQarnShapeCalloutArrow::GetName() {
    if (GetStoredName().isEmpty()) {
        const QString word =
            HasOneArrow() ? QStringLiteral("ArrowCallout") : QStringLiteral("DoubleArrowCallout");
        SetName(QStringLiteral("%1-%2").arg(word).arg(GetID()));
    }
    return CQarnShapeBase::GetName();
}

CQarnHandleConstraint CQarnShapeCalloutArrow::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    const float middle = r.X + r.Width / 2;
    switch (k) {
        case 0:  // two arrows leave the box its middle at least
            return CQarnHandleConstraint::AlongY(r.X, r.Y,
                                                 r.Y + (HasOneArrow() ? r.Height : r.Height / 2));
        case 1:
            return CQarnHandleConstraint::AlongX(r.Y, r.X, middle);
        default: {  // the shaft no wider than the head, the head no longer than the way out
            const float barb = GetFreeHandle(1).X;
            const float box = GetFreeHandle(0).Y;
            return CQarnHandleConstraint::Within(RectF(barb, r.Y, middle - barb, box - r.Y));
        }
    }
}

void CQarnShapeCalloutArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float width = CQarnArrowOutline::Along(r);
    const float height = CQarnArrowOutline::Across(r);
    const float cu = width / 2;
    const bool one = HasOneArrow();
    const float boxTop = std::clamp(CQarnArrowOutline::Measure(r, GetFreeHandle(0)).Y, 0.0f,
                                    one ? height : height / 2);
    const float boxBottom = one ? height : height - boxTop;
    const float barbAt = std::clamp(CQarnArrowOutline::Measure(r, GetFreeHandle(1)).X, 0.0f, cu);
    const PointF join = CQarnArrowOutline::Measure(r, GetFreeHandle(2));
    const float shaftHalf = cu - std::clamp(join.X, barbAt, cu);
    const std::vector<PointF> head =
        CQarnArrowHead(CQarnArrowHead::kTriangle, std::clamp(join.Y, 0.0f, boxTop), cu - barbAt,
                       shaftHalf)
            .Profile();

    CQarnArrowOutline outline(CQarnArrowOutline::FrameMap(r));
    // Clockwise from the box's corner at the X edge, over the arrow leaving its Y-edge side.
    outline.LineTo(PointF(0, boxTop));
    outline.LineTo(PointF(cu - shaftHalf, boxTop));
    outline.AddProfile(head, PointF(cu, 0), PointF(0, 1), PointF(-1, 0));
    outline.LineTo(PointF(cu + shaftHalf, boxTop));
    outline.LineTo(PointF(width, boxTop));
    outline.LineTo(PointF(width, boxBottom));
    if (!one) {
        outline.LineTo(PointF(cu + shaftHalf, boxBottom));
        outline.AddProfile(head, PointF(cu, height), PointF(0, -1), PointF(1, 0));
        outline.LineTo(PointF(cu - shaftHalf, boxBottom));
    }
    outline.LineTo(PointF(0, boxBottom));
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeCalloutArrow::Copy(const CQarnShapeCalloutArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nOrientation = source->m_nOrientation;
}

CQarnComponent* CQarnShapeCalloutArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeCalloutArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nOrientation;
        return;
    }
    ar >> m_nOrientation;
}
