#pragma once
// An upper bound of what Qt's rasterizer spends on an area (AreaSpans::QtCost) under any
// transform, from a few sums over the path taken once: its line points, its curves, the
// square roots of the curves' bends and the length of its control polygon.
//
// Measuring an area exactly means flattening it and sorting its edges, which costs more than
// filling a small shape. With the bound, a painter measures only the areas that may be
// costly: an area whose bound is within the budget is certainly within it, any other is
// measured as before, so every area is drawn exactly the way it was.
//
// Why it holds: a curve flattened within a quarter of a device pixel is cut into at most
// sqrt(3 d) + 1 pieces, d being its largest second difference on the device (at most s times
// the one measured here, s the transform's largest stretch); no chord is longer, nor climbs
// more rows, than the control polygon it lies under; a row crosses at most every edge.

class QPainterPath;
class QTransform;

class AreaCostBound {
public:
    AreaCostBound() = default;
    explicit AreaCostBound(const QPainterPath& path);

    // Never less than the work AreaSpans estimates for the path under `toDevice`, whatever
    // the device's limits; infinite when it cannot tell (a perspective transform, a path or
    // transform that is not finite).
    double QtCostAtMost(const QTransform& toDevice) const;

private:
    double lines_ = 0;          // points that are no curve points: each starts one edge
    double curves_ = 0;         // cubic curves
    double bendRoots_ = 0;      // the square roots of the curves' largest second differences
    double controlLength_ = 0;  // the legs of the control polygon, figure by figure
    double extent_ = 0;         // the largest coordinate, for the rounding of floats
};
