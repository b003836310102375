#include "shapes/catalogue/mirrored_frame.h"

#include <cmath>
#include <vector>

namespace {

// How far the Bezier control points of a quarter circle stand off its ends, for radius 1.
constexpr float kQuarterCircle = 0.5522847498f;

}  // namespace

CQarnMirroredFrame::CQarnMirroredFrame(const RectF& frame, bool transposed)
    : m_Corner(frame.X, frame.Y),
      m_fSignX(frame.Width < 0 ? -1.0f : 1.0f),
      m_fSignY(frame.Height < 0 ? -1.0f : 1.0f),
      m_fWidth(std::fabs(transposed ? frame.Height : frame.Width)),
      m_fHeight(std::fabs(transposed ? frame.Width : frame.Height)),
      m_bTransposed(transposed) {}

PointF CQarnMirroredFrame::At(float u, float v) const {
    const float across = m_bTransposed ? v : u;
    const float down = m_bTransposed ? u : v;
    return PointF(m_Corner.X + m_fSignX * across, m_Corner.Y + m_fSignY * down);
}

float CQarnMirroredFrame::U(const PointF& point) const {
    return m_bTransposed ? (point.Y - m_Corner.Y) * m_fSignY : (point.X - m_Corner.X) * m_fSignX;
}

float CQarnMirroredFrame::V(const PointF& point) const {
    return m_bTransposed ? (point.X - m_Corner.X) * m_fSignX : (point.Y - m_Corner.Y) * m_fSignY;
}

void CQarnMirroredFrame::AddPolygon(GraphicsPath& path, const PointF* uv, int count) const {
    std::vector<PointF> points;
    points.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        points.push_back(At(uv[i].X, uv[i].Y));
    }
    path.AddPolygon(points.data(), count);
}

void CQarnMirroredFrame::AddEllipse(GraphicsPath& path, PointF centre, float ru, float rv,
                                    bool towardsV) const {
    const float ku = kQuarterCircle * ru;
    // Turning the other way is the same ellipse walked with v mirrored about its centre.
    if (!towardsV) {
        rv = -rv;
    }
    const float kv = kQuarterCircle * rv;
    const float cu = centre.X;
    const float cv = centre.Y;
    path.StartFigure();
    PointF pen(cu + ru, cv);
    BezierTo(path, pen, {cu + ru, cv + kv}, {cu + ku, cv + rv}, {cu, cv + rv});
    BezierTo(path, pen, {cu - ku, cv + rv}, {cu - ru, cv + kv}, {cu - ru, cv});
    BezierTo(path, pen, {cu - ru, cv - kv}, {cu - ku, cv - rv}, {cu, cv - rv});
    BezierTo(path, pen, {cu + ku, cv - rv}, {cu + ru, cv - kv}, {cu + ru, cv});
    path.CloseFigure();
}

void CQarnMirroredFrame::LineTo(GraphicsPath& path, PointF& pen, PointF uv) const {
    path.AddLine(At(pen.X, pen.Y), At(uv.X, uv.Y));
    pen = uv;
}

void CQarnMirroredFrame::BezierTo(GraphicsPath& path, PointF& pen, PointF c1, PointF c2,
                                  PointF end) const {
    path.AddBezier(At(pen.X, pen.Y), At(c1.X, c1.Y), At(c2.X, c2.Y), At(end.X, end.Y));
    pen = end;
}
