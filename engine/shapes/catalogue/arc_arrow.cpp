#include "shapes/catalogue/arc_arrow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/clone_as.h"
#include "platform/archive.h"
#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeArcArrow, CQarnShapeBase, 0)

namespace {

// The circular arrow: three quarters of a turn with a head at its end.
void CircularArrow(CQarnShapeArcArrow& arrow) {
    arrow.SetArrowKind(CQarnShapeArcArrow::kEndHead);
    arrow.SetSweep(270);
}

[[maybe_unused]] const bool kArcArrows =
    Qarn::RegisterShapeKind<CQarnShapeArcArrow>(18211, "BlockArc") &&
    Qarn::RegisterShapeKind<CQarnShapeArcArrow>(18287, "", &CircularArrow) &&
    Qarn::RegisterShapeKind<CQarnShapeArcArrow>(18289, "");

constexpr double kPi = std::numbers::pi;
// In radii of the ellipse: the block arc's band, and a headed band with its heads.
constexpr float kArcMiddle = 0.8f;
constexpr float kArcHalf = 0.2f;
constexpr float kBandMiddle = 0.75f;
constexpr float kBandHalf = 0.125f;
constexpr float kHeadHalf = 0.25f;
constexpr float kHeadLength = 0.5f;

// The profile of a head (or tail) laid along the arc: a point (a, b) of it goes `a` back
// along the band's middle from the angle `tip` (towards `back`, +1 or -1) and `b` out from the
// middle (towards `out`, +1 or -1). Its edges stay straight, as a head's do.
void AddProfileOnArc(CQarnArrowOutline& outline, const std::vector<PointF>& profile, double tip,
                     double back, float middle, float out) {
    for (const PointF& p : profile) {
        const double angle = tip + back * p.X / middle;
        const float radius = middle + out * p.Y;
        outline.LineTo(PointF(float(radius * std::cos(angle)), float(radius * std::sin(angle))));
    }
}

// The angle along the band (in radians from `tip`) where a profile point lies.
double AngleOf(const PointF& p, double tip, double back, float middle) {
    return tip + back * p.X / middle;
}

}  // namespace

CQarnShapeArcArrow::CQarnShapeArcArrow() : CQarnShapeBase(0) {}

CQarnShapeArcArrow::CQarnShapeArcArrow(const RectF& rect) : CQarnShapeBase(rect, 0) {}

void CQarnShapeArcArrow::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const double sweep = std::clamp(m_nSweep, 1, 360) * kPi / 180;
    // Centred on the top of the ellipse; angles grow clockwise on screen.
    const double start = 1.5 * kPi - sweep / 2;
    const double end = 1.5 * kPi + sweep / 2;
    const bool startHead = m_nKind == kStartHead || m_nKind == kBothHeads;
    const bool endHead = m_nKind == kEndHead || m_nKind == kBothHeads;
    const bool headed = startHead || endHead;
    const float middle = headed ? kBandMiddle : kArcMiddle;
    const float half = headed ? kBandHalf : kArcHalf;
    // The heads share the sweep when it is short.
    const float length =
        std::min(kHeadLength, float(sweep * middle / (startHead && endHead ? 2 : 1)));
    const auto profile = [&](bool head) {
        return head ? CQarnArrowHead(m_nHead, length, kHeadHalf, half).Profile()
                    : CQarnArrowHead::Tail(half);
    };
    const std::vector<PointF> endProfile = profile(endHead);
    const std::vector<PointF> startProfile = profile(startHead);

    // The unit circle onto the frame's ellipse (mirrored with the frame).
    CQarnArrowOutline outline(
        Matrix(r.Width / 2, 0, 0, r.Height / 2, r.X + r.Width / 2, r.Y + r.Height / 2));
    const PointF centre(0, 0);
    const float outer = middle + half;
    const float inner = middle - half;
    // Out along the band's outer edge, round the end, back along the inner edge, round the
    // start.
    outline.ArcTo(centre, outer, outer, AngleOf(startProfile.back(), start, 1, middle),
                  AngleOf(endProfile.front(), end, -1, middle));
    AddProfileOnArc(outline, endProfile, end, -1, middle, 1);
    outline.ArcTo(centre, inner, inner, AngleOf(endProfile.back(), end, -1, middle),
                  AngleOf(startProfile.front(), start, 1, middle));
    AddProfileOnArc(outline, startProfile, start, 1, middle, -1);
    figures.emplace_back().path = outline.Finish();
}

void CQarnShapeArcArrow::Copy(const CQarnShapeArcArrow* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_nKind = source->m_nKind;
    m_nHead = source->m_nHead;
    m_nSweep = source->m_nSweep;
}

CQarnComponent* CQarnShapeArcArrow::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeArcArrow::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nKind << m_nHead << m_nSweep;
        return;
    }
    ar >> m_nKind >> m_nHead >> m_nSweep;
}
