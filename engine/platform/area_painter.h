#pragma once
// Painting an area on a raster device within a bounded cost.
//
// Qt's anti-aliasing rasterizer spends the square of the crossings of a crowded row on that
// row, and walks a tall edge again for every band of rows it works in: a filled polygon of a
// thousand self-crossing points takes seconds, one of 65,535 takes hours, and a handful of
// edges down a 16,000-pixel page takes seconds too. The bound: an area whose estimated cost
// for Qt (AreaSpans::QtCost) is at most kQtBudget is left to Qt and drawn exactly as before.
// A costlier area is painted through its spans (AreaSpans): four sample lines per pixel row,
// each covering pixels in proportion to the length of its spans in them, so edges keep their
// anti-aliasing. When that would exceed kSpanBudget, fewer samples are taken: two, then one
// per row, then one for every second, fourth, ... row, whose coverage serves the rows down to
// the next sample. One area thus costs at most about the larger budget plus painting its
// pixels once. The paint itself (any brush, gradient or picture) is laid into a layer of
// rows (kBandPixels at most, but at least kBandRows rows) at a time and kept in proportion to
// the coverage, so memory stays one band. Areas painted while a band's paint is laid in (the
// rings of a path gradient) share the budget: each band gets its part of it (Budget()).
//
// Devices that are not rasters (PDF, printers) take every area as it is: writing a path costs
// what its length costs.

#include <QPainterPath>
#include <QRect>
#include <functional>
#include <memory>

class AreaSpans;
class QPainter;

class AreaPainter {
public:
    // About a quarter of a second of Qt's rasterizer (work units of AreaSpans).
    static constexpr double kQtBudget = 2.5e8;
    // About half a second of finding spans.
    static constexpr double kSpanBudget = 5e8;
    // Pixels and least rows painted together when the area is painted through its spans.
    static constexpr qint64 kBandPixels = qint64(1) << 22;
    static constexpr int kBandRows = 64;
    // Sample lines per pixel row at best.
    static constexpr int kSamplesPerRow = 4;

    // Paints something over at least `cover` (in the painter's coordinates) with `painter`.
    using PaintFunction = std::function<void(QPainter* painter, const QPainterPath& cover)>;

    // The area, and a clip that limits it too (both in the painter's coordinates).
    AreaPainter(QPainter* painter, const QPainterPath& area, const QPainterPath* clip = nullptr);
    ~AreaPainter();
    AreaPainter(const AreaPainter&) = delete;
    AreaPainter& operator=(const AreaPainter&) = delete;

    // True when Qt may draw the area (and clip) itself: the device is not a raster, or Qt's
    // estimated cost is within the budget.
    bool QtCanDraw();
    // Paints through the spans: `paint` covers a band of the device, and each pixel keeps
    // what it painted in proportion to the part of it that the area (and clip) covers.
    void PaintBySpans(const PaintFunction& paint);
    // Rows between two sample lines in PaintBySpans: 1 / kSamplesPerRow at best, more as the
    // budget demands.
    double SampleSpacing();
    // About what painting the area costs, whichever way it is painted (0 off a raster).
    double EstimatedCost();
    // The work one area may cost now: kSpanBudget, or the share of it left to areas painted
    // within a band of another area's spans.
    static double Budget();

private:
    QRect DeviceLimit() const;
    void MakeSpans();
    // The coverage of one row (0 to 1 per pixel of the bounds) from the samples at `ys`.
    void Cover(const double* ys, int count, double weight, float* coverage, int* left, int* right);

    QPainter* painter_;
    QPainterPath area_;
    QPainterPath clip_;
    bool hasClip_;
    QRect bounds_;
    std::unique_ptr<AreaSpans> areaSpans_;
    std::unique_ptr<AreaSpans> clipSpans_;
};
