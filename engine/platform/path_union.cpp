#include "platform/path_union.h"

#include <QLineF>
#include <algorithm>
#include <vector>

namespace {

struct Line {
    QPointF a;
    QPointF b;
    double minX;
    double maxX;
};

double Cross(const QPointF& o, const QPointF& p, const QPointF& q) {
    return (p.x() - o.x()) * (q.y() - o.y()) - (p.y() - o.y()) * (q.x() - o.x());
}

// A crossing in the inside of both lines (lines that only touch at an end, as neighbours
// do, are not counted).
bool CrossesInside(const Line& s, const Line& t) {
    const double d1 = Cross(s.a, s.b, t.a);
    const double d2 = Cross(s.a, s.b, t.b);
    const double d3 = Cross(t.a, t.b, s.a);
    const double d4 = Cross(t.a, t.b, s.b);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

}  // namespace

bool PathUnion::Affordable(const QPainterPath& path) {
    if (path.elementCount() > kMaxLines) {
        return false;
    }
    std::vector<Line> lines;
    const QList<QPolygonF> polygons = path.toSubpathPolygons();
    for (const QPolygonF& polygon : polygons) {
        for (qsizetype i = 0; i + 1 < polygon.size(); ++i) {
            if (lines.size() >= size_t(kMaxLines)) {
                return false;
            }
            const QPointF& a = polygon[i];
            const QPointF& b = polygon[i + 1];
            lines.push_back({a, b, std::min(a.x(), b.x()), std::max(a.x(), b.x())});
        }
    }
    std::sort(lines.begin(), lines.end(),
              [](const Line& s, const Line& t) { return s.minX < t.minX; });
    long long pairs = 0;
    int crossings = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size() && lines[j].minX <= lines[i].maxX; ++j) {
            if (++pairs > kMaxPairs) {
                return false;
            }
            if (CrossesInside(lines[i], lines[j]) && ++crossings > kMaxCrossings) {
                return false;
            }
        }
    }
    return true;
}

QPainterPath PathUnion::Merge(const QPainterPath& path) {
    QPainterPath outline = path;
    outline.setFillRule(Qt::WindingFill);
    if (Affordable(outline)) {
        outline = outline.simplified();
        outline.setFillRule(Qt::WindingFill);
    }
    return outline;
}
