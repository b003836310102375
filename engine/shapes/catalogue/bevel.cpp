#include "shapes/catalogue/bevel.h"

#include "core/clone_as.h"
#include "shapes/catalogue/inset_handle.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeBevel, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kBevel = Qarn::RegisterShapeKind<CQarnShapeBevel>(18210, "");

// Borders an eighth of the side wide on a square frame.
constexpr double kDefaultRatio = 0.125;

}  // namespace

CQarnShapeBevel::CQarnShapeBevel() : CQarnProportionalShape(kDefaultRatio) {}

CQarnShapeBevel::CQarnShapeBevel(const RectF& rect) : CQarnProportionalShape(rect, kDefaultRatio) {
    // An eighth of the longer side from the corner; the ratio is what that makes of the
    // shorter side, so that the first sizing keeps the borders where they were drawn.
    PlaceHandleAt(CQarnInsetHandle::AlongTopEdge(rect) ? PointF(rect.X + rect.Width / 8, rect.Y)
                                                       : PointF(rect.X, rect.Y + rect.Height / 8));
}

CQarnComponent* CQarnShapeBevel::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeBevel::GetFreeHandleConstraint(int) const {
    return CQarnInsetHandle::Constraint(GetRectF());
}

double CQarnShapeBevel::RatioAt(PointF framePoint) const {
    return CQarnInsetHandle::Ratio(GetRectF(), framePoint);
}

PointF CQarnShapeBevel::HandleAt(double ratio) const {
    return CQarnInsetHandle::Place(GetRectF(), ratio);
}

void CQarnShapeBevel::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    const float d = CQarnInsetHandle::Inset(r, GetFreeHandle(0));
    const float dx = (w > 0 ? 1.0f : -1.0f) * d;
    const float dy = (h >= 0 ? 1.0f : -1.0f) * d;
    const PointF top[4] = {{x, y}, {x + w, y}, {x + w - dx, y + dy}, {x + dx, y + dy}};
    const PointF left[4] = {{x, y}, {x + dx, y + dy}, {x + dx, y + h - dy}, {x, y + h}};
    const PointF face[4] = {
        {x + dx, y + dy}, {x + w - dx, y + dy}, {x + w - dx, y + h - dy}, {x + dx, y + h - dy}};
    const PointF right[4] = {
        {x + w - dx, y + dy}, {x + w, y}, {x + w, y + h}, {x + w - dx, y + h - dy}};
    const PointF bottom[4] = {
        {x, y + h}, {x + dx, y + h - dy}, {x + w - dx, y + h - dy}, {x + w, y + h}};
    for (const PointF* side : {top, left, face, right, bottom}) {
        Figure& figure = figures.emplace_back();
        figure.path.AddPolygon(side, 4);
        if (side == right || side == bottom) {
            figure.shade = kShadedBorder;
        }
    }
}
