#include "shapes/catalogue/cylinder.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCylinder, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kCylinder = Qarn::RegisterShapeKind<CQarnShapeCylinder>(18215, "Can");

}  // namespace

CQarnShapeCylinder::CQarnShapeCylinder() : CQarnShapeBase(1) {}

CQarnShapeCylinder::CQarnShapeCylinder(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height / 4), 0);
}

CQarnComponent* CQarnShapeCylinder::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeCylinder::GetFreeHandleConstraint(int) const {
    const CQarnFrameAxes axes(GetRectF());
    // From the top edge down to the middle: the lid is at most half the can.
    return axes.Confine(axes.Width() / 2, 0, axes.Width() / 2, axes.Height() / 2);
}

void CQarnShapeCylinder::BuildFigures(Figures& figures) const {
    const CQarnFrameAxes axes(GetRectF());
    const float w = axes.Width();
    const float h = axes.Height();
    // The lid's height, measured inwards from the top edge (the bottom edge of a frame
    // mirrored upwards).
    const float e = std::min(axes.InwardY(GetFreeHandle(0).Y), h);
    const Matrix toFrame = axes.ToFrame();
    if (!(e > 0.0f)) {
        GraphicsPath& plain = figures.emplace_back().path;
        plain.AddRectangle(RectF(0, 0, w, h));
        plain.Transform(&toFrame);
        return;
    }
    // The lid, then the body below it: down the right side, along the front of the bottom,
    // up the left side and back along the front of the lid. The two do not overlap, so the
    // lid is filled once whatever the fill rule.
    GraphicsPath& lid = figures.emplace_back().path;
    lid.AddEllipse(RectF(0, 0, w, e));
    lid.Transform(&toFrame);
    GraphicsPath& body = figures.emplace_back().path;
    body.AddLine(PointF(w, e / 2), PointF(w, h - e / 2));
    body.AddArc(RectF(0, h - e, w, e), 0, 180);
    body.AddArc(RectF(0, 0, w, e), 180, -180);
    body.CloseFigure();
    body.Transform(&toFrame);
}
