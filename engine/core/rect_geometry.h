#pragma once
// Rectangle and point geometry shared by the shapes, the trackers and the layout code.

#include "platform/cpoint.h"
#include "platform/crect.h"
#include "platform/matrix.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

namespace Qarn {

// Makes both extents non-negative by moving the origin; a zero extent stays as it is.
void NormalizeRectF(RectF& r);
void NormalizeRectF(Rect& r);

// The bounds of the points; fewer than two points give the first point with no extent.
// The caller passes at least one point.
RectF GetBoundRect(const PointF* points, int count);
Rect GetBoundRect(const Point* points, int count);

// Transforms the two corners (X, Y) and (X + Width, Y + Height) only; may leave negative
// extents.
void TransformRectFast(RectF& r, const Matrix* m);
// Transforms the four corners and keeps their bounds.
void TransformRect(RectF& r, const Matrix* m);
// Maps `from` onto `to` (a zero extent of `from` scales that axis by 1).
void TransformRect(RectF& r, const RectF& from, const RectF& to);
void TransformPoints(PointF* points, int count, const RectF& from, const RectF& to);

// The square around the rectangle's centre whose side is its diagonal, so that the ellipse
// inscribed in it passes through the rectangle's corners.
RectF GetEncloseEllipse(const RectF& r);
// The boundary counts as inside.
BOOL PtInEllipse(const RectF& ellipse, const PointF& p);
BOOL RectInEllipse(const RectF& inner, const RectF& ellipse);

// Pulls the two ends of a segment towards each other by d on both axes.
void ConvertPoint(POINT& a, POINT& b, int d);
void ConvertRect(CRect& r, int d);

// Constrains p to the nearest multiple of 45 degrees around the anchor (the constraint key
// while drawing). The last argument does not change the result.
PointF CalculateNewPoint(PointF anchor, PointF p, BOOL unused = FALSE);

}  // namespace Qarn
