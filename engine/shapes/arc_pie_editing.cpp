// Editing an arc, pie or chord: its ends move along the ellipse, its frame sizes and moves the
// ellipse with it, and the frame follows the drawn piece.
#include <algorithm>
#include <cmath>

#include "core/rect_geometry.h"
#include "shapes/arc_pie.h"
#include "shapes/shape_ids.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
// An end is not moved this close (in degrees) to the other end.
constexpr double kClosestEnds = 1.0;

PointF CentreOf(const RectF& r) {
    return PointF(r.X + r.Width / 2, r.Y + r.Height / 2);
}

double DegreesFrom(const PointF& c, const PointF& p) {
    return std::atan2(double(p.Y - c.Y), double(p.X - c.X)) * kDegreesPerRadian;
}

// The angle from `from` clockwise to `to`, in [0, 360).
double ClockwiseBetween(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// Scales v about the fixed point.
float ScaledAbout(float v, float fixed, float scale) {
    return fixed + (v - fixed) * scale;
}

}  // namespace

void CQarnArcPie::Shift(float dx, float dy) {
    CQarnComponent::Shift(dx, dy);
    m_ptFirst.X += dx;
    m_ptFirst.Y += dy;
    m_ptSecond.X += dx;
    m_ptSecond.Y += dy;
    m_rcEllipse.Offset(dx, dy);
}

void CQarnArcPie::RotateAt(float angle, PointF center, int) {
    // Moving the frame by setting it would leave the ellipse behind.
    CQarnComponent::RotateAt(angle, center, 1);
}

int CQarnArcPie::MoveTo(const RectF& rect, MoveFlags flags) {
    const RectF old = GetRectF();
    if (rect.Equals(old)) {
        return 0;
    }
    PointF ends[2] = {m_ptFirst, m_ptSecond};
    Qarn::TransformPoints(ends, 2, old, rect);
    Qarn::TransformRect(m_rcEllipse, old, rect);
    m_ptFirst = ends[0];
    m_ptSecond = ends[1];
    return CQarnComponent::MoveTo(rect, flags);
}

void CQarnArcPie::SetHandle(int handle, PointF point) {
    if (handle == kFirstEndHandle) {
        m_ptFirst = point;
    } else if (handle == kSecondEndHandle) {
        m_ptSecond = point;
    }
}

int CQarnArcPie::MoveHandleTo(int handle, PointF point, MoveFlags flags) {
    if (handle == kFirstEndHandle || handle == kSecondEndHandle) {
        return MoveEndTo(handle, point, flags);
    }
    if (handle >= 1 && handle <= 8) {
        return SizeFrame(handle, point, flags);
    }
    if (handle != 0 && handle == LabelHandle()) {
        return MoveLabelHandleTo(handle, point, flags);
    }
    return 0;
}

int CQarnArcPie::MoveEndTo(int handle, PointF point, MoveFlags flags) {
    AntiTransformPoints(&point, 1);
    const PointF c = CentreOf(m_rcEllipse);
    const PointF& other = handle == kFirstEndHandle ? m_ptSecond : m_ptFirst;
    if (point.X == c.X && point.Y == c.Y) {
        return 0;
    }
    const double theta = DegreesFrom(c, point);
    const double apart = ClockwiseBetween(DegreesFrom(c, other), theta);
    if (apart <= kClosestEnds || apart >= 360.0 - kClosestEnds) {
        return 0;
    }
    // Where the ray from the centre in that direction meets the ellipse.
    const double a = std::fabs(double(m_rcEllipse.Width)) / 2;
    const double b = std::fabs(double(m_rcEllipse.Height)) / 2;
    const double cosine = std::cos(theta * kRadiansPerDegree);
    const double sine = std::sin(theta * kRadiansPerDegree);
    const double denominator = std::sqrt(b * b * cosine * cosine + a * a * sine * sine);
    if (!(denominator > 0.0) || !std::isfinite(denominator)) {
        return 0;
    }
    const double radius = a * b / denominator;
    const PointF end(float(c.X + radius * cosine), float(c.Y + radius * sine));
    (handle == kFirstEndHandle ? m_ptFirst : m_ptSecond) = end;
    FitFrameToPiece();
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}

void CQarnArcPie::FitFrameToPiece() {
    const RectF frame = GetRectF();
    const bool backwards = RunsBackwards(frame);
    float start = 0;
    float sweep = 0;
    GetSweep(m_rcEllipse, m_ptFirst, m_ptSecond, backwards, start, sweep);
    const PointF c = CentreOf(m_rcEllipse);
    const float a = std::fabs(m_rcEllipse.Width) / 2;
    const float b = std::fabs(m_rcEllipse.Height) / 2;
    float left = std::min(m_ptFirst.X, m_ptSecond.X);
    float right = std::max(m_ptFirst.X, m_ptSecond.X);
    float top = std::min(m_ptFirst.Y, m_ptSecond.Y);
    float bottom = std::max(m_ptFirst.Y, m_ptSecond.Y);
    // An extreme of the ellipse bounds the piece when the piece passes it.
    const PointF extremes[4] = {{c.X + a, c.Y}, {c.X, c.Y + b}, {c.X - a, c.Y}, {c.X, c.Y - b}};
    for (int quarter = 0; quarter < 4; ++quarter) {
        if (ClockwiseBetween(start, 90.0 * quarter) <= sweep) {
            left = std::min(left, extremes[quarter].X);
            right = std::max(right, extremes[quarter].X);
            top = std::min(top, extremes[quarter].Y);
            bottom = std::max(bottom, extremes[quarter].Y);
        }
    }
    if (GetShapeID() == Qarn::kShapePie) {
        left = std::min(left, c.X);
        right = std::max(right, c.X);
        top = std::min(top, c.Y);
        bottom = std::max(bottom, c.Y);
    }
    // A mirrored frame keeps its mirroring, so that it keeps drawing the same piece.
    RectF fitted(left, top, right - left, bottom - top);
    if (frame.Width < 0) {
        fitted.X = right;
        fitted.Width = left - right;
    }
    if (frame.Height < 0) {
        fitted.Y = bottom;
        fitted.Height = top - bottom;
    }
    SetRectF(fitted);
}

int CQarnArcPie::SizeFrame(int handle, PointF point, MoveFlags flags) {
    const PointF fixed = GetFixPoint(handle);
    const RectF old = GetRectF();
    // The frame's own move leaves the view alone until the ellipse has followed.
    if (CQarnComponent::MoveHandleTo(
            handle, point, flags.Without(MoveFlags::Invalidate | MoveFlags::Outline)) == 0) {
        return 0;
    }
    const RectF sized = GetRectF();
    const float sx = old.Width != 0 ? sized.Width / old.Width : 1.0f;
    const float sy = old.Height != 0 ? sized.Height / old.Height : 1.0f;
    for (PointF* p : {&m_ptFirst, &m_ptSecond}) {
        p->X = ScaledAbout(p->X, fixed.X, sx);
        p->Y = ScaledAbout(p->Y, fixed.Y, sy);
    }
    m_rcEllipse =
        RectF(ScaledAbout(m_rcEllipse.X, fixed.X, sx), ScaledAbout(m_rcEllipse.Y, fixed.Y, sy),
              m_rcEllipse.Width * sx, m_rcEllipse.Height * sy);
    ResetPath();
    HonourMoveFlags(flags);
    return 1;
}
