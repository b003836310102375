#include "shapes/arc_pie.h"

#include <cmath>
#include <utility>

#include "core/clone_as.h"
#include "core/default_properties.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/graphics_path.h"
#include "platform/pen_alignment.h"
#include "properties/arrow_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnArcPie, CQarnComponent, 0)

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// The angle of p seen from c, in [0, 360).
float AngleFrom(const PointF& c, const PointF& p) {
    double a = std::atan2(double(p.Y - c.Y), double(p.X - c.X)) * kDegreesPerRadian;
    if (a < 0) {
        a += 360.0;
    }
    return float(a);
}

PointF CentreOf(const RectF& r) {
    return PointF(r.X + r.Width / 2, r.Y + r.Height / 2);
}

// An open arc is drawn as a line only.
[[maybe_unused]] const bool kArcKind = Qarn::RegisterShapeKind<CQarnArcPie>(
    Qarn::kShapeArc, "Arc", [](CQarnArcPie& arc) { arc.SetFill(false); });
[[maybe_unused]] const bool kChordKind =
    Qarn::RegisterShapeKind<CQarnArcPie>(Qarn::kShapeChord, "Chord");
[[maybe_unused]] const bool kPieKind = Qarn::RegisterShapeKind<CQarnArcPie>(Qarn::kShapePie, "Pie");

}  // namespace

CQarnArcPie::CQarnArcPie() = default;

CQarnArcPie::CQarnArcPie(const RectF& rect)
    : CQarnComponent(rect),
      m_ptFirst(rect.X + rect.Width, rect.Y + rect.Height),
      m_ptSecond(rect.X, rect.Y),
      m_rcEllipse(rect.X, rect.Y - rect.Height, 2 * rect.Width, 2 * rect.Height) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetPenAlignment(PenAlignmentCenter);
    }
    CQarnProperty* arrow = Qarn::GetDefaultProperty(QARN_PROP_ARROW);
    AddProperty(arrow != nullptr ? arrow->Clone() : new CQarnArrowProperty());
}

void CQarnArcPie::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(0) << m_rcEllipse << m_ptFirst << m_ptSecond;
        return;
    }
    std::int32_t reserved = 0;
    ar >> reserved >> m_rcEllipse >> m_ptFirst >> m_ptSecond;
}

void CQarnArcPie::Copy(const CQarnArcPie* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_ptFirst = source->m_ptFirst;
    m_ptSecond = source->m_ptSecond;
    m_rcEllipse = source->m_rcEllipse;
}

CQarnComponent* CQarnArcPie::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnArcPie::SetGeometry(const RectF& ellipse, const PointF& first, const PointF& second) {
    m_rcEllipse = ellipse;
    m_ptFirst = first;
    m_ptSecond = second;
}

bool CQarnArcPie::RunsBackwards(const RectF& frame) {
    // A frame mirrored in one direction runs the other way round: drawing from the second end
    // to the first gives the same piece. Mirrored in both, it is only turned.
    return (frame.Width < 0) != (frame.Height < 0);
}

void CQarnArcPie::GetSweep(const RectF& ellipse, const PointF& first, const PointF& second,
                           bool backwards, float& start, float& sweep) {
    const PointF c = CentreOf(ellipse);
    float a1 = AngleFrom(c, first);
    float a2 = AngleFrom(c, second);
    if (backwards) {
        std::swap(a1, a2);
    }
    float s = std::fmod(a2 - a1, 360.0f);
    if (s < 0) {
        s += 360.0f;
    }
    start = a1;
    sweep = s;
}

BOOL CQarnArcPie::CreateElements(RectF* rect) {
    CQarnComponent::CreateElements(rect);
    const RectF frame = GetRectF();
    const RectF target = rect != nullptr ? *rect : frame;
    RectF ellipse = m_rcEllipse;
    PointF ends[2] = {m_ptFirst, m_ptSecond};
    if (rect != nullptr) {
        // The piece as it would be in that rectangle.
        Qarn::TransformRect(ellipse, frame, target);
        Qarn::TransformPoints(ends, 2, frame, target);
    }
    const bool backwards = RunsBackwards(target);
    float start = 0;
    float sweep = 0;
    GetSweep(ellipse, ends[0], ends[1], backwards, start, sweep);
    Qarn::NormalizeRectF(ellipse);
    GraphicsPath* path = GetElement(0)->GetPath();
    const int kind = GetShapeID();
    if (kind == Qarn::kShapePie) {
        path->AddLine(CentreOf(ellipse), backwards ? ends[1] : ends[0]);
    }
    path->AddArc(ellipse, start, sweep);
    if (kind == Qarn::kShapePie || kind == Qarn::kShapeChord) {
        path->CloseFigure();
    }
    return TRUE;
}

int CQarnArcPie::LabelHandle() const {
    return GetLabelFacet() != nullptr ? kSecondEndHandle + 1 : 0;
}

void CQarnArcPie::GetHandles(std::vector<CQarnHandle>& handles) const {
    // The frame keeps all eight handles whatever can be sized: the ends make the piece.
    for (int id = 1; id <= 8; ++id) {
        handles.push_back(CQarnHandle::Sizing(QarnHandleId(id), GetFrameHandle(QarnHandleId(id))));
    }
    handles.push_back(CQarnHandle::ArcEnd(m_ptFirst));
    handles.push_back(CQarnHandle::ArcEnd(m_ptSecond));
    AddLabelHandle(handles);
}

int CQarnArcPie::HitTest(CPoint point, CView* view, int handles, CQarnCanvas* canvas) {
    if (handles == 0) {
        return HitTestPath(point, view);
    }
    return CQarnComponent::HitTest(point, view, handles, canvas);
}

PointF CQarnArcPie::GetAnchorPoint(int anchor) const {
    PointF p = anchor == 1 ? m_ptFirst : anchor == 2 ? m_ptSecond : GetCenterPointF();
    TransformPoints(&p, 1);
    return p;
}

int CQarnArcPie::GetAnchorDirection(int anchor) const {
    if (anchor != 1 && anchor != 2) {
        return 16;
    }
    const PointF c = CentreOf(m_rcEllipse);
    const PointF& p = anchor == 1 ? m_ptFirst : m_ptSecond;
    const double phi = std::atan2(double(p.Y - c.Y), double(p.X - c.X)) * kDegreesPerRadian;
    int direction = 8;
    if (phi >= -135 && phi < -45) {
        direction = 1;
    } else if (phi >= -45 && phi < 45) {
        direction = 2;
    } else if (phi >= 45 && phi < 135) {
        direction = 4;
    }
    if (!NeedTransform()) {
        return direction;
    }
    if (GetHoriFlip() && (direction == 2 || direction == 8)) {
        direction = direction == 2 ? 8 : 2;
    }
    if (GetVertFlip() && (direction == 1 || direction == 4)) {
        direction = direction == 1 ? 4 : 1;
    }
    double whole = std::fmod(std::trunc(double(GetRotateAngle())), 360.0);
    if (whole < 0) {
        whole += 360.0;
    }
    for (int turns = (int(whole) + 45) / 90; turns > 0; --turns) {
        direction = direction == 8 ? 1 : direction * 2;
    }
    return direction;
}
