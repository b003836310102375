// Hit tests, regions and bounds of a component.
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "core/component.h"
#include "core/conversions.h"
#include "core/label_facet.h"
#include "core/layer.h"
#include "core/outline_distance.h"
#include "core/rect_geometry.h"
#include "core/shadow_facet.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"
#include "platform/region.h"
#include "platform/rgn.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"

namespace {

// The properties a component's bound reads, each the first of its kind as GetProperty finds
// it, looked up in one walk of the list: the bound is taken again for every component a drag
// moves, at every step.
struct BoundProperties {
    CQarnPenProperty* pen = nullptr;
    CQarnArrowProperty* arrow = nullptr;
    CQarnShadowFacet* shadow = nullptr;
    CQarnLabelFacet* label = nullptr;
};

BoundProperties FindBoundProperties(const PropertyList& list) {
    CQarnProperty* pen = nullptr;
    CQarnProperty* arrow = nullptr;
    CQarnProperty* shadow = nullptr;
    CQarnProperty* label = nullptr;
    for (CQarnProperty* p : list) {
        CQarnProperty** slot = nullptr;
        switch (p->GetId()) {
            case QARN_PROP_PEN:
                slot = &pen;
                break;
            case QARN_PROP_ARROW:
                slot = &arrow;
                break;
            case QARN_PROP_SHADOW:
                slot = &shadow;
                break;
            case QARN_PROP_LABEL:
                slot = &label;
                break;
            default:
                break;
        }
        if (slot != nullptr && *slot == nullptr) {
            *slot = p;
        }
    }
    return BoundProperties{
        dynamic_cast<CQarnPenProperty*>(pen), dynamic_cast<CQarnArrowProperty*>(arrow),
        dynamic_cast<CQarnShadowFacet*>(shadow), dynamic_cast<CQarnLabelFacet*>(label)};
}

// The whole units covering a float rectangle.
CRect Covering(const RectF& r) {
    return CRect(Qarn::TruncateToInt(std::floor(r.X)), Qarn::TruncateToInt(std::floor(r.Y)),
                 Qarn::TruncateToInt(std::ceil(r.X + r.Width)),
                 Qarn::TruncateToInt(std::ceil(r.Y + r.Height)));
}

// Curves are flattened finely enough that the tolerance, however small, keeps its meaning.
float HitFlatness(float tolerance) {
    return std::clamp(tolerance / 16.0f, 0.001f, 0.25f);
}

RectF ToRectF(const CRect& r) {
    return RectF(float(r.left), float(r.top), float(r.Width()), float(r.Height()));
}

// The bounds of the rectangle's corners under the matrix.
RectF TransformedBounds(const RectF& r, const Matrix& m) {
    PointF corners[4] = {
        {r.X, r.Y}, {r.X + r.Width, r.Y}, {r.X + r.Width, r.Y + r.Height}, {r.X, r.Y + r.Height}};
    m.TransformPoints(corners, 4);
    return Qarn::GetBoundRect(corners, 4);
}

}  // namespace

int CQarnComponent::HitTestHandle(CPoint point) const {
    for (int handle = 1; handle <= 8; ++handle) {
        PointF p = GetFrameHandle(QarnHandleId(handle));
        TransformPoints(&p, 1);
        if (Qarn::cast(p) == point) {
            return handle;
        }
    }
    return 0;
}

bool CQarnComponent::IsHittableOn(const CQarnCanvas* canvas) const {
    // Only what shows on the page asked about can be hit.
    if (canvas != nullptr && (m_pLayer == nullptr || m_pLayer->GetCanvas() != canvas)) {
        return false;
    }
    return m_pLayer == nullptr || m_pLayer->IsVisible(-1);
}

int CQarnComponent::HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas) {
    if (!IsHittableOn(canvas)) {
        return 0;
    }
    if (handles == 0) {
        PointF p = Qarn::cast(point);
        AntiTransformPoints(&p, 1);
        CRect frame = GetRect();
        frame.NormalizeRect();
        return frame.PtInRect(Qarn::cast(p)) ? 1 : 0;
    }
    const std::vector<CQarnHandle> shown = GetShownHandles();
    const std::vector<const CQarnHandle*> order = Qarn::HandleDrawOrder(shown);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if ((*it)->number != 0 && GetPointRect(Qarn::cast((*it)->shown), view).PtInRect(point)) {
            return (*it)->number;
        }
    }
    return 0;
}

bool CQarnComponent::HitTest(PointF point, float tolerance, CQarnCanvas* canvas) {
    // A negative or undefined tolerance, or an undefined point, hits nothing.
    if (!std::isfinite(point.X) || !std::isfinite(point.Y) || !(tolerance >= 0.0f) ||
        !std::isfinite(tolerance)) {
        return false;
    }
    return IsHittableOn(canvas) && HitTestShape(point, tolerance);
}

bool CQarnComponent::HitTestShape(PointF point, float tolerance) {
    if (m_pPath == nullptr) {
        ResetPath();
    }
    GraphicsPath outline;
    // A component that draws no outline is hit anywhere in its frame.
    bool interior = true;
    if (m_pPath != nullptr && !m_pPath->IsEmpty()) {
        outline = *m_pPath;
        interior = GetFill() || (GetDrawText() && GetTextFacet() != nullptr);
    } else {
        RectF frame = GetRectF();
        Qarn::NormalizeRectF(frame);
        outline.AddRectangle(frame);
    }
    outline.SetFillMode(GetFillWinding() ? FillModeWinding : FillModeAlternate);
    Matrix m;
    GetTransformMatrix(m);
    outline.Transform(&m);
    if (interior && outline.IsVisible(point)) {
        return true;
    }
    const double reach = double(tolerance) + (GetDrawLine() ? GetLineWidth() / 2.0 : 0.0);
    return Qarn::DistanceToOutline(outline, point, HitFlatness(tolerance)) <= reach;
}

int CQarnComponent::Intersects(CRect rect, POINT from, POINT to) const {
    const double t = double(GetLineWidth()) + 5.0;
    const double dx = double(from.x) - to.x;
    const double dy = double(from.y) - to.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    POINT band[4];
    if (length == 0.0) {
        // A segment of no length: the square around its point.
        const int d = int(t);
        band[0] = POINT{from.x - d, from.y - d};
        band[1] = POINT{from.x + d, from.y - d};
        band[2] = POINT{from.x + d, from.y + d};
        band[3] = POINT{from.x - d, from.y + d};
    } else {
        // Offsets across the segment; a vanishing one (an axis-parallel segment) is widened
        // to the full half-width so that the band also reaches past the ends.
        double ox = dy * t / length;
        double oy = dx * t / length;
        if (std::fabs(ox) <= 0.2) {
            ox = t;
        }
        if (std::fabs(oy) <= 0.2) {
            oy = t;
        }
        const int ix = int(ox);
        const int iy = int(oy);
        band[0] = POINT{from.x - ix, from.y + iy};
        band[1] = POINT{from.x + ix, from.y - iy};
        band[2] = POINT{to.x + ix, to.y - iy};
        band[3] = POINT{to.x - ix, to.y + iy};
    }
    CRgn region;
    region.CreatePolygonRgn(band, 4, WINDING);
    rect.NormalizeRect();
    return region.RectInRegion(&rect) ? 1 : 0;
}

int CQarnComponent::PointOnLine(CPoint point, POINT from, POINT to) const {
    return Intersects(CRect(point.x - 1, point.y - 1, point.x + 1, point.y + 1), from, to);
}

int CQarnComponent::InRect(const CRect& rect) {
    CRect tight = GetTightBoundRect();
    tight.NormalizeRect();
    if (tight.Width() < 1) {
        tight.right = tight.left + 1;
    }
    if (tight.Height() < 1) {
        tight.bottom = tight.top + 1;
    }
    CRect r = rect;
    r.NormalizeRect();
    return tight.left >= r.left && tight.top >= r.top && tight.right <= r.right &&
                   tight.bottom <= r.bottom
               ? 1
               : 0;
}

void CQarnComponent::GetRegionParts(GraphicsPath& filled, GraphicsPath& stroke) {
    if (m_pPath == nullptr) {
        ResetPath();
    }
    GraphicsPath outline;
    if (m_pPath != nullptr && !m_pPath->IsEmpty()) {
        outline = *m_pPath;
    } else {
        CRect frame = GetRect();
        frame.NormalizeRect();
        outline.AddRectangle(ToRectF(frame));
    }
    outline.SetFillMode(GetFillWinding() ? FillModeWinding : FillModeAlternate);
    Matrix m;
    GetTransformMatrix(m);
    outline.Transform(&m);

    // The stroke with the allowance the bounds give the pen: its width on either side, at
    // least one unit.
    const float allowance = std::max(1.0f, std::trunc(GetLineWidth()));
    Pen pen(Color(Color::Black), 2.0f * allowance);
    pen.SetLineJoin(LineJoinRound);
    pen.SetLineCap(LineCapRound, LineCapRound, DashCapRound);
    stroke = outline;
    stroke.Widen(&pen);
    filled = GetFill() || IsClosed() ? std::move(outline) : GraphicsPath();
}

void CQarnComponent::GetRegion(Region& region) {
    GraphicsPath filled;
    GraphicsPath stroke;
    GetRegionParts(filled, stroke);
    region.MakeEmpty();
    if (!filled.IsEmpty()) {
        region.Union(&filled);
    }
    region.Union(&stroke);
}

int CQarnComponent::HitTestPath(CPoint point, CView*) {
    Region region;
    GetRegion(region);
    return region.IsVisible(Qarn::cast(point)) ? 1 : 0;
}

int CQarnComponent::Intersects(const CRect& rect, CView*) {
    // The region's two parts one after the other: uniting them first costs far more than
    // both tests (and the stroke is not needed when the fill is hit).
    GraphicsPath filled;
    GraphicsPath stroke;
    GetRegionParts(filled, stroke);
    CRect r = rect;
    r.NormalizeRect();
    const RectF area = ToRectF(r);
    return Region(&filled).IsVisible(area) || Region(&stroke).IsVisible(area) ? 1 : 0;
}

int CQarnComponent::InRegion(const CRgn& area) {
    Region region;
    GetRegion(region);
    QRegion covered = region.ToQRegion();
    return !covered.isEmpty() && (covered - area.ToQRegion()).isEmpty() ? 1 : 0;
}

int CQarnComponent::Intersects(CRgn& area) {
    Region region;
    GetRegion(region);
    return region.ToQRegion().intersects(area.ToQRegion()) ? 1 : 0;
}

int CQarnComponent::OverlapRect(const CRect& rect) {
    CRect r = rect;
    r.NormalizeRect();
    CRect overlap;
    return overlap.IntersectRect(GetBoundRect(false), r) ? 1 : 0;
}

POINT CQarnComponent::GetIntersectPoint(POINT from, POINT to) {
    auto touches = [this](const POINT& p) {
        return Intersects(CRect(p.x - 1, p.y - 1, p.x + 2, p.y + 2), nullptr) != 0;
    };
    if (!touches(from) || touches(to)) {
        return from;
    }
    POINT a = from;
    POINT b = to;
    // Halving the distance: 64 steps cover any integer segment.
    for (int step = 0; step < 64 && (std::abs(a.x - b.x) >= 3 || std::abs(a.y - b.y) >= 3);
         ++step) {
        POINT m{LONG((std::int64_t(a.x) + b.x) / 2), LONG((std::int64_t(a.y) + b.y) / 2)};
        if (touches(m)) {
            a = m;
        } else {
            b = m;
        }
    }
    return b;
}

CRect CQarnComponent::GetBoundRect(bool) {
    const BoundProperties found = FindBoundProperties(m_PropList);
    CQarnPenProperty* pen = found.pen;
    CRect bound = GetRect();
    bound.NormalizeRect();
    const float width = pen != nullptr ? pen->GetLineWidth() : 1.0f;
    const int penAllowance = Qarn::TruncateToInt(width);
    bound.InflateRect(penAllowance, penAllowance);
    const int arrowSizes = found.arrow != nullptr
                               ? found.arrow->GetStartArrowSize() + found.arrow->GetEndArrowSize()
                               : 0;
    int extra = Qarn::TruncateToInt(double(width) * arrowSizes);
    const BYTE join = pen != nullptr ? pen->GetLineJoin() : BYTE(LineJoinBevel);
    if (width > 2.0f && join != LineJoinBevel && join != LineJoinRound) {
        extra = Qarn::TruncateToInt(double(extra) + double(width) * 3.0);
    }
    bound.InflateRect(extra, extra);

    Matrix m;
    const bool transformed = NeedTransform();
    if (transformed) {
        GetTransformMatrix(m);
        bound = Covering(TransformedBounds(ToRectF(bound), m));
    }
    if (CQarnShadowFacet* shadow = found.shadow) {
        RectF frame = GetRectF();
        RectF placed = shadow->GetBoundRect(frame);
        CRect shadowBound =
            transformed ? Covering(TransformedBounds(placed, m)) : Qarn::cast(placed);
        shadowBound.NormalizeRect();
        shadowBound.InflateRect(2, 2);
        bound.UnionRect(bound, shadowBound);
    }
    if (CQarnLabelFacet* label = found.label) {
        CRect labelBound = label->GetBoundRect();
        labelBound.NormalizeRect();
        bound.UnionRect(bound, labelBound);
    }
    return bound;
}

CRect CQarnComponent::GetTightBoundRect() {
    if (m_pPath == nullptr) {
        ResetPath();
    }
    Matrix m;
    GetTransformMatrix(m);
    RectF bounds;
    if (m_pPath != nullptr && !m_pPath->IsEmpty()) {
        m_pPath->GetBounds(&bounds, &m);
    } else {
        RectF frame = GetRectF();
        Qarn::NormalizeRectF(frame);
        bounds = TransformedBounds(frame, m);
    }
    return Covering(bounds);
}
