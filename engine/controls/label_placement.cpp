#include "controls/label_placement.h"

#include <algorithm>
#include <cmath>

#include "core/component.h"
#include "core/rect_geometry.h"

namespace Qarn {

RectF ShownFrame(const CQarnComponent& component) {
    RectF frame = component.GetRectF();
    Qarn::NormalizeRectF(frame);
    PointF corners[4] = {PointF(frame.X, frame.Y), PointF(frame.X + frame.Width, frame.Y),
                         PointF(frame.X + frame.Width, frame.Y + frame.Height),
                         PointF(frame.X, frame.Y + frame.Height)};
    component.TransformPoints(corners, 4);
    float left = corners[0].X;
    float right = corners[0].X;
    float top = corners[0].Y;
    float bottom = corners[0].Y;
    for (const PointF& p : corners) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    return RectF(left, top, right - left, bottom - top);
}

RectF PlaceLabel(const RectF& frame, const RectF& label, int position) {
    if (position < 0 || position >= kLabelPositionCount) {
        return label;
    }
    RectF f = frame;
    Qarn::NormalizeRectF(f);
    const float w = std::fabs(label.Width);
    const float h = std::fabs(label.Height);
    const int column = position % 3;
    const int row = position / 3;
    const float xs[3] = {f.X - kLabelGap - w, f.X + (f.Width - w) / 2.0f,
                         f.X + f.Width + kLabelGap};
    const float ys[3] = {f.Y - kLabelGap - h, f.Y + (f.Height - h) / 2.0f,
                         f.Y + f.Height + kLabelGap};
    // Beside the frame (left, right) the label is centred vertically; above and below it is
    // centred horizontally, the corners sit diagonally off the frame.
    return RectF(xs[column], ys[row], w, h);
}

int FindLabelPosition(const RectF& frame, const RectF& label) {
    constexpr float kTolerance = 0.01f;
    RectF shown = label;
    Qarn::NormalizeRectF(shown);
    for (int position = 0; position < kLabelPositionCount; ++position) {
        const RectF placed = PlaceLabel(frame, shown, position);
        if (std::fabs(placed.X - shown.X) <= kTolerance &&
            std::fabs(placed.Y - shown.Y) <= kTolerance) {
            return position;
        }
    }
    return -1;
}

}  // namespace Qarn
