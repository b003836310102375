#pragma once
// Where an area lies on the rows of a raster device. The area's curves are flattened within a
// quarter of a pixel (never into more lines than a path may have); a sample line across the
// device at some y meets the area in spans, under its fill rule. Finding the spans of one
// sample costs sorting the edges that cross it, so a tangle of self-crossing edges costs what
// its crossings cost.
//
// Qt's rasterizers cost far more on such areas, and the class also estimates what they would
// spend, so that a painter can choose (see AreaPainter). Both estimates are in work units of
// about a nanosecond each on the machines this was measured on.

#include <QRect>
#include <Qt>
#include <vector>

class QPainterPath;
class QTransform;

class AreaSpans {
public:
    // Device x from `left` to `right`.
    struct Span {
        double left;
        double right;
    };

    // The area (in the coordinates `toDevice` maps to device pixels) within `limit`.
    AreaSpans(const QPainterPath& area, const QTransform& toDevice, const QRect& limit);

    // The device pixels the area touches within the limit; empty when none.
    const QRect& Bounds() const { return bounds_; }
    // Lines the area was cut into.
    size_t EdgeCount() const { return edges_.size(); }
    // What Qt's anti-aliasing rasterizer spends on the area: rows crowded with crossings cost
    // the square of their crossings, edges running down many rows are walked again for every
    // band of rows the rasterizer works in (their height squared, times the crossings of a row),
    // and every edge is walked pixel by pixel, also where it lies outside the device.
    double QtCost() const;
    // What finding the spans of samples `spacing` rows apart costs: the crossings of each
    // sample, each weighed by the cost of sorting them, plus the edges themselves.
    double SpanCost(double spacing) const;

    // The spans of the sample line at device y, within the bounds, from left to right.
    // Samples must be asked for from the top down.
    void RowSpans(double y, std::vector<Span>* spans);
    // The parts that lie in both lists.
    static void Intersect(const std::vector<Span>& a, const std::vector<Span>& b,
                          std::vector<Span>* both);

private:
    struct Edge {
        double top;
        double bottom;
        double xAtTop;
        double slope;  // dx / dy
        int winding;
    };
    // From `row` on, a run of rows holds that many more (or fewer) crossings.
    struct Event {
        int row;
        int crossings;
    };

    void AddEdge(double x0, double y0, double x1, double y1);
    void CollectEvents();

    Qt::FillRule fillRule_;
    QRect bounds_;
    std::vector<Edge> edges_;     // by top, once the area is read
    std::vector<Event> events_;   // by row
    double edgeRows_ = 0;         // rows spanned, summed over the edges
    double edgeRowsSquared_ = 0;  // and their squares
    double edgeLength_ = 0;       // pixels walked along the edges
    size_t nextEdge_ = 0;
    std::vector<const Edge*> active_;
    std::vector<std::pair<double, int>> crossings_;
};
