#pragma once
// Conversions between the floating-point geometry of documents and the integer geometry of
// windows, the comparisons the drawing code relies on, and colour and arrow-kind helpers.

#include "core/arrow_type.h"
#include "platform/color.h"
#include "platform/cpoint.h"
#include "platform/crect.h"
#include "platform/matrix.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

namespace Qarn {

// Whole units beyond this magnitude are held at it: a damaged file's huge or undefined
// coordinates then stay far away instead of overflowing integer arithmetic.
constexpr int kMaxCoordinate = 1 << 29;
// Truncates toward zero, held within +-kMaxCoordinate; NaN gives 0.
int TruncateToInt(double v);

// Every float-to-integer conversion truncates toward zero.
CPoint cast(const PointF& p);
PointF cast(const POINT& p);
RectF cast(const CRect& r);
CRect cast(const RectF& r);

// Points are equal when both coordinates differ by less than 0.0001.
bool operator==(const PointF& a, const PointF& b);
bool operator!=(const PointF& a, const PointF& b);
// Rectangles compare exactly, colours by their ARGB word.
bool operator==(const RectF& a, const RectF& b);
bool operator!=(const RectF& a, const RectF& b);
bool operator==(const Color& a, const Color& b);
bool operator!=(const Color& a, const Color& b);

DWORD ColorToDWORD(const Color& c);
Color DWORDToColor(const DWORD& d);
// Replaces the alpha byte and keeps red, green and blue.
void SetA(Color& c, BYTE alpha);

// The arrow picker's index (0 to 8) and the arrow kind; anything unknown is "no arrow".
ArrowType Index2ArrowType(int index);
int ArrowType2Index(ArrowType type);

void CopyMatrix(const Matrix& from, Matrix* to);

}  // namespace Qarn

// The comparisons are the system's meaning of equality for these types everywhere.
using Qarn::operator==;
using Qarn::operator!=;
