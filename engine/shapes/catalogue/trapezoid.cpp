#include "shapes/catalogue/trapezoid.h"

#include <cmath>

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeTrapezoid, CQarnShapeBase, 0)

namespace {

constexpr int kTrapezoid = 18231;
constexpr int kFreeTrapezoid = 18247;

[[maybe_unused]] const bool kTrapezoids =
    Qarn::RegisterShapeKind<CQarnShapeTrapezoid>(kTrapezoid, "Trapezoid") &&
    Qarn::RegisterShapeKind<CQarnShapeTrapezoid>(kFreeTrapezoid, "FreeTrapezoid");

}  // namespace

CQarnShapeTrapezoid::CQarnShapeTrapezoid() : CQarnShapeBase(2) {}

CQarnShapeTrapezoid::CQarnShapeTrapezoid(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y + rect.Height), 0);
    SetFreeHandle(PointF(rect.X + 0.75f * rect.Width, rect.Y + rect.Height), 1);
}

int CQarnShapeTrapezoid::GetFreeHandleCount() const {
    return GetShapeID() == kFreeTrapezoid ? 2 : 1;
}

CQarnComponent* CQarnShapeTrapezoid::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeTrapezoid::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    if (GetShapeID() != kFreeTrapezoid) {
        // Along the bottom edge up to the middle, where the trapezoid becomes a triangle.
        return CQarnHandleConstraint::WithinFrame(r, 0, 1, 0.5f, 1);
    }
    // Each bottom corner on its own half of the frame, so the sides never cross.
    return k == 0 ? CQarnHandleConstraint::WithinFrame(r, 0, 0, 0.5f, 1)
                  : CQarnHandleConstraint::WithinFrame(r, 0.5f, 0, 1, 1);
}

void CQarnShapeTrapezoid::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    GraphicsPath& path = figures.emplace_back().path;
    if (GetShapeID() == kFreeTrapezoid) {
        const PointF corners[4] = {{x, y}, {x + w, y}, GetFreeHandle(1), GetFreeHandle(0)};
        path.AddPolygon(corners, 4);
        return;
    }
    const float a = (w > 0 ? 1.0f : -1.0f) * std::fabs(GetFreeHandle(0).X - x);
    const PointF corners[4] = {{x, y}, {x + w, y}, {x + w - a, y + h}, {x + a, y + h}};
    path.AddPolygon(corners, 4);
}
