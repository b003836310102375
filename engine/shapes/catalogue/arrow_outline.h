#pragma once
// One closed figure of an arrow, drawn in a frame of the arrow's own and mapped onto the
// shape's frame. A kind draws along its arrow (u) and across it (v) in positive measures from
// one corner; the map turns that into the frame, mirrored where the frame's width or height is
// negative, so every kind mirrors with its frame without a case of its own.

#include <vector>

#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnArrowOutline {
public:
    // The map from (u, v) to the frame: u along the width (or, for a vertical arrow, along the
    // height) from the frame's X (Y) edge towards the other, v across. The measures run
    // from 0 to the extents' magnitudes.
    static Matrix FrameMap(const RectF& frame, bool vertical = false);
    // The extents of the frame along and across such an arrow.
    static float Along(const RectF& frame, bool vertical = false);
    static float Across(const RectF& frame, bool vertical = false);

    // A point of the frame (a free handle) in those measures; the origin for a point that is
    // not finite.
    static PointF Measure(const RectF& frame, PointF point, bool vertical = false);
    // For kinds that stretch with their frame: the map from the unit square onto the frame
    // ((0, 0) the frame's X and Y, (1, 1) the opposite corner), and a point of the frame as
    // fractions of it (0 along an extent that has no length).
    static Matrix UnitMap(const RectF& frame);
    static PointF Fractions(const RectF& frame, PointF point);

    explicit CQarnArrowOutline(const Matrix& toFrame);

    // The next corner of the figure; a point where the figure already is adds nothing.
    void LineTo(PointF point);
    // A head (or tail) profile (CQarnArrowHead) placed with its tip at `tip`: a point (a, b)
    // of the profile goes to tip + a * back + b * side. `back` points from the tip towards the
    // shaft, `side` to the shaft edge the figure arrives from.
    void AddProfile(const std::vector<PointF>& profile, PointF tip, PointF back, PointF side);
    // Along the ellipse about `centre` with radii rx, ry, from angle `from` to `to` (radians,
    // y downwards, so growing angles turn clockwise on screen), joined to the figure by a line.
    void ArcTo(PointF centre, float rx, float ry, double from, double to);

    // The figure so far, closed and mapped onto the frame.
    GraphicsPath Finish() const;

private:
    Matrix m_toFrame;
    GraphicsPath m_path;
    PointF m_ptLast;
    bool m_bStarted = false;
};
