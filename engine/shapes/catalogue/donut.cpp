#include "shapes/catalogue/donut.h"

#include "core/clone_as.h"
#include "core/rect_geometry.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeDonut, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kDonut = Qarn::RegisterShapeKind<CQarnShapeDonut>(18217, "Ring");

}  // namespace

CQarnShapeDonut::CQarnShapeDonut() : CQarnShapeBase(1) {}

CQarnShapeDonut::CQarnShapeDonut(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y + rect.Height / 4), 0);
}

CQarnComponent* CQarnShapeDonut::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeDonut::GetFreeHandleConstraint(int) const {
    // From the frame's corner (the hole as large as the ring) to its centre (no hole).
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0, 0.5f, 0.5f);
}

void CQarnShapeDonut::BuildFigures(Figures& figures) const {
    RectF outer = GetRectF();
    Qarn::NormalizeRectF(outer);
    const PointF centre(outer.X + outer.Width / 2, outer.Y + outer.Height / 2);
    const PointF handle = GetFreeHandle(0);
    // The hole: the handle and its mirror image through the centre are opposite corners.
    RectF hole(handle.X, handle.Y, 2 * (centre.X - handle.X), 2 * (centre.Y - handle.Y));
    Qarn::NormalizeRectF(hole);
    GraphicsPath& ring = figures.emplace_back().path;
    ring.AddEllipse(outer);
    // The hole runs the other way round, so it stays open under either fill rule.
    ring.StartFigure();
    ring.AddArc(hole, 0, -360);
    ring.CloseFigure();
}
