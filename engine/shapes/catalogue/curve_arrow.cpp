#include "shapes/catalogue/curve_arrow.h"

#include <algorithm>
#include <numbers>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCurveArrow, CQarnShapeBase, 0)

namespace {

template <std::uint8_t Kind>
void CurvingTo(CQarnShapeCurveArrow& arrow) {
    arrow.SetArrowKind(Kind);
}

[[maybe_unused]] const bool kCurveArrows = Qarn::RegisterShapeKind<CQarnShapeCurveArrow>(
                                               18269, "", &CurvingTo<CQarnShapeCurveArrow::kUp>) &&
                                           Qarn::RegisterShapeKind<CQarnShapeCurveArrow>(
                                               18288, "", &CurvingTo<CQarnShapeCurveArrow::kRight>);

constexpr double kPi = std::numbers::pi;

}  // namespace

CQarnShapeCurveArrow::CQarnShapeCurveArrow() : CQarnShapeBase(0) {}

CQarnShapeCurveArrow::CQarnShapeCurveArrow(const RectF& rect) : CQarnShapeBase(rect, 0) {}

void CQarnShapeCurveArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float width = CQarnArrowOutline::Along(r);
    const float height = CQarnArrowOutline::Across(r);
    // Drawn as the arrow curving right in a frame of its own, then turned into place.
    const bool turned = m_nKind == kUp || m_nKind == kDown;
    const float w = turned ? height : width;
    const float h = turned ? width : height;
    Matrix toFrame;
    switch (m_nKind) {
        case kLeft:
            toFrame = Matrix(-1, 0, 0, 1, width, 0);
            break;
        case kUp:
            toFrame = Matrix(0, -1, 1, 0, 0, height);
            break;
        case kDown:
            toFrame = Matrix(0, 1, 1, 0, 0, 0);
            break;
        default:
            break;
    }
    const Matrix frameMap = CQarnArrowOutline::FrameMap(r);
    toFrame.Multiply(&frameMap, MatrixOrderAppend);

    const float headHalf = h / 4;
    const float headLength = w / 4;
    const float band = std::min(h / 8, (w - headLength) / 2);
    // The band's middle runs round the ellipse about the head's back on the Y edge.
    const PointF centre(w - headLength, 0);
    const float rx = w - headLength - band;
    const float ry = h - headHalf;

    CQarnArrowOutline outline(toFrame);
    outline.ArcTo(centre, rx + band, ry + band, kPi, kPi / 2);
    outline.AddProfile(
        CQarnArrowHead(CQarnArrowHead::kTriangle, headLength, headHalf, band).Profile(),
        PointF(w, ry), PointF(-1, 0), PointF(0, 1));
    outline.ArcTo(centre, rx - band, ry - band, kPi / 2, kPi);
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeCurveArrow::Copy(const CQarnShapeCurveArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
}

CQarnComponent* CQarnShapeCurveArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeCurveArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind;
        return;
    }
    ar >> m_nKind;
}
