#include "shapes/catalogue/fixed.h"

#include "core/clone_as.h"
#include "core/rect_geometry.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeFixed, CQarnShapeBase, 0)

namespace {

constexpr int kHeart = 18238;

[[maybe_unused]] const bool kFixed =
    Qarn::RegisterShapeKind<CQarnShapeFixed>(Qarn::kShapeAutoEllipse, "Ellipse") &&
    Qarn::RegisterShapeKind<CQarnShapeFixed>(Qarn::kShapeAutoRectangle, "Rectangle") &&
    Qarn::RegisterShapeKind<CQarnShapeFixed>(Qarn::kShapeRightTriangle, "RightTriangle") &&
    Qarn::RegisterShapeKind<CQarnShapeFixed>(kHeart, "Heart");

// Two lobes drawn as curves through the top of the frame, straight sides down to the tip.
void AddHeart(GraphicsPath& path, const RectF& r) {
    auto at = [&r](float fx, float fy) { return PointF(r.X + fx * r.Width, r.Y + fy * r.Height); };
    const PointF left[5] = {at(0.5f, 0.1f), at(0.25f, 0.0f), at(0.1f, 1.0f / 15), at(0.0f, 0.2f),
                            at(0.05f, 0.4f)};
    const PointF tip[3] = {at(0.05f, 0.4f), at(0.5f, 1.0f), at(0.95f, 0.4f)};
    const PointF right[5] = {at(0.95f, 0.4f), at(1.0f, 0.2f), at(0.9f, 1.0f / 15), at(0.75f, 0.0f),
                             at(0.5f, 0.1f)};
    path.AddCurve(left, 5);
    path.AddLines(tip, 3);
    path.AddCurve(right, 5);
    path.CloseFigure();
}

}  // namespace

CQarnShapeFixed::CQarnShapeFixed() : CQarnShapeBase(0) {
    SetShapeID(Qarn::kShapeAutoRectangle);
}

CQarnShapeFixed::CQarnShapeFixed(const RectF& rect) : CQarnShapeBase(rect, 0) {
    SetShapeID(Qarn::kShapeAutoRectangle);
}

CQarnComponent* CQarnShapeFixed::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeFixed::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    switch (GetShapeID()) {
        case Qarn::kShapeAutoEllipse:
            figures.emplace_back().path.AddEllipse(r);
            break;
        case Qarn::kShapeAutoRectangle: {
            RectF normal = r;
            Qarn::NormalizeRectF(normal);
            figures.emplace_back().path.AddRectangle(normal);
            break;
        }
        case Qarn::kShapeRightTriangle: {
            const PointF corners[3] = {
                {r.X, r.Y}, {r.X, r.Y + r.Height}, {r.X + r.Width, r.Y + r.Height}};
            figures.emplace_back().path.AddPolygon(corners, 3);
            break;
        }
        case kHeart:
            AddHeart(figures.emplace_back().path, r);
            break;
        default:
            break;
    }
}
