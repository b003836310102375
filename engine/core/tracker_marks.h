#pragma once
// The marks a selected component shows at its handles: squares for sizing and end handles,
// yellow diamonds for adjust, end and label handles. Sizes are half-widths in device units
// already scaled by the tracker scale.

#include "platform/point_f.h"

class Brush;
class Graphics;
class Pen;

namespace Qarn {

// A square of side 2 x half centred on p, filled and outlined.
void DrawTrackerSquare(Graphics& graphics, const PointF& p, float half, Brush& fill, Pen& outline);
// A yellow diamond reaching d from p in each direction, outlined.
void DrawTrackerDiamond(Graphics& graphics, const PointF& p, float d, Pen& outline);

}  // namespace Qarn
