// The outline of a poly by join kind, its bounds from the points, and flattening.
#include <cmath>
#include <vector>

#include "core/conversions.h"
#include "core/element.h"
#include "core/rect_geometry.h"
#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "shapes/poly.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

double Distance(const PointF& a, const PointF& b) {
    const double dx = double(a.X) - b.X;
    const double dy = double(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

// One piece of an "Arc Segment" poly through A, B and C: a curve when B lies almost on the
// chord or the triangle is too pointed at A or C, otherwise the half-ellipse on the chord AC
// that passes through B.
void AddArcPiece(GraphicsPath& path, const PointF& a, const PointF& b, const PointF& c,
                 float tension) {
    const PointF three[3] = {a, b, c};
    const double ab = Distance(a, b);
    const double bc = Distance(b, c);
    const double ac = Distance(a, c);
    if (ac * 1.03 > ab + bc) {
        path.AddCurve(three, 3);
        return;
    }
    // A triangle folded back onto itself (A on C) has no chord to span.
    if (ac == 0.0) {
        path.AddCurve(three, 3, tension);
        return;
    }
    const double atA = (ac * ac + ab * ab - bc * bc) / (ab * ac);
    const double atC = (bc * bc + ac * ac - ab * ab) / (bc * ac);
    if (atA < 0.5 || atC < 0.5) {
        path.AddCurve(three, 3, tension);
        return;
    }
    const PointF m((a.X + c.X) / 2, (a.Y + c.Y) / 2);
    const double h = ac / 2;
    const float theta = float(std::atan2(double(a.Y) - m.Y, double(a.X) - m.X) * kDegreesPerRadian);
    Matrix back;
    back.RotateAt(-theta, m);
    const PointF turned = back.Map(b);
    const double bx = double(turned.X) - m.X;
    const double by = double(turned.Y) - m.Y;
    const double across = h * h - bx * bx;
    const double k = across > 0.0 ? std::sqrt(by * by * h * h / across) : 0.0;
    if (!(k > 0.0) || !std::isfinite(k)) {
        path.AddCurve(three, 3, tension);
        return;
    }
    GraphicsPath arc;
    arc.AddArc(float(m.X - h), float(m.Y - k), float(2 * h), float(2 * k), 0.0f,
               std::atan2(by, bx) > 0.0 ? 180.0f : -180.0f);
    Matrix forth;
    forth.RotateAt(theta, m);
    arc.Transform(&forth);
    path.AddPath(&arc, TRUE);
}

void AddArcSegments(GraphicsPath& path, const std::vector<PointF>& p, int count, bool closed,
                    float tension) {
    const int n = closed ? count - 1 : count - 2;
    const int pieces = (n + 1) / 2;
    for (int k = 0; k < pieces; ++k) {
        AddArcPiece(path, p[size_t(2 * k)], p[size_t(2 * k + 1)], p[size_t(2 * k + 2)], tension);
    }
    if (closed) {
        if (count % 2 == 1) {
            path.AddLine(p[size_t(2 * pieces)], p[size_t(2 * pieces + 1)]);
        }
        path.CloseFigure();
    } else if (count % 2 == 0) {
        path.AddLine(p[size_t(count - 2)], p[size_t(count - 1)]);
    }
}

void AddThreePointCurves(GraphicsPath& path, const std::vector<PointF>& p, int count, bool closed,
                         float tension) {
    int i = 0;
    for (; i < count - 2; i += 2) {
        path.AddCurve(&p[size_t(i)], 3, tension);
    }
    if (i == count - 2) {
        if (closed) {
            const PointF last[3] = {p[size_t(count - 2)], p[size_t(count - 1)], p[0]};
            path.AddCurve(last, 3);
        } else {
            path.AddLine(p[size_t(count - 2)], p[size_t(count - 1)]);
        }
    }
    if (closed) {
        path.CloseFigure();
    }
}

void AddFourPointCurves(GraphicsPath& path, const std::vector<PointF>& p, int count, bool closed,
                        float tension) {
    int i = 0;
    for (; i < count - 3; i += 3) {
        path.AddCurve(&p[size_t(i)], 4, tension);
    }
    if (i == count - 3) {
        path.AddCurve(&p[size_t(count - 3)], 3, tension);
    } else if (i == count - 2) {
        path.AddLine(p[size_t(count - 2)], p[size_t(count - 1)]);
    }
    if (closed) {
        path.CloseFigure();
    }
}

}  // namespace

bool CQarnPoly::BuildOutline(GraphicsPath& path) const {
    const int count = GetPointCount();
    if (count < 2) {
        return false;
    }
    // A working copy with point 1 repeated at the end, which closes the ring of arcs.
    std::vector<PointF> p(GetPointArray(), GetPointArray() + count);
    if (GetIntegerPoint() != 0) {
        for (PointF& q : p) {
            q = PointF(std::floor(q.X + 0.5f), std::floor(q.Y + 0.5f));
        }
    }
    p.push_back(p.front());
    if (count < 3) {
        path.AddLines(p.data(), count);
        return true;
    }
    const bool closed = IsClosed();
    const float tension = GetTension();
    switch (GetJoinKind()) {
        case JoinCurve:
            if (closed) {
                path.AddClosedCurve(p.data(), count, tension);
            } else {
                path.AddCurve(p.data(), count, tension);
            }
            break;
        case JoinArcSegment:
            AddArcSegments(path, p, count, closed, tension);
            break;
        case JoinCurve1Control:
            AddThreePointCurves(path, p, count, closed, tension);
            break;
        case JoinCurve2Controls:
            AddFourPointCurves(path, p, count, closed, tension);
            break;
        default:
            if (closed) {
                path.AddPolygon(p.data(), count);
            } else {
                path.AddLines(p.data(), count);
            }
            break;
    }
    return true;
}

BOOL CQarnPoly::CreateElements(RectF* rect) {
    ClearElements();
    if (GetPointCount() < 2) {
        return FALSE;
    }
    CQarnComponent::CreateElements(rect);
    GraphicsPath* path = GetElement(0)->GetPath();
    BuildOutline(*path);
    if (rect != nullptr) {
        // The outline the poly would have in that rectangle, without moving the poly.
        const RectF from = GetRectF();
        std::vector<PointF> points = path->Points();
        Qarn::TransformPoints(points.data(), int(points.size()), from, *rect);
        const std::vector<BYTE> types = path->Types();
        *path = GraphicsPath(points.data(), types.data(), int(points.size()), path->GetFillMode());
    }
    return TRUE;
}

int CQarnPoly::RecalcBounds(DWORD) {
    const int count = GetPointCount();
    if (count == 0) {
        return 0;
    }
    RectF bounds;
    if (count == 2) {
        bounds = LineFrame();
    } else {
        if (count == 1 || GetJoinKind() == JoinLineSegment) {
            bounds = Qarn::GetBoundRect(GetPointArray(), count);
        } else {
            GraphicsPath outline;
            BuildOutline(outline);
            outline.GetBounds(&bounds);
        }
        if (bounds.Width == 0.0f) {
            bounds.Width = 0.1f;
        }
        if (bounds.Height == 0.0f) {
            bounds.Height = 0.1f;
        }
    }
    if (bounds == GetRectF()) {
        return 0;
    }
    SetRectF(bounds);
    return 1;
}

RectF CQarnPoly::LineFrame() const {
    const PointF& a = GetPointArray()[0];
    const PointF& b = GetPointArray()[1];
    return RectF(a.X, a.Y, b.X - a.X, b.Y - a.Y);
}

void CQarnPoly::Flatten(float flatness) {
    GraphicsPath outline;
    if (!BuildOutline(outline)) {
        return;
    }
    outline.Flatten(nullptr, flatness);
    SetPointArray(outline.Points());
    SetPointCount(int(outline.Points().size()));
    ResetPath();
}
