// Transforming, flattening, widening, measuring and hit-testing paths, and the exchange
// with Qt paths.
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/graphics_path.h"
#include "platform/matrix.h"
#include "platform/pen.h"

namespace {

// A Bezier is never cut into more pieces than this, however large or fine it is.
constexpr int kMaxPiecesPerBezier = 1024;

PointF Mid(const PointF& a, const PointF& b, const PointF& c) {
    return PointF(a.X - 2 * b.X + c.X, a.Y - 2 * b.Y + c.Y);
}

float Length(const PointF& p) {
    return std::sqrt(p.X * p.X + p.Y * p.Y);
}

// Enough uniform pieces that the chords stay within the flatness of the curve: a cubic's
// chord error is at most 3/4 of its largest second difference over the square of the count.
int PiecesFor(const PointF& p0, const PointF& p1, const PointF& p2, const PointF& p3,
              float flatness) {
    float d = std::max(Length(Mid(p0, p1, p2)), Length(Mid(p1, p2, p3)));
    if (!std::isfinite(d) || d <= 0.0f) {
        return 1;
    }
    double pieces = std::ceil(std::sqrt(0.75 * double(d) / double(flatness)));
    return int(std::clamp(pieces, 1.0, double(kMaxPiecesPerBezier)));
}

PointF BezierAt(const PointF& p0, const PointF& p1, const PointF& p2, const PointF& p3, float t) {
    float u = 1.0f - t;
    float a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return PointF(a * p0.X + b * p1.X + c * p2.X + d * p3.X,
                  a * p0.Y + b * p1.Y + c * p2.Y + d * p3.Y);
}

// Parameters in (0, 1) where one coordinate of a cubic has a turning point.
void Extrema(double p0, double p1, double p2, double p3, std::vector<double>& out) {
    // Derivative / 3: a t^2 + b t + c.
    double a = -p0 + 3 * p1 - 3 * p2 + p3;
    double b = 2 * (p0 - 2 * p1 + p2);
    double c = p1 - p0;
    auto keep = [&](double t) {
        if (t > 0.0 && t < 1.0) {
            out.push_back(t);
        }
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) {
            keep(-c / b);
        }
        return;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) {
        return;
    }
    double root = std::sqrt(disc);
    keep((-b + root) / (2 * a));
    keep((-b - root) / (2 * a));
}

}  // namespace

Status GraphicsPath::Transform(const Matrix* matrix) {
    if (matrix == nullptr) {
        return Fail(Ok);
    }
    matrix->TransformPoints(points_.data(), GetPointCount());
    return Fail(Ok);
}

// The lines all Beziers of the points need at that flatness.
double GraphicsPath::FlattenedLines(float flatness) const {
    double lines = 0;
    PointF last;
    bool started = false;
    for (size_t i = 0; i < points_.size(); ++i) {
        const BYTE kind = types_[i] & PathPointTypePathTypeMask;
        if (kind == PathPointTypeBezier && i + 2 < points_.size() && started) {
            lines += PiecesFor(last, points_[i], points_[i + 1], points_[i + 2], flatness);
            last = points_[i + 2];
            i += 2;
            continue;
        }
        lines += 1;
        last = points_[i];
        started = true;
    }
    return lines;
}

Status GraphicsPath::Flatten(const Matrix* matrix, float flatness) {
    Transform(matrix);
    if (!std::isfinite(flatness) || flatness < 1e-4f) {
        flatness = 1e-4f;
    }
    // The pieces of a curve shrink with the square root of the flatness: a flatness raised by
    // the square of the excess brings the whole path back near the limit.
    // (The cap on pieces per curve hides part of the excess, so it is measured again.)
    for (int round = 0; round < 8; ++round) {
        const double lines = FlattenedLines(flatness);
        if (lines <= double(kMaxFlattenedLines)) {
            break;
        }
        const double excess = lines / double(kMaxFlattenedLines);
        flatness = float(std::min(double(flatness) * excess * excess * 1.05, 1e30));
    }
    std::vector<PointF> points;
    std::vector<BYTE> types;
    points.reserve(points_.size());
    types.reserve(types_.size());
    for (size_t i = 0; i < points_.size(); ++i) {
        BYTE kind = types_[i] & PathPointTypePathTypeMask;
        if (kind == PathPointTypeBezier && i + 2 < points_.size() && !points.empty()) {
            const PointF p0 = points.back();
            const PointF& p1 = points_[i];
            const PointF& p2 = points_[i + 1];
            const PointF& p3 = points_[i + 2];
            const BYTE endFlags = types_[i + 2] & ~PathPointTypePathTypeMask;
            const int pieces = PiecesFor(p0, p1, p2, p3, flatness);
            for (int k = 1; k <= pieces; ++k) {
                points.push_back(k == pieces ? p3 : BezierAt(p0, p1, p2, p3, float(k) / pieces));
                types.push_back(PathPointTypeLine);
            }
            types.back() |= endFlags;
            i += 2;
            continue;
        }
        points.push_back(points_[i]);
        // A Bezier point without its two partners is kept as a line.
        types.push_back(kind == PathPointTypeBezier
                            ? BYTE((types_[i] & ~PathPointTypePathTypeMask) | PathPointTypeLine)
                            : types_[i]);
    }
    points_ = std::move(points);
    types_ = std::move(types);
    return Fail(Ok);
}

QPainterPath GraphicsPath::StrokeOutline(const QPainterPath& path, const Pen& pen) {
    QPainterPathStroker stroker(pen.ToQPen());
    // A zero width is a hairline; keep a sliver so that the outline is not lost.
    stroker.setWidth(std::max(qreal(pen.GetWidth()), qreal(1e-3)));
    return stroker.createStroke(path);
}

Status GraphicsPath::Widen(const Pen* pen, const Matrix* matrix, float flatness) {
    if (pen == nullptr) {
        return Fail(InvalidParameter);
    }
    Transform(matrix);
    QPainterPath outline = StrokeOutline(ToQPainterPath(), *pen);
    GraphicsPath widened(outline);
    widened.SetFillMode(FillModeWinding);
    widened.Flatten(nullptr, flatness);
    *this = std::move(widened);
    return Fail(Ok);
}

Status GraphicsPath::GetBounds(RectF* bounds, const Matrix* matrix, const Pen* pen) const {
    if (bounds == nullptr) {
        return Fail(InvalidParameter);
    }
    if (points_.empty()) {
        *bounds = RectF();
        return Fail(Ok);
    }
    GraphicsPath copy(*this);
    copy.Transform(matrix);
    if (pen != nullptr && pen->GetWidth() > 0.0f) {
        QRectF r = StrokeOutline(copy.ToQPainterPath(), *pen).boundingRect();
        *bounds = RectF(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
        return Fail(Ok);
    }
    const std::vector<PointF>& pts = copy.points_;
    double minX = pts[0].X, maxX = pts[0].X, minY = pts[0].Y, maxY = pts[0].Y;
    auto include = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (size_t i = 0; i < pts.size(); ++i) {
        BYTE kind = copy.types_[i] & PathPointTypePathTypeMask;
        if (kind == PathPointTypeBezier && i > 0 && i + 2 < pts.size()) {
            const PointF &p0 = pts[i - 1], &p1 = pts[i], &p2 = pts[i + 1], &p3 = pts[i + 2];
            std::vector<double> ts;
            Extrema(p0.X, p1.X, p2.X, p3.X, ts);
            Extrema(p0.Y, p1.Y, p2.Y, p3.Y, ts);
            for (double t : ts) {
                PointF q = BezierAt(p0, p1, p2, p3, float(t));
                include(q.X, q.Y);
            }
            include(p3.X, p3.Y);
            i += 2;
            continue;
        }
        include(pts[i].X, pts[i].Y);
    }
    *bounds = RectF(float(minX), float(minY), float(maxX - minX), float(maxY - minY));
    return Fail(Ok);
}

BOOL GraphicsPath::IsVisible(const PointF& point) const {
    if (points_.empty()) {
        return FALSE;
    }
    return ToQPainterPath().contains(QPointF(point.X, point.Y)) ? TRUE : FALSE;
}

BOOL GraphicsPath::IsOutlineVisible(const PointF& point, const Pen* pen) const {
    if (pen == nullptr || points_.empty()) {
        return FALSE;
    }
    // Cheap refusal first: nothing of the stroke reaches beyond its miters and caps.
    RectF bounds;
    GetBounds(&bounds);
    float reach = std::max(pen->GetWidth(), 1.0f) * std::max(pen->GetMiterLimit(), 2.0f);
    bounds.Inflate(reach, reach);
    if (point.X < bounds.X || point.Y < bounds.Y || point.X > bounds.GetRight() ||
        point.Y > bounds.GetBottom()) {
        return FALSE;
    }
    QPainterPath outline = StrokeOutline(ToQPainterPath(), *pen);
    outline.setFillRule(Qt::WindingFill);
    return outline.contains(QPointF(point.X, point.Y)) ? TRUE : FALSE;
}

QPainterPath GraphicsPath::ToQPainterPath() const {
    QPainterPath path;
    path.setFillRule(fillMode_ == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    const size_t n = points_.size();
    for (size_t i = 0; i < n; ++i) {
        const BYTE kind = types_[i] & PathPointTypePathTypeMask;
        size_t last = i;
        if (kind == PathPointTypeStart || path.elementCount() == 0) {
            path.moveTo(points_[i].X, points_[i].Y);
        } else if (kind == PathPointTypeBezier && i + 2 < n) {
            path.cubicTo(points_[i].X, points_[i].Y, points_[i + 1].X, points_[i + 1].Y,
                         points_[i + 2].X, points_[i + 2].Y);
            last = i + 2;
        } else {
            path.lineTo(points_[i].X, points_[i].Y);
        }
        if ((types_[last] & PathPointTypeCloseSubpath) != 0) {
            path.closeSubpath();
        }
        i = last;
    }
    return path;
}

GraphicsPath::GraphicsPath(const QPainterPath& path)
    : fillMode_(path.fillRule() == Qt::WindingFill ? FillModeWinding : FillModeAlternate) {
    size_t figureStart = 0;
    auto finishFigure = [&]() {
        if (points_.size() < figureStart + 2) {
            return;
        }
        // A figure that returns to its start is closed; its closing line is implied.
        if (points_.back().Equals(points_[figureStart])) {
            if ((types_.back() & PathPointTypePathTypeMask) == PathPointTypeLine) {
                points_.pop_back();
                types_.pop_back();
            }
            types_.back() |= PathPointTypeCloseSubpath;
        }
    };
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const PointF p(float(e.x), float(e.y));
        if (e.type == QPainterPath::MoveToElement) {
            finishFigure();
            figureStart = points_.size();
            points_.push_back(p);
            types_.push_back(PathPointTypeStart);
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < count) {
            for (int k = 0; k < 3; ++k) {
                const QPainterPath::Element c = path.elementAt(i + k);
                points_.push_back(PointF(float(c.x), float(c.y)));
                types_.push_back(PathPointTypeBezier);
            }
            i += 2;
        } else {
            points_.push_back(p);
            types_.push_back(PathPointTypeLine);
        }
    }
    finishFigure();
    newFigure_ = true;
}
