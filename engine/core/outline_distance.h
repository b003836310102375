#pragma once
// How far a point lies from the lines a path draws, for hit tests that must work at any zoom.

#include "platform/point_f.h"

class GraphicsPath;

namespace Qarn {

// The distance from p to the nearest point of the path's figures (closed figures including
// their closing line), with curves flattened to within `flatness`; infinity for an empty path.
double DistanceToOutline(const GraphicsPath& path, const PointF& p, float flatness);

}  // namespace Qarn
