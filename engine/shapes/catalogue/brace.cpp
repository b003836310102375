#include "shapes/catalogue/brace.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/frame_axes.h"
#include "shapes/catalogue/mirrored_shape_kind.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeBrace, CQarnShapeBase, 0)

namespace {

// A brace is a line: filled, it would close over half the frame.
void AsLine(CQarnShapeBrace& brace) {
    brace.SetFill(false);
}

[[maybe_unused]] const bool kBraces =
    Qarn::RegisterShapeKind<CQarnShapeBrace>(18244, "", &AsLine) &&
    Qarn::RegisterMirroredShapeKind<CQarnShapeBrace>(18245, "", &AsLine);

// A curve is never quite flat, so that its ends keep their direction.
constexpr float kFlattest = 0.01f;

}  // namespace

CQarnShapeBrace::CQarnShapeBrace() : CQarnShapeBase(2) {}

CQarnShapeBrace::CQarnShapeBrace(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height / 12), 0);
    SetFreeHandle(PointF(rect.X, rect.Y + rect.Height / 2), 1);
}

CQarnComponent* CQarnShapeBrace::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

float CQarnShapeBrace::TipDepth() const {
    const CQarnFrameAxes axes(GetRectF());
    return std::clamp(axes.InwardY(GetFreeHandle(1).Y), 0.0f, axes.Height());
}

float CQarnShapeBrace::CurveDepth() const {
    const CQarnFrameAxes axes(GetRectF());
    const float tip = TipDepth();
    // Two curves of twice this height fit above and below the tip.
    const float room = std::min(tip, axes.Height() - tip) / 2;
    return std::clamp(axes.InwardY(GetFreeHandle(0).Y), 0.0f, room);
}

CQarnHandleConstraint CQarnShapeBrace::GetFreeHandleConstraint(int k) const {
    const CQarnFrameAxes axes(GetRectF());
    const float h = axes.Height();
    if (k == 0) {
        const float tip = TipDepth();
        const float middle = axes.Width() / 2;
        return axes.Confine(middle, 0, middle, std::min(tip, h - tip) / 2);
    }
    // The tip keeps room for the curves above and below it.
    const float curves = 2 * CurveDepth();
    return axes.Confine(0, curves, 0, std::max(curves, h - curves));
}

void CQarnShapeBrace::BuildFigures(Figures& figures) const {
    const CQarnFrameAxes axes(GetRectF());
    const float w = axes.Width();
    const float h = axes.Height();
    const float a = std::max(w, kFlattest);
    const float e = std::max(2 * CurveDepth(), kFlattest);
    const float m = TipDepth();
    const float mx = w / 2;
    GraphicsPath& brace = figures.emplace_back().path;
    // From the top end in to the middle line, down to the tip, back to the middle line and
    // down to the bottom end; the path joins the curves along the middle line.
    brace.AddArc(RectF(mx, 0, a, e), 270, -90);
    brace.AddArc(RectF(-a / 2, m - e, a, e), 0, 90);
    brace.AddArc(RectF(-a / 2, m, a, e), 270, 90);
    brace.AddArc(RectF(mx, h - e, a, e), 180, -90);
    const Matrix toFrame = axes.ToFrame();
    brace.Transform(&toFrame);
}
