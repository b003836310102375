#include "shapes/arc_outline.h"

#include <QPainterPath>

#include "core/clone_as.h"
#include "core/element.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/dash_style.h"
#include "platform/graphics_path.h"
#include "platform/line_cap.h"
#include "platform/line_join.h"
#include "platform/path_union.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"
#include "properties/property_kinds.h"

QARN_IMPLEMENT_SERIAL(CQarnArcOutline, CQarnArcPie, 0)

namespace {

constexpr float kFlatness = 0.25f;

// The cap an arrow kind stands for: the plain caps as they are, arrow heads end flat.
LineCap CapOf(ArrowType kind) {
    const int value = int(kind);
    return value >= LineCapFlat && value <= LineCapTriangle ? LineCap(value) : LineCapFlat;
}

}  // namespace

CQarnArcOutline::CQarnArcOutline() = default;

CQarnArcOutline::CQarnArcOutline(const RectF& rect) : CQarnArcPie(rect) {
    SetClosed(true);
    if (auto* arrow = dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW))) {
        arrow->SetStartArrow(ArrowType(LineCapSquare));
        arrow->SetEndArrow(ArrowType(LineCapSquare));
    }
}

void CQarnArcOutline::Serialize(CArchive& ar) {
    CQarnArcPie::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_fOutlineWidth;
    } else {
        float width = 0.0f;
        ar >> width;
        SetOutlineWidth(width);
    }
}

void CQarnArcOutline::Copy(const CQarnArcOutline* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnArcPie::Copy(source);
    m_fOutlineWidth = source->m_fOutlineWidth;
}

CQarnComponent* CQarnArcOutline::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

BOOL CQarnArcOutline::CreateElements(RectF* rect) {
    CQarnArcPie::CreateElements(rect);
    GraphicsPath* path = GetElement(0)->GetPath();
    if (path->IsEmpty() || !(m_fOutlineWidth > 0.0f)) {
        return TRUE;
    }
    Pen stroke(Color(Color::Black), m_fOutlineWidth);
    stroke.SetDashStyle(DashStyleSolid);
    stroke.SetLineJoin(LineJoinRound);
    LineCap startCap = LineCapFlat;
    LineCap endCap = LineCapFlat;
    if (auto* arrow = dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW))) {
        startCap = CapOf(arrow->GetStartArrow());
        endCap = CapOf(arrow->GetEndArrow());
    }
    stroke.SetLineCap(startCap, endCap, DashCapFlat);
    path->Widen(&stroke, nullptr, kFlatness);
    // Only the outer outline of the widened stroke remains (the holes of a closed piece stay
    // holes), when merging its pieces is affordable.
    GraphicsPath simplified(PathUnion::Merge(path->ToQPainterPath()));
    simplified.SetFillMode(FillModeWinding);
    *path = simplified;
    return TRUE;
}

CRect CQarnArcOutline::GetBoundRect(bool unused) {
    CRect bound = CQarnArcPie::GetBoundRect(unused);
    const int half = int((m_fOutlineWidth + 1) / 2);
    bound.InflateRect(half, half);
    return bound;
}
