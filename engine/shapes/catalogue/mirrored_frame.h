#pragma once
// A shape's frame seen from its own X, Y corner: u measures across and v down towards the
// opposite edges, so a figure built in (u, v) comes out mirrored in a mirrored frame (negative
// width or height) without the kind minding the signs. A transposed frame swaps the roles
// (u down, v across), for kinds that draw the same figure turned a quarter (the scroll with
// upright rolls).
//
// The figure helpers build through affine maps only (lines and Bezier curves), so what they
// draw is exactly the (u, v) figure mapped onto the frame.

#include "platform/graphics_path.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnMirroredFrame {
public:
    explicit CQarnMirroredFrame(const RectF& frame, bool transposed = false);

    // The extents along u and v (never negative).
    float Width() const { return m_fWidth; }
    float Height() const { return m_fHeight; }

    // The frame point u across and v down from the frame's corner.
    PointF At(float u, float v) const;
    // How far the point lies across (U) and down (V) from the corner, in the frame's direction.
    float U(const PointF& point) const;
    float V(const PointF& point) const;

    // The closed polygon through the (u, v) points.
    void AddPolygon(GraphicsPath& path, const PointF* uv, int count) const;
    // The ellipse of the two radii about the (u, v) centre, as four Bezier quarters, turning
    // from +u towards +v (clockwise on an unmirrored frame) or the other way, so that a hole
    // can be cut under either fill rule.
    void AddEllipse(GraphicsPath& path, PointF centre, float ru, float rv,
                    bool towardsV = true) const;
    // A straight piece to the (u, v) point, continuing the open figure.
    void LineTo(GraphicsPath& path, PointF& pen, PointF uv) const;
    // A cubic Bezier piece from the pen through the two control points to the end point.
    void BezierTo(GraphicsPath& path, PointF& pen, PointF c1, PointF c2, PointF end) const;

private:
    PointF m_Corner;
    float m_fSignX = 1.0f;
    float m_fSignY = 1.0f;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    bool m_bTransposed = false;
};
