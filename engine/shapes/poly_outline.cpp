#include "shapes/poly_outline.h"

#include <QPainterPath>
#include <vector>

#include "core/clone_as.h"
#include "core/element.h"
#include "platform/archive.h"
#include "platform/dash_style.h"
#include "platform/graphics_path.h"
#include "platform/line_cap.h"
#include "platform/line_end_shapes.h"
#include "platform/line_join.h"
#include "platform/path_union.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"
#include "properties/property_kinds.h"

QARN_IMPLEMENT_SERIAL(CQarnPolyOutline, CQarnPoly, 0)

namespace {

constexpr float kOutlineFlatness = 0.25f;
// The arrow-head kind both ends of a new outline get: the plain square line end.
constexpr ArrowType kSquareEnd = ArrowType(1);

}  // namespace

CQarnPolyOutline::CQarnPolyOutline(const RectF& rect) : CQarnPoly(rect) {
    SetClosed(true);
    if (auto* arrow = dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW))) {
        arrow->SetStartArrow(kSquareEnd);
        arrow->SetEndArrow(kSquareEnd);
    }
}

void CQarnPolyOutline::Copy(const CQarnPolyOutline* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnPoly::Copy(source);
    m_dwDashStyle = source->m_dwDashStyle;
    m_dwLineJoin = source->m_dwLineJoin;
    m_dwLineCap = source->m_dwLineCap;
    m_fOutlineWidth = source->m_fOutlineWidth;
}

CQarnComponent* CQarnPolyOutline::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnPolyOutline::Serialize(CArchive& ar) {
    CQarnPoly::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_fOutlineWidth;
    } else {
        float width = 0.0f;
        ar >> width;
        SetOutlineWidth(width);
        // The cached bounds were taken before the width was known.
        SetBoundCache(GetBoundRect(false));
    }
}

BOOL CQarnPolyOutline::CreateElements(RectF* rect) {
    if (!CQarnPoly::CreateElements(rect)) {
        return FALSE;
    }
    GraphicsPath* path = GetElement(0)->GetPath();
    Pen band(Color(Color::White), m_fOutlineWidth);
    const LineCap cap = LineCap(m_dwLineCap);
    band.SetLineCap(cap, cap, DashCap(m_dwLineCap));
    band.SetDashStyle(DashStyle(m_dwDashStyle));
    band.SetLineJoin(LineJoin(m_dwLineJoin));
    // Arrow heads of an open outline become part of it: the band is cut back where they sit
    // and their shapes join it.
    std::vector<QPainterPath> heads;
    if (auto* arrow = dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW));
        arrow != nullptr && !IsClosed()) {
        arrow->SetArrowAnchors(&band, 0);
        const LineEndShapes ends(*path, band);
        *path = GraphicsPath(ends.Line());
        heads = ends.Fills();
    }
    path->Widen(&band, nullptr, kOutlineFlatness);
    for (const QPainterPath& head : heads) {
        const GraphicsPath headPath(head);
        path->AddPath(&headPath, FALSE);
    }
    // Only the outer edge of the band is kept: overlapping pieces of the stroke (at sharp
    // turns and where the line crosses itself) merge into one figure without inner edges,
    // when that is affordable; a band too tangled to merge keeps its pieces, which fill the
    // same area with the winding rule.
    GraphicsPath outline(PathUnion::Merge(path->ToQPainterPath()));
    outline.Flatten(nullptr, kOutlineFlatness);
    outline.SetFillMode(path->GetFillMode());
    *path = outline;
    return TRUE;
}

CRect CQarnPolyOutline::GetBoundRect(bool withLabel) {
    CRect bound = CQarnPoly::GetBoundRect(withLabel);
    const int grow = int((m_fOutlineWidth + 1.0f) / 2.0f);
    bound.InflateRect(grow, grow);
    return bound;
}
