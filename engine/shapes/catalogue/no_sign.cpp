#include "shapes/catalogue/no_sign.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/clone_as.h"
#include "core/rect_geometry.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeNoSign, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kNoSign = Qarn::RegisterShapeKind<CQarnShapeNoSign>(18224, "");

// The openings are centred on this direction (down and to the left) and its opposite.
constexpr float kOpening = 135.0f;

}  // namespace

CQarnShapeNoSign::CQarnShapeNoSign() : CQarnShapeBase(1) {}

CQarnShapeNoSign::CQarnShapeNoSign(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 8, rect.Y + rect.Height / 2), 0);
}

CQarnComponent* CQarnShapeNoSign::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeNoSign::GetFreeHandleConstraint(int) const {
    // From a ring of no width at the left edge to one half the radius wide.
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0.5f, 0.25f, 0.5f);
}

void CQarnShapeNoSign::BuildFigures(Figures& figures) const {
    // Not mirrored with the frame: the bar runs from the upper left whichever way the frame
    // was drawn, as the sign does.
    RectF r = GetRectF();
    Qarn::NormalizeRectF(r);
    const float cx = r.X + r.Width / 2;
    const float cy = r.Y + r.Height / 2;
    GraphicsPath& sign = figures.emplace_back().path;
    sign.AddEllipse(r);
    // The inner radius as a fraction of the outer one. The openings' chords lie (R - r) / 2
    // from the centre, so each spans 2 alpha about its direction.
    const float outer = r.Width / 2;
    const float inner =
        outer > 0 ? std::min(std::fabs(GetFreeHandle(0).X - cx) / outer, 1.0f) : 0.0f;
    const double cosine = inner > 0 ? (1.0 - inner) * 0.5 / inner : 1.0;
    const float alpha = float(std::acos(std::clamp(cosine, 0.0, 1.0)) * 180.0 / std::numbers::pi);
    if (!(alpha > 0.0f)) {
        return;
    }
    const RectF hole(cx - inner * r.Width / 2, cy - inner * r.Height / 2, inner * r.Width,
                     inner * r.Height);
    for (const float direction : {kOpening, kOpening + 180.0f}) {
        // Against the ellipse's own direction, so the openings stay open under either fill
        // rule.
        sign.StartFigure();
        sign.AddArc(hole, direction + alpha, -2 * alpha);
        sign.CloseFigure();
    }
}
