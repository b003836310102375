#include "shapes/catalogue/face.h"

#include <cmath>

#include "core/clone_as.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeFace, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kFace = Qarn::RegisterShapeKind<CQarnShapeFace>(18219, "");

// The mouth's corners are this far down the frame; its middle goes up or down from there.
constexpr float kMouthLine = 0.75f;
constexpr float kFrown = 0.6f;
constexpr float kSmile = 0.9f;

}  // namespace

CQarnShapeFace::CQarnShapeFace() : CQarnShapeBase(1) {}

CQarnShapeFace::CQarnShapeFace(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + kMouthLine * rect.Height), 0);
}

CQarnComponent* CQarnShapeFace::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeFace::GetFreeHandleConstraint(int) const {
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0.5f, kFrown, 0.5f, kSmile);
}

void CQarnShapeFace::BuildFigures(Figures& figures) const {
    const RectF f = GetRectF();
    const float x = f.X;
    const float y = f.Y;
    const float w = f.Width;
    const float h = f.Height;
    // The eyes' radii: a twelfth of the width, stretched like the head.
    const float r = std::fabs(w) / 12;
    const float ry = std::fabs(h) / 12;
    figures.emplace_back().path.AddEllipse(RectF(x, y, w, h));
    for (const float eyeX : {x + w / 3, x + 2 * w / 3}) {
        Figure& eye = figures.emplace_back();
        eye.path.AddEllipse(RectF(eyeX - r, y + 0.4f * h - ry, 2 * r, 2 * ry));
        eye.shade = kEyeShade;
        eye.apart = true;
    }
    Figure& mouth = figures.emplace_back();
    const PointF through[3] = {PointF(x + 0.25f * w, y + kMouthLine * h), GetFreeHandle(0),
                               PointF(x + 0.75f * w, y + kMouthLine * h)};
    mouth.path.AddCurve(through, 3);
    mouth.apart = true;
}
