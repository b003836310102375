#pragma once
// Where an adjust handle may go while it is dragged, in the component's unrotated frame. A
// kind states it when it lists the handle; the dragging code applies it, so no kind clamps
// its own handles.

#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnHandleConstraint {
public:
    // Anywhere.
    CQarnHandleConstraint() = default;
    static CQarnHandleConstraint Free() { return {}; }
    // Inside the rectangle, edges included; its extents may be negative, and a zero extent
    // pins that coordinate to the rectangle's edge.
    static CQarnHandleConstraint Within(const RectF& area);
    // Inside the part of the frame between the fractions (0 the frame's X or Y edge, 1 the
    // opposite edge), so that the area follows the frame when it is sized or mirrored.
    static CQarnHandleConstraint WithinFrame(const RectF& frame, float left, float top, float right,
                                             float bottom);
    // Along the horizontal line at y, x between the two bounds (in either order).
    static CQarnHandleConstraint AlongX(float y, float fromX, float toX);
    // Along the vertical line at x, y between the two bounds (in either order).
    static CQarnHandleConstraint AlongY(float x, float fromY, float toY);

    bool IsFree() const { return !m_bConfined; }
    // The area a confined handle stays in (a line has one zero extent).
    const RectF& GetArea() const { return m_rcArea; }
    // The allowed point nearest to p, coordinate by coordinate.
    PointF Apply(PointF point) const;

    // Clamps p into the closed ranges the rectangle spans, coordinate by coordinate: a
    // positive width gives [X, X + Width], a negative one [X + Width, X], a zero width X; the
    // same for y with the height.
    static void ConfinePoint(PointF& point, const RectF& area);

private:
    bool m_bConfined = false;
    RectF m_rcArea;
};
