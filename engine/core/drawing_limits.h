#pragma once
// The bounds within which every value read from a file (or set through the property protocol)
// lies before it reaches drawing. Each kind of value is checked in one place, where it enters
// the model: coordinates and frames where the archive reads them, widths, sizes, angles and
// tensions where their property or shape reads or sets them. Drawing code trusts what it gets.
// A value that is not a number takes the kind's neutral value; one out of range is clamped.

#include "platform/point_f.h"
#include "platform/rect_f.h"

namespace Qarn {

// Coordinates and lengths in document units (1/100 inch): the square of side 2^23 centred on
// the origin is the "infinite" clip, so nothing beyond it can ever show.
constexpr float kCoordinateLimit = 4194304.0f;
// No pen or outline band is wider than that plane.
constexpr float kMaxLineWidth = kCoordinateLimit;
// Font sizes in points.
constexpr float kMinFontSize = 1.0f;
constexpr float kMaxFontSize = 4096.0f;
// Cardinal-curve tension (the curve's tangents are tension / 3 times a chord).
constexpr float kMaxTension = 1000.0f;

// A coordinate or length: 0 when not a number, else within +-kCoordinateLimit.
float SaneCoordinate(float value);
int SaneCoordinate(int value);
PointF SanePoint(const PointF& point);
RectF SaneRect(const RectF& rect);
// A line width: `fallback` when not a number, else within 0 and kMaxLineWidth.
float SaneLineWidth(float width, float fallback = 1.0f);
// A font size in points: `fallback` when not a number, else within the font size bounds.
float SaneFontSize(float points, float fallback = 12.0f);
// An angle in degrees: 0 when not finite (any finite angle turns as it should).
float SaneAngle(float degrees);
// A tension: `fallback` when not a number, else within +-kMaxTension.
float SaneTension(float tension, float fallback);

}  // namespace Qarn
