#include "shapes/catalogue/frame_axes.h"

#include <cmath>

CQarnFrameAxes::CQarnFrameAxes(const RectF& frame)
    : m_ptCorner(frame.X, frame.Y),
      m_fWidth(std::fabs(frame.Width)),
      m_fHeight(std::fabs(frame.Height)),
      m_fSignX(frame.Width < 0.0f ? -1.0f : 1.0f),
      m_fSignY(frame.Height < 0.0f ? -1.0f : 1.0f) {}

PointF CQarnFrameAxes::At(float u, float v) const {
    return PointF(m_ptCorner.X + m_fSignX * u, m_ptCorner.Y + m_fSignY * v);
}

RectF CQarnFrameAxes::Span(float u0, float v0, float u1, float v1) const {
    const PointF from = At(u0, v0);
    const PointF to = At(u1, v1);
    return RectF(from.X, from.Y, to.X - from.X, to.Y - from.Y);
}

CQarnHandleConstraint CQarnFrameAxes::Confine(float u0, float v0, float u1, float v1) const {
    return CQarnHandleConstraint::Within(Span(u0, v0, u1, v1));
}

Matrix CQarnFrameAxes::ToFrame() const {
    return Matrix(m_fSignX, 0.0f, 0.0f, m_fSignY, m_ptCorner.X, m_ptCorner.Y);
}
