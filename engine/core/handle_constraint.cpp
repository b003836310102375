#include "core/handle_constraint.h"

#include <algorithm>

namespace {

// Clamps v into the range from `start` spanning `extent` (which may be negative).
float ClampToSpan(float v, float start, float extent) {
    if (extent == 0.0f) {
        return start;
    }
    const float low = extent > 0.0f ? start : start + extent;
    const float high = extent > 0.0f ? start + extent : start;
    return std::min(std::max(v, low), high);
}

}  // namespace

CQarnHandleConstraint CQarnHandleConstraint::Within(const RectF& area) {
    CQarnHandleConstraint c;
    c.m_bConfined = true;
    c.m_rcArea = area;
    return c;
}

CQarnHandleConstraint CQarnHandleConstraint::WithinFrame(const RectF& frame, float left, float top,
                                                         float right, float bottom) {
    const float x = frame.X + frame.Width * left;
    const float y = frame.Y + frame.Height * top;
    return Within(
        RectF(x, y, frame.X + frame.Width * right - x, frame.Y + frame.Height * bottom - y));
}

CQarnHandleConstraint CQarnHandleConstraint::AlongX(float y, float fromX, float toX) {
    return Within(RectF(fromX, y, toX - fromX, 0.0f));
}

CQarnHandleConstraint CQarnHandleConstraint::AlongY(float x, float fromY, float toY) {
    return Within(RectF(x, fromY, 0.0f, toY - fromY));
}

PointF CQarnHandleConstraint::Apply(PointF point) const {
    if (m_bConfined) {
        ConfinePoint(point, m_rcArea);
    }
    return point;
}

void CQarnHandleConstraint::ConfinePoint(PointF& point, const RectF& area) {
    point.X = ClampToSpan(point.X, area.X, area.Width);
    point.Y = ClampToSpan(point.Y, area.Y, area.Height);
}
