#include "shapes/catalogue/parallelogram.h"

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeParallelogram, CQarnShapeBase, 0)

namespace {

constexpr int kFreeSquare = 18248;

[[maybe_unused]] const bool kParallelograms =
    Qarn::RegisterShapeKind<CQarnShapeParallelogram>(18225, "") &&
    Qarn::RegisterShapeKind<CQarnShapeParallelogram>(kFreeSquare, "FreeSquare");

}  // namespace

CQarnShapeParallelogram::CQarnShapeParallelogram() : CQarnShapeBase(1) {}

CQarnShapeParallelogram::CQarnShapeParallelogram(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y), 0);
}

CQarnComponent* CQarnShapeParallelogram::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeParallelogram::GetFreeHandleConstraint(int) const {
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0, 1, 0);
}

void CQarnShapeParallelogram::BuildFigures(Figures& figures) const {
    const RectF r = GetRectF();
    const float x = r.X;
    const float y = r.Y;
    const float w = r.Width;
    const float h = r.Height;
    const PointF handle = GetFreeHandle(0);
    GraphicsPath& path = figures.emplace_back().path;
    if (GetShapeID() == kFreeSquare) {
        const float t = w != 0 ? (handle.X - x) / w : 0.0f;
        const PointF corners[4] = {
            {x + t * w, y}, {x + w, y + t * h}, {x + (1 - t) * w, y + h}, {x, y + (1 - t) * h}};
        path.AddPolygon(corners, 4);
        return;
    }
    const float slant = handle.X - x;
    const PointF corners[4] = {handle, {x + w, handle.Y}, {x + w - slant, y + h}, {x, y + h}};
    path.AddPolygon(corners, 4);
}
