// The bound on the cost of painting one area: Qt keeps the areas it paints quickly, the rest
// is painted through spans found row by row, which must look like what Qt paints.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSet>
#include <cmath>

#include "platform/area_painter.h"
#include "platform/area_spans.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/hatch_brush.h"
#include "platform/path_gradient_brush.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"
#include "support/cpu_clock.h"

namespace {

// The star polygon {n/step} about (centre, centre): n points, each `step` points on from the
// last. {65535/32767.5}, approximated by a step of 0.4999 turns, crosses nearly every edge
// with every other: the worst case of Qt's rasterizers.
QPainterPath Star(int n, double turnsPerStep, double centre, double radius) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * std::fmod(i * turnsPerStep, 1.0) - M_PI / 2;
        points << QPointF(centre + radius * std::cos(a), centre + radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath Tangle(int n) {
    return Star(n, 0.4999, 400, 350);
}

QImage White(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// Pixels with a channel that differs by more than `tolerance`.
int Differing(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) > tolerance ||
                             std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                             std::abs(qBlue(p) - qBlue(q)) > tolerance
                         ? 1
                         : 0;
        }
    }
    return count;
}

// The area filled by Qt, or through its spans.
void Paint(QImage* image, const QPainterPath& area, const QBrush& brush, bool bySpans,
           const QTransform& transform = QTransform()) {
    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    if (!bySpans) {
        painter.fillPath(area, brush);
        return;
    }
    AreaPainter(&painter, area).PaintBySpans([&](QPainter* p, const QPainterPath& cover) {
        p->fillPath(cover, brush);
    });
}

}  // namespace

TEST(AreaSpansTest, SpansFollowTheFillRuleWithinTheLimit) {
    // Two squares drawn the same way round, overlapping in the middle.
    QPainterPath path;
    path.addRect(QRectF(10, 10, 20, 20));
    path.addRect(QRectF(20, 10, 20, 20));
    std::vector<AreaSpans::Span> spans;
    path.setFillRule(Qt::OddEvenFill);
    AreaSpans oddEven(path, QTransform(), QRect(0, 0, 100, 100));
    EXPECT_EQ(oddEven.Bounds(), QRect(10, 10, 30, 20));
    oddEven.RowSpans(15.5, &spans);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_DOUBLE_EQ(spans[0].right, 20.0);
    EXPECT_DOUBLE_EQ(spans[1].left, 30.0);
    path.setFillRule(Qt::WindingFill);
    AreaSpans winding(path, QTransform::fromScale(2, 1), QRect(0, 0, 50, 100));
    winding.RowSpans(15.5, &spans);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_DOUBLE_EQ(spans[0].left, 20.0);
    EXPECT_DOUBLE_EQ(spans[0].right, 50.0);  // cut at the limit
    winding.RowSpans(40.5, &spans);
    EXPECT_TRUE(spans.empty());
}

TEST(AreaPainterTest, QtKeepsOrdinaryAreasButNotTanglesOrTallJaggedOnes) {
    QImage tall = White(2000, 16000);
    QPainter painter(&tall);
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(10, 10, 1980, 15980));
    EXPECT_TRUE(AreaPainter(&painter, ellipse).QtCanDraw());
    QPainterPath boxes;
    for (int i = 0; i < 500; ++i) {
        boxes.addRect(QRectF(i % 25 * 80, i / 25 * 80, 60, 60));
    }
    EXPECT_TRUE(AreaPainter(&painter, boxes).QtCanDraw());
    // A dozen edges down the whole page cost Qt seconds, as do a thousand crossing edges.
    QPolygonF zigzag;
    for (int i = 0; i < 6; ++i) {
        zigzag << QPointF(i * 300 + 5, 2) << QPointF(i * 300 + 200, 15998);
    }
    QPainterPath jagged;
    jagged.addPolygon(zigzag);
    EXPECT_FALSE(AreaPainter(&painter, jagged).QtCanDraw());
    EXPECT_FALSE(AreaPainter(&painter, Tangle(1000)).QtCanDraw());
    AreaPainter worst(&painter, Tangle(65535));
    EXPECT_GT(worst.SampleSpacing(), 1.0 / AreaPainter::kSamplesPerRow);
    painter.end();

    // Writing vectors costs what the path's length costs: a PDF takes even a tangle as it is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter onPdf(&pdf);
    EXPECT_TRUE(AreaPainter(&onPdf, Tangle(65535)).QtCanDraw());
}

TEST(AreaPainterTest, SpansPaintWhatQtPaints) {
    // A seven-point star (self-crossing) under both rules, a turned ellipse, translucent.
    QPainterPath star = Star(7, 3.0 / 7.0, 100, 90);
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(30, 60, 140, 70));
    const QTransform turn = QTransform().translate(100, 100).rotate(30).translate(-100, -100);
    const QBrush blue(QColor(0, 0, 255, 200));
    for (const Qt::FillRule rule : {Qt::OddEvenFill, Qt::WindingFill}) {
        star.setFillRule(rule);
        for (const auto& [area, transform] :
             {std::pair{star, QTransform()}, std::pair{ellipse, turn}}) {
            QImage byQt = White(200, 200);
            QImage bySpans = White(200, 200);
            Paint(&byQt, area, blue, false, transform);
            Paint(&bySpans, area, blue, true, transform);
            // Inside and outside agree; along the edges the four samples of a row come close
            // to Qt's exact coverage, off by more than a sixth only at the sharpest tips.
            EXPECT_EQ(Differing(byQt, bySpans, 128), 0);
            EXPECT_LE(Differing(byQt, bySpans, 40), 6);
            EXPECT_LT(Differing(byQt, bySpans, 2), 400);
            EXPECT_NE(bySpans.pixel(100, 100), 0xFFFFFFFFu);
        }
    }
    // A device-aligned hatch laid in band by band stays aligned to the device, and on an image
    // of device pixel ratio 2 the area lands on the same device pixels.
    HatchBrush hatch(HatchStyleCross, Color(0xFF000000u), Color(0xFFFFFF00u));
    QPainterPath box;
    box.addRect(QRectF(13, 17, 120, 110));
    for (const qreal ratio : {1.0, 2.0}) {
        QImage byQt = White(200, 200);
        QImage bySpans = White(200, 200);
        byQt.setDevicePixelRatio(ratio);
        bySpans.setDevicePixelRatio(ratio);
        Paint(&byQt, box, hatch.ToQBrush(), false);
        Paint(&bySpans, box, hatch.ToQBrush(), true);
        EXPECT_EQ(Differing(byQt, bySpans, 0), 0) << ratio;
    }
}

TEST(AreaPainterTest, GraphicsBoundsFillsWideAndInsetStrokesAndPathGradients) {
    GraphicsPath tangle(Tangle(20000));
    tangle.SetFillMode(FillModeWinding);
    QImage image = White(800, 800);
    CpuClock clock;
    {
        Graphics graphics(&image);
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        SolidBrush fill(Color(0xFF00FF00u));
        EXPECT_EQ(graphics.FillPath(&fill, &tangle), Ok);
        Pen wide(Color(0xFF0000FFu), 4.0f);
        EXPECT_EQ(graphics.DrawPath(&wide, &tangle), Ok);
        // An inset pen stays inside its figure even when painted by spans.
        Pen inset(Color(0xFFFF0000u), 30.0f);
        inset.SetAlignment(PenAlignmentInset);
        GraphicsPath frame;
        frame.AddRectangle(RectF(600, 600, 150, 150));
        frame.AddPath(&tangle, FALSE);
        EXPECT_EQ(graphics.DrawPath(&inset, &frame), Ok);
    }
    EXPECT_LT(clock.elapsed(), 5000);
    // A centred pen would reach 15 units beyond the frame.
    EXPECT_EQ(image.pixel(760, 760), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(740, 740), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);

    // A path gradient over 65,535 crossing points is painted in a few bounded rings; over an
    // ordinary boundary it keeps a ring for every level between its colours.
    const Color black(0xFF000000u);
    int one = 1;
    for (const auto& boundary : {Tangle(65535), Star(4, 0.25, 400, 200)}) {
        GraphicsPath path(boundary);
        PathGradientBrush gradient(&path);
        gradient.SetCenterPoint(PointF(400, 400));
        gradient.SetCenterColor(Color(0xFFFFFFFFu));
        gradient.SetSurroundColors(&black, &one);
        image = White(800, 800);
        clock.restart();
        {
            Graphics graphics(&image);
            EXPECT_EQ(graphics.FillPath(&gradient, &path), Ok);
        }
        EXPECT_LT(clock.elapsed(), 5000);
        QSet<QRgb> levels;
        for (int x = 200; x < 400; ++x) {
            levels.insert(image.pixel(x, 400));
        }
        EXPECT_GT(levels.size(), boundary.elementCount() > 1000 ? 1 : 100);
    }
}
