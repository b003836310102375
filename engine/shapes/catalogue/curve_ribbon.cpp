#include "shapes/catalogue/curve_ribbon.h"

#include <algorithm>

#include "core/clone_as.h"
#include "shapes/catalogue/mirrored_frame.h"
#include "shapes/catalogue/ribbon_outline.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeCurveRibbon, CQarnShapeBase, 0)

namespace {

[[maybe_unused]] const bool kCurveRibbon =
    Qarn::RegisterShapeKind<CQarnShapeCurveRibbon>(Qarn::kShapeCurveRibbon, "");

// The panel's start, as fractions of the width from either end.
constexpr float kLeastInset = 0.125f;
constexpr float kMostInset = 0.375f;
// The deepest sink, as a fraction of the height, and the deepest drop of the ends, as a
// fraction of the band.
constexpr float kMostSag = 0.5f;
constexpr float kMostDrop = 0.5f;

enum Handle { kInsetHandle = 0, kDropHandle = 1, kSagHandle = 2 };

}  // namespace

CQarnShapeCurveRibbon::CQarnShapeCurveRibbon() : CQarnShapeBase(3) {}

CQarnShapeCurveRibbon::CQarnShapeCurveRibbon(const RectF& rect) : CQarnShapeBase(rect, 3) {
    SetFreeHandle(PointF(rect.X + rect.Width / 4, rect.Y), kInsetHandle);
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height - rect.Height / 4),
                  kDropHandle);
    SetFreeHandle(PointF(rect.X, rect.Y + rect.Height / 8), kSagHandle);
}

CQarnComponent* CQarnShapeCurveRibbon::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

float CQarnShapeCurveRibbon::Sag() const {
    const CQarnMirroredFrame frame(GetRectF());
    return std::clamp(frame.V(GetFreeHandle(kSagHandle)), 0.0f, kMostSag * frame.Height());
}

float CQarnShapeCurveRibbon::Band() const {
    return CQarnMirroredFrame(GetRectF()).Height() - Sag();
}

float CQarnShapeCurveRibbon::Drop() const {
    const CQarnMirroredFrame frame(GetRectF());
    const float band = Band();
    return std::clamp(band - frame.V(GetFreeHandle(kDropHandle)), 0.0f, kMostDrop * band);
}

CQarnHandleConstraint CQarnShapeCurveRibbon::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    if (k == kInsetHandle) {
        return CQarnHandleConstraint::WithinFrame(r, kLeastInset, 0, kMostInset, 0);
    }
    if (k == kSagHandle) {
        return CQarnHandleConstraint::WithinFrame(r, 0, 0, 0, kMostSag);
    }
    // On the middle line, from halfway down the band to its foot.
    const float h = CQarnMirroredFrame(r).Height();
    const float foot = h > 0 ? Band() / h : 1.0f;
    return CQarnHandleConstraint::WithinFrame(r, 0.5f, foot * (1 - kMostDrop), 0.5f, foot);
}

bool CQarnShapeCurveRibbon::SetAdjustParameter(int parameter, const PointF& framePoint) {
    const float drop = Drop();
    if (!CQarnShapeBase::SetAdjustParameter(parameter, framePoint)) {
        return false;
    }
    if (parameter == kSagHandle) {
        // The ends keep hanging as low below the panel (as far as the new band allows): the
        // panel's foot moves with the band.
        const CQarnMirroredFrame frame(GetRectF());
        const PointF old = GetFreeHandle(kDropHandle);
        const float band = Band();
        SetFreeHandle(frame.At(frame.U(old), band - std::min(drop, kMostDrop * band)), kDropHandle);
    }
    return true;
}

void CQarnShapeCurveRibbon::BuildFigures(Figures& figures) const {
    const CQarnMirroredFrame frame(GetRectF());
    const float w = frame.Width();
    CQarnRibbonOutline::Measures m;
    m.inset = std::clamp(frame.U(GetFreeHandle(kInsetHandle)), kLeastInset * w, kMostInset * w);
    m.sag = Sag();
    m.band = Band();
    m.drop = Drop();
    CQarnRibbonOutline(frame, m).Build(figures);
}
