#include "shapes/catalogue/inset_handle.h"

#include <algorithm>
#include <cmath>

#include "shapes/catalogue/frame_axes.h"

bool CQarnInsetHandle::AlongTopEdge(const RectF& frame) {
    return std::fabs(frame.Width) >= std::fabs(frame.Height);
}

CQarnHandleConstraint CQarnInsetHandle::Constraint(const RectF& frame) {
    const CQarnFrameAxes axes(frame);
    if (AlongTopEdge(frame)) {
        return axes.Confine(0, 0, axes.Height() / 2, 0);
    }
    return axes.Confine(0, 0, 0, axes.Width() / 2);
}

double CQarnInsetHandle::Ratio(const RectF& frame, PointF handle) {
    const bool top = AlongTopEdge(frame);
    const double offset = top ? handle.X - frame.X : handle.Y - frame.Y;
    const double side = std::fabs(top ? frame.Height : frame.Width);
    return side > 0.0 ? std::fabs(offset) / side : 0.0;
}

PointF CQarnInsetHandle::Place(const RectF& frame, double ratio) {
    const CQarnFrameAxes axes(frame);
    const bool top = AlongTopEdge(frame);
    const float side = top ? axes.Height() : axes.Width();
    const float offset = float(std::clamp(ratio, 0.0, 0.5) * side);
    return top ? axes.At(offset, 0) : axes.At(0, offset);
}

float CQarnInsetHandle::Inset(const RectF& frame, PointF handle) {
    return std::trunc(std::fabs(handle.X - frame.X) + std::fabs(handle.Y - frame.Y));
}
