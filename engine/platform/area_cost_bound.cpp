#include "platform/area_cost_bound.h"

#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The work units of AreaSpans::QtCost (per crossing squared in a row, per row squared of edge
// height and crossing, per pixel of edge walked) and its flatness, in device pixels.
constexpr double kCrowdedRowUnits = 8.0;
constexpr double kTallEdgeUnits = 0.09;
constexpr double kCellUnits = 20.0;
constexpr double kFlatness = 0.25;
constexpr int kMaxPiecesPerCurve = 1024;
// Points are flattened in single precision: room for its rounding, relative to the size of
// the coordinates, on every edge.
constexpr double kFloatSlack = 1e-6;

double Length(double dx, double dy) {
    return std::sqrt(dx * dx + dy * dy);
}

// The largest stretch of the transform's linear part (its spectral norm).
double Stretch(const QTransform& t) {
    const double sum =
        t.m11() * t.m11() + t.m12() * t.m12() + t.m21() * t.m21() + t.m22() * t.m22();
    const double det = t.m11() * t.m22() - t.m12() * t.m21();
    const double root = std::sqrt(std::max(0.0, sum * sum - 4.0 * det * det));
    return std::sqrt((sum + root) / 2.0) * (1.0 + 1e-9);
}

}  // namespace

AreaCostBound::AreaCostBound(const QPainterPath& path) {
    QPointF last;
    bool started = false;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        extent_ = std::max({extent_, std::fabs(e.x), std::fabs(e.y)});
        if (e.type == QPainterPath::CurveToElement && started && i + 2 < count) {
            const QPointF c1 = path.elementAt(i);
            const QPointF c2 = path.elementAt(i + 1);
            const QPointF end = path.elementAt(i + 2);
            extent_ = std::max({extent_, std::fabs(c2.x()), std::fabs(c2.y()), std::fabs(end.x()),
                                std::fabs(end.y())});
            const double bend =
                std::max(Length(last.x() - 2 * c1.x() + c2.x(), last.y() - 2 * c1.y() + c2.y()),
                         Length(c1.x() - 2 * c2.x() + end.x(), c1.y() - 2 * c2.y() + end.y()));
            bendRoots_ += std::sqrt(bend);
            curves_ += 1;
            controlLength_ += Length(c1.x() - last.x(), c1.y() - last.y()) +
                              Length(c2.x() - c1.x(), c2.y() - c1.y()) +
                              Length(end.x() - c2.x(), end.y() - c2.y());
            last = end;
            i += 2;
            continue;
        }
        // A move starts a figure (its closing edge is counted below); anything else is a
        // line, or a stray curve point, which the flattening takes as a point of its own.
        const QPointF p = e;
        if (e.type != QPainterPath::MoveToElement && started) {
            controlLength_ += Length(p.x() - last.x(), p.y() - last.y());
        }
        lines_ += 1;
        last = p;
        started = true;
    }
}

double AreaCostBound::QtCostAtMost(const QTransform& toDevice) const {
    constexpr double kUnknown = std::numeric_limits<double>::infinity();
    if (!toDevice.isAffine()) {
        return kUnknown;
    }
    const double s = Stretch(toDevice);
    // Rounding of single-precision device coordinates, per edge.
    const double magnitude = s * extent_ + std::fabs(toDevice.dx()) + std::fabs(toDevice.dy());
    const double slack = kFloatSlack * magnitude + kFloatSlack;
    // Edges: one per line point, and the pieces of each curve.
    const double perCurve = std::sqrt(3.0 * 4.0 * slack / (4.0 * kFlatness)) + 1.0;
    const double pieces =
        std::min(double(kMaxPiecesPerCurve) * curves_,
                 std::sqrt(0.75 / kFlatness * s) * bendRoots_ + perCurve * curves_);
    const double edges = lines_ + pieces;
    // The chords of a figure, and the edge that closes it, are together at most twice as
    // long as its control polygon.
    const double length = 2.0 * s * controlLength_ * (1.0 + 1e-6) + edges * 2.0 * slack;
    // Each edge is counted on the rows it climbs, plus the two it starts and ends in.
    const double rows = length + 2.0 * edges;
    const double cost = kCrowdedRowUnits * edges * rows + kTallEdgeUnits * rows * rows +
                        kCellUnits * std::sqrt(2.0) * length;
    return std::isfinite(cost) ? cost : kUnknown;
}
