// Arcs, ellipses, pies and cardinal splines, all stored as cubic Beziers.
#include <algorithm>
#include <cmath>

#include "platform/graphics_path.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

// The parameter of the ellipse point that lies on the ray at `angle` from the centre. The
// parameter stays within a quarter turn of the angle, so sweeps keep their direction.
double ParameterOfRay(double angle, double rx, double ry) {
    if (rx <= 0.0 || ry <= 0.0) {
        return angle;
    }
    double t = std::atan2(rx * std::sin(angle), ry * std::cos(angle));
    double delta = std::remainder(t - angle, 2.0 * kPi);
    return angle + delta;
}

// The Bezier points (start point first) of an elliptical arc, cut into pieces of at most a
// quarter turn.
std::vector<PointF> ArcPoints(const RectF& rect, float startAngle, float sweepAngle) {
    const double rx = std::fabs(double(rect.Width)) / 2.0;
    const double ry = std::fabs(double(rect.Height)) / 2.0;
    const double cx = double(rect.X) + double(rect.Width) / 2.0;
    const double cy = double(rect.Y) + double(rect.Height) / 2.0;
    const double sweep = std::clamp(double(sweepAngle), -360.0, 360.0);
    const double a0 = Radians(startAngle);
    const double a1 = Radians(double(startAngle) + sweep);
    double t0 = ParameterOfRay(a0, rx, ry);
    double t1 = ParameterOfRay(a1, rx, ry);
    if (std::fabs(sweep) >= 360.0) {
        t1 = t0 + (sweep > 0 ? 2.0 : -2.0) * kPi;
    }
    const double total = t1 - t0;
    const int pieces = std::max(1, int(std::ceil(std::fabs(total) / (kPi / 2.0) - 1e-9)));
    const double step = total / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4.0);

    auto at = [&](double dx, double dy) {
        return PointF(float(cx + rx * dx), float(cy + ry * dy));
    };
    std::vector<PointF> out;
    out.reserve(size_t(pieces) * 3 + 1);
    double t = t0;
    out.push_back(at(std::cos(t), std::sin(t)));
    for (int i = 0; i < pieces; ++i) {
        const double u = t + step;
        const double c0 = std::cos(t), s0 = std::sin(t);
        const double c1 = std::cos(u), s1 = std::sin(u);
        out.push_back(at(c0 - k * s0, s0 + k * c0));
        out.push_back(at(c1 + k * s1, s1 - k * c1));
        out.push_back(at(c1, s1));
        t = u;
    }
    return out;
}

bool Finite(const RectF& r) {
    return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
           std::isfinite(r.Height);
}

}  // namespace

void GraphicsPath::AppendArc(const RectF& rect, float startAngle, float sweepAngle) {
    AppendBeziers(ArcPoints(rect, startAngle, sweepAngle));
}

Status GraphicsPath::AddArc(const RectF& rect, float startAngle, float sweepAngle) {
    if (!Finite(rect) || !std::isfinite(startAngle) || !std::isfinite(sweepAngle)) {
        return Fail(InvalidParameter);
    }
    AppendArc(rect, startAngle, sweepAngle);
    return Fail(Ok);
}

Status GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    return AddArc(RectF(x, y, width, height), startAngle, sweepAngle);
}

Status GraphicsPath::AddEllipse(const RectF& rect) {
    if (!Finite(rect)) {
        return Fail(InvalidParameter);
    }
    newFigure_ = true;
    AppendArc(rect, 0.0f, 360.0f);
    return CloseFigure();
}

Status GraphicsPath::AddEllipse(float x, float y, float width, float height) {
    return AddEllipse(RectF(x, y, width, height));
}

Status GraphicsPath::AddPie(const RectF& rect, float startAngle, float sweepAngle) {
    if (!Finite(rect) || !std::isfinite(startAngle) || !std::isfinite(sweepAngle)) {
        return Fail(InvalidParameter);
    }
    newFigure_ = true;
    AppendFirstPoint(PointF(rect.X + rect.Width / 2, rect.Y + rect.Height / 2));
    AppendArc(rect, startAngle, sweepAngle);
    return CloseFigure();
}

Status GraphicsPath::AddPie(float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    return AddPie(RectF(x, y, width, height), startAngle, sweepAngle);
}

Status GraphicsPath::AddCurve(const PointF* points, int count) {
    return AddCurve(points, count, 0.5f);
}

Status GraphicsPath::AddCurve(const PointF* points, int count, float tension) {
    return AddCurve(points, count, 0, count - 1, tension);
}

Status GraphicsPath::AddCurve(const PointF* points, int count, int offset, int numberOfSegments,
                              float tension) {
    if (points == nullptr || count < 2 || offset < 0 || numberOfSegments < 1 ||
        offset + numberOfSegments > count - 1) {
        return Fail(InvalidParameter);
    }
    return AppendCurve(points, count, offset, numberOfSegments, tension, false);
}

Status GraphicsPath::AddClosedCurve(const PointF* points, int count) {
    return AddClosedCurve(points, count, 0.5f);
}

Status GraphicsPath::AddClosedCurve(const PointF* points, int count, float tension) {
    if (points == nullptr || count < 3) {
        return Fail(InvalidParameter);
    }
    newFigure_ = true;
    Status status = AppendCurve(points, count, 0, count, tension, true);
    if (status != Ok) {
        return status;
    }
    return CloseFigure();
}

// A cardinal spline: the tangent at each point is tension / 3 times the chord between its
// neighbours (the point itself stands in for a missing neighbour at the ends of an open
// curve); each segment becomes one Bezier from point to point.
Status GraphicsPath::AppendCurve(const PointF* points, int count, int offset, int segments,
                                 float tension, bool closed) {
    if (!std::isfinite(tension)) {
        return Fail(InvalidParameter);
    }
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) {
            return Fail(InvalidParameter);
        }
    }
    const float coefficient = tension / 3.0f;
    std::vector<PointF> tangents(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        int next = closed ? (i + 1) % count : std::min(i + 1, count - 1);
        int previous = closed ? (i + count - 1) % count : std::max(i - 1, 0);
        tangents[size_t(i)] = PointF((points[next].X - points[previous].X) * coefficient,
                                     (points[next].Y - points[previous].Y) * coefficient);
    }
    std::vector<PointF> curve;
    curve.reserve(size_t(segments) * 3 + 1);
    curve.push_back(points[offset]);
    for (int s = 0; s < segments; ++s) {
        int from = (offset + s) % count;
        int to = (from + 1) % count;
        curve.push_back(points[from] + tangents[size_t(from)]);
        curve.push_back(points[to] - tangents[size_t(to)]);
        curve.push_back(points[to]);
    }
    AppendBeziers(curve);
    return Fail(Ok);
}
