#include "shapes/catalogue/scroll.h"

#include <algorithm>
#include <cmath>

#include "core/clone_as.h"
#include "shapes/catalogue/mirrored_frame.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeScroll, CQarnShapeBase, 0)

namespace {

void Horizontal(CQarnShapeScroll& scroll) {
    scroll.SetHorizontal(true);
}

void Vertical(CQarnShapeScroll& scroll) {
    scroll.SetHorizontal(false);
}

[[maybe_unused]] const bool kScrolls =
    Qarn::RegisterShapeKind<CQarnShapeScroll>(Qarn::kShapeHorizontalScroll, "", &Horizontal) &&
    Qarn::RegisterShapeKind<CQarnShapeScroll>(Qarn::kShapeVerticalScroll, "", &Vertical);

// The default and the greatest thickness of the rolls, as fractions of the shorter side.
constexpr float kDefaultThickness = 0.125f;
constexpr float kMostThickness = 0.25f;

// A roll along the top edge of the (u, v) frame, `thickness` high, with a hole where the curl
// of one end shows; the curl itself fills the hole as its own figure.
void AddRoll(const CQarnMirroredFrame& frame, float top, float thickness, bool curlRight,
             CQarnShapeBase::Figures& figures) {
    const float w = frame.Width();
    const float r = thickness / 2;
    const float k = 0.5522847498f * r;
    CQarnShapeBase::Figure& roll = figures.emplace_back();
    GraphicsPath& path = roll.path;
    path.StartFigure();
    PointF pen(r, top);
    frame.LineTo(path, pen, PointF(w - r, top));
    // Round about the right end, along the bottom, round about the left end.
    frame.BezierTo(path, pen, {w - r + k, top}, {w, top + r - k}, {w, top + r});
    frame.BezierTo(path, pen, {w, top + r + k}, {w - r + k, top + thickness},
                   {w - r, top + thickness});
    frame.LineTo(path, pen, PointF(r, top + thickness));
    frame.BezierTo(path, pen, {r - k, top + thickness}, {0, top + r + k}, {0, top + r});
    frame.BezierTo(path, pen, {0, top + r - k}, {r - k, top}, {r, top});
    path.CloseFigure();
    const PointF curl(curlRight ? w - r : r, top + r);
    frame.AddEllipse(path, curl, r / 2, r / 2, false);
    CQarnShapeBase::Figure& end = figures.emplace_back();
    frame.AddEllipse(end.path, curl, r / 2, r / 2);
    end.shade = CQarnShapeScroll::kCurlShade;
}

}  // namespace

CQarnShapeScroll::CQarnShapeScroll() : CQarnShapeBase(1) {}

CQarnShapeScroll::CQarnShapeScroll(const RectF& rect) : CQarnShapeBase(rect, 1) {
    const float m = kDefaultThickness * std::min(std::fabs(rect.Width), std::fabs(rect.Height));
    SetFreeHandle(CQarnMirroredFrame(rect).At(0, m), 0);
}

void CQarnShapeScroll::SetHorizontal(bool horizontal) {
    const float thickness = Thickness();
    m_bHorizontal = horizontal;
    SetFreeHandle(CQarnMirroredFrame(GetRectF(), !m_bHorizontal).At(0, thickness), 0);
    ResetPath();
}

float CQarnShapeScroll::MostThickness() const {
    const RectF r = GetRectF();
    return kMostThickness * std::min(std::fabs(r.Width), std::fabs(r.Height));
}

float CQarnShapeScroll::Thickness() const {
    const CQarnMirroredFrame frame(GetRectF(), !m_bHorizontal);
    return std::clamp(frame.V(GetFreeHandle(0)), 0.0f, MostThickness());
}

CQarnHandleConstraint CQarnShapeScroll::GetFreeHandleConstraint(int) const {
    const CQarnMirroredFrame frame(GetRectF(), !m_bHorizontal);
    const PointF from = frame.At(0, 0);
    const PointF to = frame.At(0, MostThickness());
    return CQarnHandleConstraint::Within(RectF(from.X, from.Y, to.X - from.X, to.Y - from.Y));
}

int CQarnShapeScroll::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    const std::optional<CQarnHandle> h = FindHandle(handle);
    const bool sizing = h && h->kind == QarnHandleKind::Sizing;
    if (CQarnShapeBase::MoveHandleTo(handle, point, flags) == 0) {
        return 0;
    }
    if (sizing) {
        SetFreeHandle(GetFreeHandleConstraint(0).Apply(GetFreeHandle(0)), 0);
        ResetPath();
    }
    return 1;
}

void CQarnShapeScroll::BuildFigures(Figures& figures) const {
    const CQarnMirroredFrame frame(GetRectF(), !m_bHorizontal);
    const float w = frame.Width();
    const float h = frame.Height();
    const float m = Thickness();
    const float r = m / 2;
    // The sheet hangs between the rolls, narrower than they are by half their thickness.
    const PointF sheet[4] = {{r, m}, {w - r, m}, {w - r, h - m}, {r, h - m}};
    frame.AddPolygon(figures.emplace_back().path, sheet, 4);
    AddRoll(frame, 0, m, true, figures);
    AddRoll(frame, h - m, m, false, figures);
}

void CQarnShapeScroll::Copy(const CQarnShapeScroll* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_bHorizontal = source->m_bHorizontal;
}

CQarnComponent* CQarnShapeScroll::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeScroll::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    const bool horizontal = GetShapeID() == Qarn::kShapeHorizontalScroll;
    if (horizontal != m_bHorizontal) {
        m_bHorizontal = horizontal;
        ResetPath();
    }
}
