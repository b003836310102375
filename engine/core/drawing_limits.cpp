#include "core/drawing_limits.h"

#include <algorithm>
#include <cmath>

namespace Qarn {

float SaneCoordinate(float value) {
    return std::isnan(value) ? 0.0f : std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

int SaneCoordinate(int value) {
    const int limit = int(kCoordinateLimit);
    return std::clamp(value, -limit, limit);
}

PointF SanePoint(const PointF& point) {
    return PointF(SaneCoordinate(point.X), SaneCoordinate(point.Y));
}

RectF SaneRect(const RectF& rect) {
    return RectF(SaneCoordinate(rect.X), SaneCoordinate(rect.Y), SaneCoordinate(rect.Width),
                 SaneCoordinate(rect.Height));
}

float SaneLineWidth(float width, float fallback) {
    return std::isnan(width) ? fallback : std::clamp(width, 0.0f, kMaxLineWidth);
}

float SaneFontSize(float points, float fallback) {
    return std::isnan(points) ? fallback : std::clamp(points, kMinFontSize, kMaxFontSize);
}

float SaneAngle(float degrees) {
    return std::isfinite(degrees) ? degrees : 0.0f;
}

float SaneTension(float tension, float fallback) {
    return std::isnan(tension) ? fallback : std::clamp(tension, -kMaxTension, kMaxTension);
}

}  // namespace Qarn
