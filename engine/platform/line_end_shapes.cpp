#include "platform/line_end_shapes.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "platform/custom_line_cap.h"
#include "platform/graphics_path.h"
#include "platform/pen.h"

namespace {

struct Figure {
    QPolygonF points;
    bool closed = false;
};

std::vector<Figure> FlatFigures(const GraphicsPath& path) {
    GraphicsPath flat(path);
    flat.Flatten();
    std::vector<Figure> figures;
    const auto& points = flat.Points();
    const auto& types = flat.Types();
    for (size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & PathPointTypePathTypeMask) == PathPointTypeStart || figures.empty()) {
            figures.emplace_back();
        }
        figures.back().points << QPointF(points[i].X, points[i].Y);
        if ((types[i] & PathPointTypeCloseSubpath) != 0) {
            figures.back().closed = true;
        }
    }
    return figures;
}

// The unit direction out of the polyline's last point, from the last point before it that
// differs; a null vector when the figure has no length.
QPointF OutwardDirection(const QPolygonF& line) {
    const QPointF end = line.last();
    for (int i = int(line.size()) - 2; i >= 0; --i) {
        const QPointF d = end - line[i];
        const qreal length = std::hypot(d.x(), d.y());
        if (length > 1e-9) {
            return d / length;
        }
    }
    return QPointF();
}

// Cuts `distance` off the polyline's end; false when nothing of it is left.
bool CutBack(QPolygonF& line, qreal distance) {
    while (distance > 0.0 && line.size() >= 2) {
        const QLineF last(line[line.size() - 2], line.last());
        const qreal length = last.length();
        if (length > distance) {
            line.last() = last.pointAt((length - distance) / length);
            return true;
        }
        distance -= length;
        line.removeLast();
    }
    return line.size() >= 2;
}

// The cap's shapes in cap space (y out of the line's end) placed at the end point.
QTransform CapPlacement(const QPointF& end, const QPointF& outward, qreal scale) {
    const QPointF across(-outward.y(), outward.x());
    return QTransform(across.x() * scale, across.y() * scale, outward.x() * scale,
                      outward.y() * scale, end.x(), end.y());
}

}  // namespace

LineEndShapes::LineEndShapes(const GraphicsPath& path, const Pen& pen) {
    for (Figure& figure : FlatFigures(path)) {
        if (figure.closed || figure.points.size() < 2) {
            line_.addPolygon(figure.points);
            if (figure.closed) {
                line_.closeSubpath();
            }
            continue;
        }
        hasOpenFigures_ = true;
        QPolygonF reversed(figure.points.rbegin(), figure.points.rend());
        const QPointF endOut = OutwardDirection(figure.points);
        const QPointF startOut = OutwardDirection(reversed);
        const QPointF endPoint = figure.points.last();
        const QPointF startPoint = figure.points.first();
        bool keep = true;
        auto place = [&](const CustomLineCap* cap, const QPointF& point, const QPointF& outward,
                         QPolygonF& line) {
            if (cap == nullptr || outward.isNull()) {
                return;
            }
            const qreal scale = qreal(pen.GetWidth()) * cap->GetWidthScale();
            const QTransform placement = CapPlacement(point, outward, scale);
            if (!cap->GetFillPath().IsEmpty()) {
                fills_.push_back(placement.map(cap->GetFillPath().ToQPainterPath()));
            }
            if (!cap->GetStrokePath().IsEmpty()) {
                strokes_.push_back(placement.map(cap->GetStrokePath().ToQPainterPath()));
            }
            keep = keep && CutBack(line, qreal(cap->GetBaseInset()) * scale);
        };
        QPolygonF line = figure.points;
        place(pen.GetCustomEndCap(), endPoint, endOut, line);
        QPolygonF back(line.rbegin(), line.rend());
        place(pen.GetCustomStartCap(), startPoint, startOut, back);
        if (keep) {
            line_.addPolygon(QPolygonF(back.rbegin(), back.rend()));
        }
    }
}
