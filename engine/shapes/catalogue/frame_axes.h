#pragma once
// A frame seen from its own corner (X, Y): distances measured inwards along its width and
// height, whatever the signs of the extents. A figure built once in these axes comes out
// mirrored in a frame that was sized past its opposite edge, so kinds build their outlines
// for positive extents only.

#include "core/handle_constraint.h"
#include "platform/matrix.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class CQarnFrameAxes {
public:
    explicit CQarnFrameAxes(const RectF& frame);

    // The extents, never negative.
    float Width() const { return m_fWidth; }
    float Height() const { return m_fHeight; }
    // 1 along a positive (or zero) extent, -1 along a negative one.
    float SignX() const { return m_fSignX; }
    float SignY() const { return m_fSignY; }

    // The frame point u inwards from the X edge and v inwards from the Y edge.
    PointF At(float u, float v) const;
    // How far a frame coordinate lies inwards from the X (or Y) edge; negative outside.
    float InwardX(float x) const { return m_fSignX * (x - m_ptCorner.X); }
    float InwardY(float y) const { return m_fSignY * (y - m_ptCorner.Y); }
    // The part of the frame between the inward distances, as a frame rectangle (whose extents
    // carry the frame's signs).
    RectF Span(float u0, float v0, float u1, float v1) const;
    // A handle confined to that part of the frame (a line when u0 == u1 or v0 == v1).
    CQarnHandleConstraint Confine(float u0, float v0, float u1, float v1) const;
    // Maps a figure built in the axes onto the frame.
    Matrix ToFrame() const;

private:
    PointF m_ptCorner;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    float m_fSignX = 1.0f;
    float m_fSignY = 1.0f;
};
