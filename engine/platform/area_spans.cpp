#include "platform/area_spans.h"

#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "platform/graphics_path.h"
#include "platform/matrix.h"

namespace {

// Within a quarter of a device pixel, curves look like curves.
constexpr float kDeviceFlatness = 0.25f;
// Work units, fitted to measurements of Qt 6's anti-aliasing rasterizer: per crossing
// squared in a row, and per row squared of edge height and crossing of its rows.
constexpr double kCrowdedRowUnits = 8.0;
constexpr double kTallEdgeUnits = 0.09;
// And per pixel of edge length: the rasterizer walks every cell of an edge, also outside the
// device, up to the coordinate range it accepts.
constexpr double kCellUnits = 20.0;
constexpr double kLongestWalk = double(1 << 24);
// Work units per crossing and sort step in finding spans.
constexpr double kSpanUnits = 4.0;

int Clamped(double value, int low, int high) {
    return int(std::clamp(value, double(low), double(high)));
}

}  // namespace

AreaSpans::AreaSpans(const QPainterPath& area, const QTransform& toDevice, const QRect& limit)
    : fillRule_(area.fillRule()) {
    GraphicsPath device(area);
    const Matrix matrix = Matrix::FromQTransform(toDevice);
    device.Flatten(&matrix, kDeviceFlatness);
    const std::vector<PointF>& points = device.Points();
    const std::vector<BYTE>& types = device.Types();

    double minX = HUGE_VAL;
    double minY = HUGE_VAL;
    double maxX = -HUGE_VAL;
    double maxY = -HUGE_VAL;
    size_t figureStart = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & PathPointTypePathTypeMask) == PathPointTypeStart) {
            figureStart = i;
        }
        const PointF& p = points[i];
        // Every figure is filled as if closed: its last point joins its first.
        const bool last = i + 1 == points.size() ||
                          (types[i + 1] & PathPointTypePathTypeMask) == PathPointTypeStart;
        const PointF& next = last ? points[figureStart] : points[i + 1];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            continue;
        }
        minX = std::min(minX, double(p.X));
        maxX = std::max(maxX, double(p.X));
        minY = std::min(minY, double(p.Y));
        maxY = std::max(maxY, double(p.Y));
        AddEdge(p.X, p.Y, next.X, next.Y);
    }
    if (edges_.empty()) {
        return;
    }
    const int left = std::max(limit.left(), Clamped(std::floor(minX), -1 << 30, 1 << 30));
    const int right = std::min(limit.right() + 1, Clamped(std::ceil(maxX), -1 << 30, 1 << 30));
    const int top = std::max(limit.top(), Clamped(std::floor(minY), -1 << 30, 1 << 30));
    const int bottom = std::min(limit.bottom() + 1, Clamped(std::ceil(maxY), -1 << 30, 1 << 30));
    if (left >= right || top >= bottom) {
        edges_.clear();
        return;
    }
    bounds_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.top < b.top; });
    CollectEvents();
}

void AreaSpans::AddEdge(double x0, double y0, double x1, double y1) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || y0 == y1) {
        return;  // a level edge crosses no sample line
    }
    edgeLength_ += std::min(std::fabs(x1 - x0) + std::fabs(y1 - y0), kLongestWalk);
    Edge edge{};
    edge.winding = y1 > y0 ? 1 : -1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    edge.top = y0;
    edge.bottom = y1;
    edge.xAtTop = x0;
    edge.slope = (x1 - x0) / (y1 - y0);
    edges_.push_back(edge);
}

void AreaSpans::CollectEvents() {
    const int top = bounds_.top();
    const int end = bounds_.bottom() + 1;
    events_.reserve(edges_.size() * 2);
    for (const Edge& e : edges_) {
        const int from = Clamped(std::floor(e.top), top, end);
        const int to = Clamped(std::ceil(e.bottom), top, end);
        if (from < to) {
            events_.push_back({from, 1});
            events_.push_back({to, -1});
            edgeRows_ += to - from;
            edgeRowsSquared_ += double(to - from) * double(to - from);
        }
    }
    std::sort(events_.begin(), events_.end(),
              [](const Event& a, const Event& b) { return a.row < b.row; });
}

double AreaSpans::QtCost() const {
    double crowded = 0;
    double crossings = 0;
    for (size_t i = 0; i < events_.size();) {
        const int row = events_[i].row;
        for (; i < events_.size() && events_[i].row == row; ++i) {
            crossings += events_[i].crossings;
        }
        const int next = i < events_.size() ? events_[i].row : bounds_.bottom() + 1;
        crowded += double(next - row) * crossings * crossings;
    }
    // Each band of rows is as tall as the rasterizer's memory holds cells for, so the more
    // crossings its rows hold, the more bands a tall edge is walked through.
    const double averageCrossings = edgeRows_ / std::max(1, bounds_.height());
    return kCrowdedRowUnits * crowded + kTallEdgeUnits * edgeRowsSquared_ * averageCrossings +
           kCellUnits * edgeLength_;
}

double AreaSpans::SpanCost(double spacing) const {
    spacing = std::max(spacing, 1e-3);
    double cost = double(edges_.size());
    double crossings = 0;
    for (size_t i = 0; i < events_.size();) {
        const int row = events_[i].row;
        for (; i < events_.size() && events_[i].row == row; ++i) {
            crossings += events_[i].crossings;
        }
        const int next = i < events_.size() ? events_[i].row : bounds_.bottom() + 1;
        if (crossings > 0.5) {
            const double samples = (next - row) / spacing;
            cost += samples * crossings * std::log2(crossings + 2.0);
        }
    }
    return kSpanUnits * cost;
}

void AreaSpans::RowSpans(double y, std::vector<Span>* spans) {
    spans->clear();
    if (edges_.empty()) {
        return;
    }
    while (nextEdge_ < edges_.size() && edges_[nextEdge_].top <= y) {
        active_.push_back(&edges_[nextEdge_++]);
    }
    crossings_.clear();
    for (size_t i = 0; i < active_.size();) {
        const Edge* e = active_[i];
        if (e->bottom <= y) {
            active_[i] = active_.back();
            active_.pop_back();
            continue;
        }
        crossings_.emplace_back(e->xAtTop + (y - e->top) * e->slope, e->winding);
        ++i;
    }
    std::sort(crossings_.begin(), crossings_.end());
    const double left = bounds_.left();
    const double right = bounds_.right() + 1.0;
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings_.size(); ++i) {
        winding += fillRule_ == Qt::WindingFill ? crossings_[i].second : 1;
        const bool inside = fillRule_ == Qt::WindingFill ? winding != 0 : (winding & 1) != 0;
        if (!inside) {
            continue;
        }
        const double from = std::clamp(crossings_[i].first, left, right);
        const double to = std::clamp(crossings_[i + 1].first, left, right);
        if (to <= from) {
            continue;
        }
        if (!spans->empty() && spans->back().right >= from) {
            spans->back().right = std::max(spans->back().right, to);
        } else {
            spans->push_back({from, to});
        }
    }
}

void AreaSpans::Intersect(const std::vector<Span>& a, const std::vector<Span>& b,
                          std::vector<Span>* both) {
    both->clear();
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const double left = std::max(a[i].left, b[j].left);
        const double right = std::min(a[i].right, b[j].right);
        if (left < right) {
            both->push_back({left, right});
        }
        if (a[i].right < b[j].right) {
            ++i;
        } else {
            ++j;
        }
    }
}
