#include "platform/bounded_gradient.h"

#include <QLinearGradient>
#include <QTransform>
#include <cmath>

namespace Qarn {

namespace {

// The width of the step between two repetitions, in lengths of the padded gradient.
constexpr double kHair = 1e-6;

}  // namespace

QBrush BoundedGradient(const QBrush& brush, const QRectF& area, int maxRepetitions) {
    const QGradient* source = brush.gradient();
    if (source == nullptr || source->type() != QGradient::LinearGradient ||
        source->spread() == QGradient::PadSpread ||
        source->coordinateMode() != QGradient::LogicalMode || !area.isValid()) {
        return brush;
    }
    const auto* linear = static_cast<const QLinearGradient*>(source);
    bool invertible = false;
    const QTransform toGradient = brush.transform().inverted(&invertible);
    const QPointF start = linear->start();
    const QPointF offset = linear->finalStop() - start;
    const double length = offset.x() * offset.x() + offset.y() * offset.y();
    if (!invertible || !(length > 0.0)) {
        return brush;
    }
    // The repetitions the area's corners reach.
    double low = INFINITY;
    double high = -INFINITY;
    for (const QPointF& corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        const QPointF p = toGradient.map(corner) - start;
        const double t = (p.x() * offset.x() + p.y() * offset.y()) / length;
        low = std::min(low, t);
        high = std::max(high, t);
    }
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return brush;
    }
    const double first = std::floor(low);
    const double last = std::max(first + 1.0, std::ceil(high));
    const double count = last - first;
    if (count > maxRepetitions) {
        return brush;
    }
    const bool reflect = source->spread() == QGradient::ReflectSpread;
    const QGradientStops stops = source->stops();
    QGradientStops spread;
    spread.reserve(stops.size() * qsizetype(count));
    for (int k = 0; k < int(count); ++k) {
        // Reflected repetitions (the odd ones counted from the gradient's start) run backwards.
        const bool backwards = reflect && std::fmod(std::fabs(first + k), 2.0) == 1.0;
        for (qsizetype i = 0; i < stops.size(); ++i) {
            const QGradientStop& stop = backwards ? stops[stops.size() - 1 - i] : stops[i];
            double at = (k + (backwards ? 1.0 - stop.first : stop.first)) / count;
            // A stop where the last one stands would replace it: the repetition starts a hair
            // after the one before ends, which keeps the edge between them sharp.
            if (!spread.isEmpty() && at <= spread.back().first) {
                at = std::min(1.0, spread.back().first + kHair);
            }
            spread.append({at, stop.second});
        }
    }
    QLinearGradient padded(start + first * offset, start + last * offset);
    padded.setSpread(QGradient::PadSpread);
    padded.setStops(spread);
    QBrush bounded(padded);
    bounded.setTransform(brush.transform());
    return bounded;
}

}  // namespace Qarn
