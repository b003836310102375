#pragma once
// Archive forms of the value types: a RectF as four floats, a PointF as two, a Color as four
// bytes alpha first (not a little-endian word). Frames and points are read within the
// coordinate bounds of drawing_limits.h.

#include "platform/archive.h"
#include "platform/color.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

namespace Qarn {

CArchive& operator<<(CArchive& ar, const RectF& r);
CArchive& operator>>(CArchive& ar, RectF& r);
CArchive& operator<<(CArchive& ar, const PointF& p);
CArchive& operator>>(CArchive& ar, PointF& p);
CArchive& operator<<(CArchive& ar, const Color& c);
CArchive& operator>>(CArchive& ar, Color& c);

}  // namespace Qarn

using Qarn::operator<<;
using Qarn::operator>>;
