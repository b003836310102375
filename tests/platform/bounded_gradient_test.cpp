// A repeating gradient bounded to the area it fills paints that area in the same colours.
#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "platform/bounded_gradient.h"

namespace {

QImage Filled(const QBrush& brush, const QRectF& area) {
    QImage image(240, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(area, brush);
    return image;
}

// The largest difference of a channel over the image.
int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QBrush Striped(QGradient::Spread spread, const QTransform& placement) {
    QLinearGradient gradient(0, 0, 1, 0.3);
    gradient.setStops(
        {{0.0, QColor(255, 0, 0)}, {0.4, QColor(0, 200, 0)}, {1.0, QColor(0, 0, 255)}});
    gradient.setSpread(spread);
    QBrush brush(gradient);
    brush.setTransform(placement);
    return brush;
}

TEST(BoundedGradient, PaintsTheAreaInTheColoursOfTheRepeatingGradient) {
    const QRectF area(30, 20, 170, 120);
    for (const QGradient::Spread spread : {QGradient::RepeatSpread, QGradient::ReflectSpread}) {
        for (const QTransform& placement :
             {QTransform(40, 0, 0, 40, 35, 25), QTransform(25, 10, -8, 30, -100, 300)}) {
            const QBrush brush = Striped(spread, placement);
            const QBrush bounded = Qarn::BoundedGradient(brush, area);
            ASSERT_EQ(bounded.gradient()->spread(), QGradient::PadSpread);
            // Qt's raster looks colours up in a table of the whole gradient, which now holds a
            // few repetitions: a level or two apart, and at most a pixel's blur at the seams.
            const QImage ours = Filled(bounded, area);
            const QImage theirs = Filled(brush, area);
            int far = 0;
            for (int y = 0; y < ours.height(); ++y) {
                for (int x = 0; x < ours.width(); ++x) {
                    const QRgb p = ours.pixel(x, y);
                    const QRgb q = theirs.pixel(x, y);
                    far += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                       std::abs(qBlue(p) - qBlue(q)) >
                                   24
                               ? 1
                               : 0;
                }
            }
            EXPECT_LT(far, 2 * ours.height()) << "spread " << spread;
            EXPECT_GT(LargestDifference(theirs, Filled(QBrush(Qt::white), area)), 100);
        }
    }
}

TEST(BoundedGradient, LeavesOtherBrushesAndFarReachingGradientsAlone) {
    const QRectF area(0, 0, 100, 100);
    const QBrush solid(Qt::red);
    EXPECT_EQ(Qarn::BoundedGradient(solid, area), solid);
    const QBrush padded = Striped(QGradient::PadSpread, QTransform::fromScale(10, 10));
    EXPECT_EQ(Qarn::BoundedGradient(padded, area), padded);
    // A gradient repeating thousands of times over the area is left to the device.
    const QBrush fine = Striped(QGradient::RepeatSpread, QTransform::fromScale(0.01, 0.01));
    EXPECT_EQ(Qarn::BoundedGradient(fine, area), fine);
    // A degenerate gradient has no direction to bound.
    QLinearGradient point(5, 5, 5, 5);
    point.setSpread(QGradient::RepeatSpread);
    EXPECT_EQ(Qarn::BoundedGradient(QBrush(point), area), QBrush(point));
}

TEST(BoundedGradient, HoldsOnlyTheRepetitionsTheAreaMeets) {
    // An area a little less than four repetitions long gets four copies of the three stops.
    const QBrush brush = Striped(QGradient::RepeatSpread, QTransform::fromScale(25, 25));
    const QBrush bounded = Qarn::BoundedGradient(brush, QRectF(0, 0, 100, 1));
    EXPECT_EQ(bounded.gradient()->stops().size(), 3 * 4);
}

}  // namespace
