#include "shapes/catalogue/ribbon.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/mirrored_frame.h"
#include "shapes/catalogue/ribbon_outline.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeRibbon, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kRibbon =
    Qarn::RegisterShapeKind<CQarnShapeRibbon>(Qarn::kShapeRibbon, "");

// The panel's start, as fractions of the width from either end.
constexpr float kLeastInset = 0.125f;
constexpr float kMostInset = 0.375f;
// The deepest the ends may hang, as a fraction of the height.
constexpr float kMostDrop = 0.5f;

}  // namespace

CQarnShapeRibbon::CQarnShapeRibbon() : CQarnShapeBase(2) {}

CQarnShapeRibbon::CQarnShapeRibbon(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y), 0);
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height - rect.Height / 6), 1);
}

CQarnComponent* CQarnShapeRibbon::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

CQarnHandleConstraint CQarnShapeRibbon::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    if (k == 0) {
        return CQarnHandleConstraint::WithinFrame(r, kLeastInset, 0, kMostInset, 0);
    }
    return CQarnHandleConstraint::WithinFrame(r, 0.5f, 1 - kMostDrop, 0.5f, 1);
}

void CQarnShapeRibbon::BuildFigures(Figures& figures) const {
    const CQarnMirroredFrame frame(GetRectF());
    const float w = frame.Width();
    const float h = frame.Height();
    // Handles read from a file may lie anywhere: the outline keeps to the handles' ranges.
    CQarnRibbonOutline::Measures m;
    m.inset = std::clamp(frame.U(GetFreeHandle(0)), kLeastInset * w, kMostInset * w);
    m.drop = std::clamp(h - frame.V(GetFreeHandle(1)), 0.0f, kMostDrop * h);
    m.band = h;
    CQarnRibbonOutline(frame, m).Build(figures);
}
