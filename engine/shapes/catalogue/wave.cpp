#include "shapes/catalogue/wave.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/clone_as.h"
#include "shapes/catalogue/mirrored_frame.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

QARN_IMPLEMENT_SERIAL(CQarnShapeWave, CQarnShapeBase, 0)

namespace {

void Double(CQarnShapeWave& wave) {
    wave.SetDouble(true);
}

[[maybe_unused]] const bool kWaves =
    Qarn::RegisterShapeKind<CQarnShapeWave>(Qarn::kShapeWave, "") &&
    Qarn::RegisterShapeKind<CQarnShapeWave>(Qarn::kShapeDoubleWave, "Wave2", &Double);

// The highest wave, as a fraction of the height, and the farthest slide of the bottom edge
// from the middle, as a fraction of the width.
constexpr float kMostHeight = 0.2f;
constexpr float kMostSlide = 0.25f;

// Quarter periods of the sine v = level - height * sin(2 pi periods t) over u from `from` to
// `to` (t from 0 to 1), each a cubic with the sine's values and slopes at its ends, walked
// forwards or backwards.
void AddWaveEdge(const CQarnMirroredFrame& frame, GraphicsPath& path, PointF& pen, float from,
                 float to, float level, float height, int periods, bool backwards) {
    const int pieces = 4 * periods;
    const double length = double(to) - from;
    const auto at = [&](int i) {
        const double phase = 2 * std::numbers::pi * periods * i / pieces;
        const double u = from + length * i / pieces;
        const double v = level - height * std::sin(phase);
        // dv/du along the edge.
        const double slope =
            length != 0.0 ? -height * 2 * std::numbers::pi * periods * std::cos(phase) / length
                          : 0.0;
        return std::array<double, 3>{u, v, slope};
    };
    for (int step = 0; step < pieces; ++step) {
        const int i0 = backwards ? pieces - step : step;
        const int i1 = backwards ? i0 - 1 : i0 + 1;
        const auto a = at(i0);
        const auto b = at(i1);
        const double third = (b[0] - a[0]) / 3;
        frame.BezierTo(path, pen, PointF(float(a[0] + third), float(a[1] + a[2] * third)),
                       PointF(float(b[0] - third), float(b[1] - b[2] * third)),
                       PointF(float(b[0]), float(b[1])));
    }
}

}  // namespace

CQarnShapeWave::CQarnShapeWave() : CQarnShapeBase(2) {}

CQarnShapeWave::CQarnShapeWave(const RectF& rect) : CQarnShapeBase(rect, 2) {
    SetFreeHandle(PointF(rect.X, rect.Y + rect.Height / 20), 0);
    SetFreeHandle(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height), 1);
}

void CQarnShapeWave::SetDouble(bool twoPeriods) {
    m_bDouble = twoPeriods;
    ResetPath();
}

CQarnHandleConstraint CQarnShapeWave::GetFreeHandleConstraint(int k) const {
    const RectF r = GetRectF();
    if (k == 0) {
        return CQarnHandleConstraint::WithinFrame(r, 0, 0, 0, kMostHeight);
    }
    return CQarnHandleConstraint::WithinFrame(r, 0.5f - kMostSlide, 1, 0.5f + kMostSlide, 1);
}

void CQarnShapeWave::BuildFigures(Figures& figures) const {
    const CQarnMirroredFrame frame(GetRectF());
    const float w = frame.Width();
    const float h = frame.Height();
    const float height = std::clamp(frame.V(GetFreeHandle(0)), 0.0f, kMostHeight * h);
    const float slide =
        std::clamp(frame.U(GetFreeHandle(1)) - w / 2, -kMostSlide * w, kMostSlide * w);
    // The bottom edge's middle follows the handle; the top edge gives way the other way, so
    // both stay within the frame and at least half as long as it is wide.
    const float topFrom = std::max(0.0f, -2 * slide);
    const float topTo = w - std::max(0.0f, 2 * slide);
    const float bottomFrom = std::max(0.0f, 2 * slide);
    const float bottomTo = w - std::max(0.0f, -2 * slide);
    const int periods = m_bDouble ? 2 : 1;
    GraphicsPath& path = figures.emplace_back().path;
    path.StartFigure();
    PointF pen(topFrom, height);
    AddWaveEdge(frame, path, pen, topFrom, topTo, height, height, periods, false);
    frame.LineTo(path, pen, PointF(bottomTo, h - height));
    AddWaveEdge(frame, path, pen, bottomFrom, bottomTo, h - height, height, periods, true);
    path.CloseFigure();
}

void CQarnShapeWave::Copy(const CQarnShapeWave* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnShapeBase::Copy(source);
    m_bDouble = source->m_bDouble;
}

CQarnComponent* CQarnShapeWave::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnShapeWave::Serialize(CArchive& ar) {
    CQarnShapeBase::Serialize(ar);
    const bool twoPeriods = GetShapeID() != Qarn::kShapeWave;
    if (twoPeriods != m_bDouble) {
        m_bDouble = twoPeriods;
        ResetPath();
    }
}
