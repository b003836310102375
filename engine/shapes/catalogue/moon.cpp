#include "shapes/catalogue/moon.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeMoon, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kMoon = Qarn::RegisterShapeKind<CQarnShapeMoon>(18232, "");

// The thinnest crescent the handle leaves, as a fraction of the width.
constexpr float kThinnest = 0.125f;

}  // namespace

CQarnShapeMoon::CQarnShapeMoon() : CQarnShapeBase(1) {}

CQarnShapeMoon::CQarnShapeMoon(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height / 2), 0);
}

CQarnComponent* CQarnShapeMoon::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeMoon::GetFreeHandleConstraint(int) const {
    // From a thin crescent to a half disc (the inner edge on the right edge).
    return CQarnHandleConstraint::WithinFrame(GetRectF(), kThinnest, 0.5f, 1, 0.5f);
}

void CQarnShapeMoon::BuildFigures(Figures& figures) const {
    const CQarnFrameAxes axes(GetRectF());
    const float w = axes.Width();
    const float h = axes.Height();
    // The inner ellipse reaches from the handle to as far beyond the right edge.
    const float inner = std::clamp(axes.InwardX(GetFreeHandle(0).X), 0.0f, w);
    GraphicsPath& moon = figures.emplace_back().path;
    moon.AddArc(RectF(inner, 0, 2 * (w - inner), h), 90, 180);
    moon.AddArc(RectF(0, 0, 2 * w, h), 270, -180);
    moon.CloseFigure();
    const Matrix toFrame = axes.ToFrame();
    moon.Transform(&toFrame);
}
