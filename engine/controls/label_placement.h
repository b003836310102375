#pragma once
// Where a label stands beside its component: nine places around (and on) the frame as it
// shows, numbered row by row from the top left: 0 above left, 1 above, 2 above right, 3 left,
// 4 centre, 5 right, 6 below left, 7 below, 8 below right.

#include "platform/rect_f.h"

class CQarnComponent;

namespace Qarn {

constexpr int kLabelPositionCount = 9;
// The room left between the frame and a label beside it, in document units.
constexpr float kLabelGap = 4.0f;

// The bounding box of the component's frame as it shows (turned and flipped).
RectF ShownFrame(const CQarnComponent& component);
// The label rectangle (its size kept) moved to the place about the frame; the rectangle as it
// was for a place out of 0 to 8.
RectF PlaceLabel(const RectF& frame, const RectF& label, int position);
// The place the label stands in (within a hundredth of a unit), -1 when it stands elsewhere.
int FindLabelPosition(const RectF& frame, const RectF& label);

}  // namespace Qarn
