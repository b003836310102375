#include "shapes/catalogue/bracket.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/catalogue/mirrored_shape_kind.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeBracket, CQarnShapeBase, 0)

namespace {

// A bracket is a line: filled, it would close over the whole frame.
void AsLine(CQarnShapeBracket& bracket) {
    bracket.SetFill(false);
}

[[maybe_unused]] const bool kBrackets =
    Qarn::RegisterShapeKind<CQarnShapeBracket>(18242, "", &AsLine) &&
    Qarn::RegisterMirroredShapeKind<CQarnShapeBracket>(18243, "", &AsLine);

// A curve is never quite flat, so that its ends keep their direction.
constexpr float kFlattest = 0.01f;

}  // namespace

CQarnShapeBracket::CQarnShapeBracket() : CQarnShapeBase(1) {}

CQarnShapeBracket::CQarnShapeBracket(const RectF& rect) : CQarnShapeBase(rect, 1) {
    SetFreeHandle(PointF(rect.X, rect.Y + rect.Height / 12), 0);
}

CQarnComponent* CQarnShapeBracket::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeBracket::GetFreeHandleConstraint(int) const {
    // Down the upright to the middle, where the two curves meet.
    return CQarnHandleConstraint::WithinFrame(GetRectF(), 0, 0, 0, 0.5f);
}

void CQarnShapeBracket::BuildFigures(Figures& figures) const {
    const CQarnFrameAxes axes(GetRectF());
    const float w = axes.Width();
    const float h = axes.Height();
    // Each curve is a quarter of an ellipse twice the width across and e high.
    const float a = 2 * w;
    const float e =
        std::max(2 * std::clamp(axes.InwardY(GetFreeHandle(0).Y), 0.0f, h / 2), kFlattest);
    GraphicsPath& bracket = figures.emplace_back().path;
    bracket.AddArc(RectF(0, 0, a, e), 270, -90);
    bracket.AddArc(RectF(0, h - e, a, e), 180, -90);
    const Matrix toFrame = axes.ToFrame();
    bracket.Transform(&toFrame);
}
