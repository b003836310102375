#pragma once
// The route of an elbow connector between its two ends: horizontal and vertical legs that
// leave an anchored end along its direction, enter the other against its direction, run
// midway between facing shapes and keep 30 units from a shape they go around.

#include <vector>

#include "platform/point_f.h"

namespace Qarn {

struct ConnectorEnd {
    PointF point;
    // 1 up, 2 right, 4 down, 8 left; 16 for a free end or a free point on a shape.
    int direction = 16;
    // Whether the end rests on a shape at all.
    bool connected = false;
    // Distances from the point to its shape's bounding edges: up, right, down, left.
    float toTop = 0.0f;
    float toRight = 0.0f;
    float toBottom = 0.0f;
    float toLeft = 0.0f;

    bool Anchored() const { return connected && direction != 16; }
};

// Both ends free: four points, the middle leg halfway across the longer extent.
std::vector<PointF> RouteFreeConnector(const PointF& start, const PointF& end);
// At most six points from start to end; never fewer than two.
std::vector<PointF> RouteConnector(const ConnectorEnd& start, const ConnectorEnd& end);

}  // namespace Qarn
