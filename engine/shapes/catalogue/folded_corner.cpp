#include "shapes/catalogue/folded_corner.h"

#include <cmath>

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeFoldedCorner, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kFoldedCorner =
    Qarn::RegisterShapeKind<CQarnShapeFoldedCorner>(18220, "");

}  // namespace

CQarnShapeFoldedCorner::CQarnShapeFoldedCorner() : CQarnShapeBase(1) {}

CQarnShapeFoldedCorner::CQarnShapeFoldedCorner(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + 0.875f * rect.Width, rect.Y + rect.Height), 0);
}

CQarnComponent* CQarnShapeFoldedCorner::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeFoldedCorner::GetFreeHandleConstraint(int) const {
    // Along the bottom edge, from no fold at the corner to half the width folded.
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0.5f, 1, 1, 1);
}

void CQarnShapeFoldedCorner::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    // The fold across and up, as deep as the handle is from the right edge, the height in
    // proportion; each turned round for a frame mirrored along it.
    const float d = std::fabs(x + w - GetFreeHandle(0).X);
    const float fx = w > 0 ? d : -d;
    const float depth = w != 0 ? std::fabs(h / w) * d : 0.0f;
    const float fy = h > 0 ? depth : -depth;
    const PointF page[5] = {
        {x, y}, {x + w, y}, {x + w, y + h - fy}, {x + w - fx, y + h}, {x, y + h}};
    figures.emplace_back().path.AddPolygon(page, 5);

    Figure& flap = figures.emplace_back();
    flap.shade = kFlapShade;
    flap.apart = true;
    const PointF edge[3] = {
        {x + w, y + h - fy}, {x + w - fx, y + h}, {x + w - 0.75f * fx, y + h - fy}};
    const PointF curl[3] = {{x + w - 0.75f * fx, y + h - fy},
                            {x + w - 0.5f * fx, y + h - 0.875f * fy},
                            {x + w, y + h - fy}};
    flap.path.AddLines(edge, 3);
    flap.path.AddCurve(curl, 3, 1.0f);
    flap.path.CloseFigure();
}
