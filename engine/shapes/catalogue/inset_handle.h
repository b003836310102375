#pragma once
// The inset handle of the bevel and the rounded-rectangle family. On a frame at least as wide
// as high it lies on the top edge, on a taller one on the left edge; its distance from the
// corner is the inset, at most half the shorter side, and is kept as a fraction of the
// shorter side so that sizing the shape keeps its corners.

#include "core/handle_constraint.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnInsetHandle {
public:
    // Whether the handle lies on the top edge (else on the left edge).
    static bool AlongTopEdge(const RectF& frame);
    // From the corner inwards along its edge, up to half the shorter side.
    static CQarnHandleConstraint Constraint(const RectF& frame);
    // The handle's offset from the corner as a fraction of the shorter side; 0 on a frame
    // without extent.
    static double Ratio(const RectF& frame, PointF handle);
    // Where the handle lies for the fraction, within its constraint.
    static PointF Place(const RectF& frame, double ratio);
    // The inset in whole units: the handle's distance from the corner along its edge.
    static float Inset(const RectF& frame, PointF handle);
};
