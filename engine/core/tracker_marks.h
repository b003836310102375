#pragma once
// The marks a selected component shows at its handles: squares for sizing and end handles,
// diamonds for adjust, end and label handles, and dots for point markers. Sizes are in device
// units already scaled by the tracker scale.

#include "core/handle.h"
#include "platform/point_f.h"

class Brush;
class Graphics;
class Pen;

namespace Qarn {

// A square of side 2 x half centred on p, filled and outlined.
void DrawTrackerSquare(Graphics& graphics, const PointF& p, float half, Brush& fill, Pen& outline);
// A diamond reaching d from p in each direction, filled and outlined.
void DrawTrackerDiamond(Graphics& graphics, const PointF& p, float d, Brush& fill, Pen& outline);
// The handle's mark at p in the fill of the tracker state (active or merely selected), at
// `scale` device units to the tracker unit.
void DrawTrackerMark(Graphics& graphics, const CQarnHandle::TrackerMark& mark, const PointF& p,
                     bool active, float scale);

}  // namespace Qarn
