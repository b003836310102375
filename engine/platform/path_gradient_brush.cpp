#include "platform/path_gradient_brush.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/area_painter.h"
#include "platform/gradient_colors.h"
#include "platform/graphics_path.h"

namespace {

// Enough rings that neighbouring ones differ by at most one level in every channel.
int StepsBetween(const Color& a, const Color& b) {
    int steps = std::max({std::abs(a.GetA() - b.GetA()), std::abs(a.GetR() - b.GetR()),
                          std::abs(a.GetG() - b.GetG()), std::abs(a.GetB() - b.GetB())});
    return std::max(steps, 1);
}

// The rings together hold at most about this many points: a boundary of tens of thousands of
// points is painted in a few rings instead of 255 copies of itself.
constexpr size_t kMaxRingPoints = size_t(1) << 18;

}  // namespace

PathGradientBrush::PathGradientBrush(const GraphicsPath* path) : Brush(BrushTypePathGradient) {
    if (path == nullptr) {
        lastStatus_ = InvalidParameter;
        return;
    }
    GraphicsPath flat(*path);
    flat.Flatten();
    const std::vector<PointF>& points = flat.Points();
    const std::vector<BYTE>& types = flat.Types();
    for (size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & PathPointTypePathTypeMask) == PathPointTypeStart || figures_.empty()) {
            figures_.emplace_back();
        }
        figures_.back().push_back(points[i]);
    }
    TakeBounds();
}

PathGradientBrush::PathGradientBrush(const PointF* points, int count)
    : Brush(BrushTypePathGradient) {
    if (points == nullptr || count < 2) {
        lastStatus_ = InvalidParameter;
        return;
    }
    figures_.emplace_back(points, points + count);
    TakeBounds();
}

void PathGradientBrush::TakeBounds() {
    bool first = true;
    float left = 0, top = 0, right = 0, bottom = 0;
    for (const auto& figure : figures_) {
        for (const PointF& p : figure) {
            if (first) {
                left = right = p.X;
                top = bottom = p.Y;
                first = false;
            }
            left = std::min(left, p.X);
            right = std::max(right, p.X);
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
    }
    bounds_ = RectF(left, top, right - left, bottom - top);
    centerPoint_ = PointF(left + (right - left) / 2, top + (bottom - top) / 2);
}

Status PathGradientBrush::GetCenterColor(Color* color) const {
    if (color == nullptr) {
        return InvalidParameter;
    }
    *color = center_;
    return Ok;
}

Status PathGradientBrush::SetCenterColor(const Color& color) {
    center_ = color;
    return lastStatus_ = Ok;
}

Status PathGradientBrush::SetSurroundColors(const Color* colors, int* count) {
    if (colors == nullptr || count == nullptr || *count < 1) {
        return lastStatus_ = InvalidParameter;
    }
    surround_ = colors[0];
    *count = 1;
    return lastStatus_ = Ok;
}

Status PathGradientBrush::GetCenterPoint(PointF* point) const {
    if (point == nullptr) {
        return InvalidParameter;
    }
    *point = centerPoint_;
    return Ok;
}

Status PathGradientBrush::SetCenterPoint(const PointF& point) {
    if (!std::isfinite(point.X) || !std::isfinite(point.Y)) {
        return lastStatus_ = InvalidParameter;
    }
    centerPoint_ = point;
    return lastStatus_ = Ok;
}

Status PathGradientBrush::GetRectangle(RectF* rect) const {
    if (rect == nullptr) {
        return InvalidParameter;
    }
    *rect = bounds_;
    return Ok;
}

Status PathGradientBrush::SetGammaCorrection(BOOL on) {
    gamma_ = on ? TRUE : FALSE;
    return lastStatus_ = Ok;
}

QBrush PathGradientBrush::ToQBrush() const {
    QRadialGradient gradient(QPointF(0, 0), 1.0);
    gradient.setStops(GradientColors::Stops(center_, surround_, gamma_ != FALSE));
    gradient.setSpread(QGradient::PadSpread);
    QBrush brush(gradient);
    brush.setTransform(QTransform(qMax(qreal(bounds_.Width) / 2, 1e-6), 0, 0,
                                  qMax(qreal(bounds_.Height) / 2, 1e-6), centerPoint_.X,
                                  centerPoint_.Y));
    return brush;
}

void PathGradientBrush::PaintArea(QPainter* painter, const QPainterPath& area) const {
    if (painter == nullptr || figures_.empty()) {
        return;
    }
    QPainterPath boundary;
    for (const auto& figure : figures_) {
        QPolygonF polygon;
        for (const PointF& p : figure) {
            polygon << QPointF(p.X, p.Y);
        }
        boundary.addPolygon(polygon);
        boundary.closeSubpath();
    }
    painter->save();
    painter->setClipPath(area, Qt::IntersectClip);
    painter->setPen(Qt::NoPen);
    // Ring k is the boundary shrunk to k/steps towards the centre, painted with the colour a
    // (k - 1)/steps of the way out, so the innermost ring holds the centre colour itself.
    size_t boundaryPoints = 0;
    for (const auto& figure : figures_) {
        boundaryPoints += figure.size();
    }
    // As many rings as the budget of one area pays for, at the cost of the boundary; never so
    // many points that a vector file takes a copy of a huge boundary for every level.
    const double ringCost = std::max(1.0, AreaPainter(painter, boundary).EstimatedCost());
    const double affordable = std::clamp(AreaPainter::Budget() / ringCost, 1.0, 255.0);
    const size_t pointsAllow =
        std::clamp(kMaxRingPoints / std::max<size_t>(boundaryPoints, 1), size_t(1), size_t(255));
    const int levels = StepsBetween(center_, surround_);
    const int steps = std::min({levels, int(affordable), int(pointsAllow)});
    const QPointF c(centerPoint_.X, centerPoint_.Y);
    const bool opaque = center_.GetA() == 255 && surround_.GetA() == 255;
    for (int k = steps; k >= 1; --k) {
        const qreal scale = qreal(k) / steps;
        QTransform shrink = QTransform::fromTranslate(c.x(), c.y());
        shrink.scale(scale, scale);
        shrink.translate(-c.x(), -c.y());
        // Fewer rings than levels each take the colour halfway across their band.
        const double outward = steps < levels ? (k - 0.5) / steps : double(k - 1) / steps;
        const Color color = GradientColors::Blend(center_, surround_, outward, gamma_ != FALSE);
        painter->setBrush(color.ToQColor());
        QPainterPath ring = shrink.map(boundary);
        if (!opaque && k > 1) {
            // Translucent rings must not stack: each one leaves out the next smaller one.
            QTransform inner = QTransform::fromTranslate(c.x(), c.y());
            inner.scale(qreal(k - 1) / steps, qreal(k - 1) / steps);
            inner.translate(-c.x(), -c.y());
            ring.addPath(inner.map(boundary));
            ring.setFillRule(Qt::OddEvenFill);
        }
        // Each ring is an area of its own, painted within the bound on drawing one area.
        AreaPainter bounded(painter, ring);
        if (bounded.QtCanDraw()) {
            painter->drawPath(ring);
        } else {
            const QBrush fill = painter->brush();
            bounded.PaintBySpans([&fill](QPainter* onto, const QPainterPath& cover) {
                onto->fillPath(cover, fill);
            });
        }
    }
    painter->restore();
}
