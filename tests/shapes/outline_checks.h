#pragma once
// Measures of a built outline that the catalogue tests share: whether every point is a
// number, whether it keeps to the frame, and whether a figure crosses itself.

#include <cmath>
#include <vector>

#include "core/component.h"
#include "platform/graphics_path.h"
#include "platform/path_point_type.h"

namespace OutlineChecks {

struct Segment {
    PointF from;
    PointF to;
};

// The figures of the path, flattened into line segments (closing segments included).
inline std::vector<std::vector<Segment>> FlattenedFigures(const GraphicsPath& path) {
    GraphicsPath flat = path;
    flat.Flatten(nullptr, 0.05f);
    std::vector<std::vector<Segment>> figures;
    const std::vector<PointF>& points = flat.Points();
    const std::vector<BYTE>& types = flat.Types();
    size_t start = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const bool last = i + 1 == points.size() ||
                          (types[i + 1] & PathPointTypePathTypeMask) == PathPointTypeStart;
        if (!last) {
            continue;
        }
        std::vector<Segment>& figure = figures.emplace_back();
        for (size_t k = start; k < i; ++k) {
            figure.push_back({points[k], points[k + 1]});
        }
        if ((types[i] & PathPointTypeCloseSubpath) != 0) {
            figure.push_back({points[i], points[start]});
        }
        start = i + 1;
    }
    return figures;
}

inline double Cross(const PointF& o, const PointF& a, const PointF& b) {
    return (double(a.X) - o.X) * (double(b.Y) - o.Y) - (double(a.Y) - o.Y) * (double(b.X) - o.X);
}

// Whether the two segments cross at a point inside both; touching ends, meeting at a corner
// and running along each other do not count.
inline bool CrossProperly(const Segment& s, const Segment& t) {
    constexpr double kSlack = 1e-3;
    const double d1 = Cross(s.from, s.to, t.from);
    const double d2 = Cross(s.from, s.to, t.to);
    const double d3 = Cross(t.from, t.to, s.from);
    const double d4 = Cross(t.from, t.to, s.to);
    return ((d1 > kSlack && d2 < -kSlack) || (d1 < -kSlack && d2 > kSlack)) &&
           ((d3 > kSlack && d4 < -kSlack) || (d3 < -kSlack && d4 > kSlack));
}

// The number of figures of the path that cross themselves.
inline int SelfCrossingFigures(const GraphicsPath& path) {
    int crossing = 0;
    for (const std::vector<Segment>& figure : FlattenedFigures(path)) {
        const size_t n = figure.size();
        bool crosses = false;
        for (size_t i = 0; i < n && !crosses; ++i) {
            for (size_t j = i + 2; j < n && !crosses; ++j) {
                // The closing segment meets the first one.
                if (i == 0 && j == n - 1) {
                    continue;
                }
                crosses = CrossProperly(figure[i], figure[j]);
            }
        }
        crossing += crosses ? 1 : 0;
    }
    return crossing;
}

inline bool AllFinite(const GraphicsPath& path) {
    for (const PointF& p : path.Points()) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            return false;
        }
    }
    return true;
}

// The frame with positive extents.
inline RectF Normalised(RectF r) {
    if (r.Width < 0) {
        r.X += r.Width;
        r.Width = -r.Width;
    }
    if (r.Height < 0) {
        r.Y += r.Height;
        r.Height = -r.Height;
    }
    return r;
}

inline bool Inside(const PointF& p, const RectF& frame, float slack) {
    const RectF r = Normalised(frame);
    return p.X >= r.X - slack && p.X <= r.X + r.Width + slack && p.Y >= r.Y - slack &&
           p.Y <= r.Y + r.Height + slack;
}

// What is wrong with the outline as built (empty when nothing is): no outline, a point that
// is not a number, the outline leaving the frame, a figure crossing itself.
inline std::string OutlineFault(CQarnComponent& shape) {
    shape.ResetPath();
    const GraphicsPath* path = shape.GetPath();
    if (path == nullptr || path->IsEmpty()) {
        return "no outline";
    }
    if (!AllFinite(*path)) {
        return "a point of the outline is not a number";
    }
    RectF bounds;
    path->GetBounds(&bounds);
    const RectF frame = shape.GetRectF();
    if (!Inside(PointF(bounds.X, bounds.Y), frame, 0.5f) ||
        !Inside(PointF(bounds.X + bounds.Width, bounds.Y + bounds.Height), frame, 0.5f)) {
        return "the outline leaves the frame";
    }
    if (SelfCrossingFigures(*path) != 0) {
        return "a figure crosses itself";
    }
    return {};
}

}  // namespace OutlineChecks
