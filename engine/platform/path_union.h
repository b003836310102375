#pragma once
// Merging the overlapping pieces of a path into one outline without inner edges (Qt's
// QPainterPath::simplified), within a bounded cost. Qt's merge grows with the square of the
// crossings between the path's lines, and worse: a band around a hundred-point star takes
// seconds, one around 65,535 points never ends. The merge is made only for paths of at most
// kMaxLines lines with at most kMaxCrossings crossings among them (counted by a sweep that
// itself gives up after kMaxPairs pairs). Any other path is kept as it is, to be filled with
// the winding rule: the same area, with the inner edges left in.

#include <QPainterPath>

class PathUnion {
public:
    static constexpr int kMaxLines = 16384;
    static constexpr int kMaxCrossings = 4096;
    static constexpr long long kMaxPairs = 1LL << 24;

    // The path's outline, merged when that is affordable; the result fills with the winding
    // rule either way.
    static QPainterPath Merge(const QPainterPath& path);
    // Whether the merge is affordable for this path.
    static bool Affordable(const QPainterPath& path);
};
