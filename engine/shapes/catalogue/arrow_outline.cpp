#include "shapes/catalogue/arrow_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The longest piece of an ellipse drawn as one Bezier curve.
constexpr double kQuarterTurn = std::numbers::pi / 2;

float Sign(float extent) {
    return extent < 0.0f ? -1.0f : 1.0f;
}

PointF OnEllipse(PointF centre, float rx, float ry, double angle) {
    return PointF(float(centre.X + rx * std::cos(angle)), float(centre.Y + ry * std::sin(angle)));
}

}  // namespace

Matrix CQarnArrowOutline::FrameMap(const RectF& frame, bool vertical) {
    const float sx = Sign(frame.Width);
    const float sy = Sign(frame.Height);
    // Row vectors: X = u m11 + v m21 + dx, Y = u m12 + v m22 + dy.
    if (vertical) {
        return Matrix(0, sy, sx, 0, frame.X, frame.Y);
    }
    return Matrix(sx, 0, 0, sy, frame.X, frame.Y);
}

float CQarnArrowOutline::Along(const RectF& frame, bool vertical) {
    return std::fabs(vertical ? frame.Height : frame.Width);
}

float CQarnArrowOutline::Across(const RectF& frame, bool vertical) {
    return std::fabs(vertical ? frame.Width : frame.Height);
}

PointF CQarnArrowOutline::Measure(const RectF& frame, PointF point, bool vertical) {
    Matrix toArrow = FrameMap(frame, vertical);
    toArrow.Invert();
    toArrow.TransformPoints(&point);
    if (!std::isfinite(point.X) || !std::isfinite(point.Y)) {
        return PointF(0, 0);
    }
    return point;
}

Matrix CQarnArrowOutline::UnitMap(const RectF& frame) {
    return Matrix(frame.Width, 0, 0, frame.Height, frame.X, frame.Y);
}

PointF CQarnArrowOutline::Fractions(const RectF& frame, PointF point) {
    const auto fraction = [](float offset, float extent) {
        const float f = offset / extent;
        return extent != 0.0f && std::isfinite(f) ? f : 0.0f;
    };
    return PointF(fraction(point.X - frame.X, frame.Width),
                  fraction(point.Y - frame.Y, frame.Height));
}

CQarnArrowOutline::CQarnArrowOutline(const Matrix& toFrame)
    : m_toFrame(toFrame), m_path(FillModeWinding) {}

void CQarnArrowOutline::LineTo(PointF point) {
    if (!m_bStarted) {
        m_bStarted = true;
        m_ptLast = point;
        return;
    }
    if (point.Equals(m_ptLast)) {
        return;
    }
    m_path.AddLine(m_ptLast, point);
    m_ptLast = point;
}

void CQarnArrowOutline::AddProfile(const std::vector<PointF>& profile, PointF tip, PointF back,
                                   PointF side) {
    for (const PointF& p : profile) {
        LineTo(PointF(tip.X + p.X * back.X + p.Y * side.X, tip.Y + p.X * back.Y + p.Y * side.Y));
    }
}

void CQarnArrowOutline::ArcTo(PointF centre, float rx, float ry, double from, double to) {
    LineTo(OnEllipse(centre, rx, ry, from));
    if (rx == 0.0f && ry == 0.0f) {
        return;
    }
    const int pieces = std::max(1, int(std::ceil(std::fabs(to - from) / kQuarterTurn - 1e-9)));
    const double step = (to - from) / pieces;
    // The control points of a Bezier piece lie along the tangents, k of the radius out.
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
        const double a0 = from + i * step;
        const double a1 = a0 + step;
        const PointF p0 = OnEllipse(centre, rx, ry, a0);
        const PointF p1 = OnEllipse(centre, rx, ry, a1);
        const PointF c0(float(p0.X - k * rx * std::sin(a0)), float(p0.Y + k * ry * std::cos(a0)));
        const PointF c1(float(p1.X + k * rx * std::sin(a1)), float(p1.Y - k * ry * std::cos(a1)));
        if (!p0.Equals(p1)) {
            m_path.AddBezier(p0, c0, c1, p1);
        }
    }
    m_ptLast = OnEllipse(centre, rx, ry, to);
}

GraphicsPath CQarnArrowOutline::Finish() const {
    GraphicsPath path = m_path;
    if (m_bStarted && path.IsEmpty()) {
        // A figure that never left its first point is that point.
        path.AddLine(m_ptLast, m_ptLast);
    }
    path.CloseFigure();
    path.Transform(&m_toFrame);
    return path;
}
