#include "core/outline_distance.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/graphics_path.h"
#include "platform/path_point_type.h"

namespace Qarn {

namespace {

double DistanceToSegment(const PointF& p, const PointF& a, const PointF& b) {
    const double dx = double(b.X) - a.X;
    const double dy = double(b.Y) - a.Y;
    const double px = double(p.X) - a.X;
    const double py = double(p.Y) - a.Y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0) {
        t = std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0);
    }
    return std::hypot(px - t * dx, py - t * dy);
}

}  // namespace

double DistanceToOutline(const GraphicsPath& path, const PointF& p, float flatness) {
    GraphicsPath flat(path);
    flat.Flatten(nullptr, flatness);
    const std::vector<PointF>& points = flat.Points();
    const std::vector<BYTE>& types = flat.Types();
    double nearest = std::numeric_limits<double>::infinity();
    size_t figureStart = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0 || (types[i] & PathPointTypePathTypeMask) == PathPointTypeStart) {
            figureStart = i;
            // A figure of one point is that point.
            nearest = std::min(nearest, DistanceToSegment(p, points[i], points[i]));
        } else {
            nearest = std::min(nearest, DistanceToSegment(p, points[i - 1], points[i]));
        }
        if ((types[i] & PathPointTypeCloseSubpath) != 0) {
            nearest = std::min(nearest, DistanceToSegment(p, points[i], points[figureStart]));
        }
    }
    return nearest;
}

}  // namespace Qarn
