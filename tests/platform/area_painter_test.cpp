// The bound on the cost of painting one area: Qt keeps the areas it paints quickly, the rest
// is painted through spans found row by row, which must look like what Qt paints.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <cmath>

#include "platform/area_painter.h"
#include "platform/area_spans.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/hatch_brush.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"
#include "support/cpu_clock.h"

namespace {

// A closed polygon whose n points jump almost half a turn each time: every edge crosses
// nearly every other, the worst case of Qt's rasterizers.
QPainterPath Tangle(int n, double centre, double radius) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * (double(i) * 0.4999);
        points << QPointF(centre + radius * std::cos(a), centre + radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// The star polygon {n/step}: a closed figure of n points, each `step` points on from the last.
QPainterPath Star(int n, int step, double centre, double radius) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * double(i * step % n) / n - M_PI / 2;
        points << QPointF(centre + radius * std::cos(a), centre + radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QImage White(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// Pixels whose channels differ by more than `tolerance`.
int Differing(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance) {
                ++count;
            }
        }
    }
    return count;
}

void PaintBySpans(QImage* image, const QPainterPath& area, const QBrush& brush,
                  const QTransform& transform = QTransform()) {
    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    AreaPainter(&painter, area).PaintBySpans([&](QPainter* p, const QPainterPath& cover) {
        p->fillPath(cover, brush);
    });
}

void PaintByQt(QImage* image, const QPainterPath& area, const QBrush& brush,
               const QTransform& transform = QTransform()) {
    QPainter painter(image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(transform);
    painter.fillPath(area, brush);
}

}  // namespace

TEST(AreaSpansTest, SpansFollowTheFillRule) {
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
    EXPECT_DOUBLE_EQ(spans[0].left, 10.0);
    EXPECT_DOUBLE_EQ(spans[0].right, 20.0);
    EXPECT_DOUBLE_EQ(spans[1].left, 30.0);
    EXPECT_DOUBLE_EQ(spans[1].right, 40.0);
    path.setFillRule(Qt::WindingFill);
    AreaSpans winding(path, QTransform::fromScale(2, 1), QRect(0, 0, 50, 100));
    winding.RowSpans(15.5, &spans);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_DOUBLE_EQ(spans[0].left, 20.0);
    EXPECT_DOUBLE_EQ(spans[0].right, 50.0);  // cut at the limit
    winding.RowSpans(40.5, &spans);
    EXPECT_TRUE(spans.empty());

    std::vector<AreaSpans::Span> both;
    AreaSpans::Intersect({{0, 10}, {20, 30}}, {{5, 25}}, &both);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_DOUBLE_EQ(both[0].left, 5.0);
    EXPECT_DOUBLE_EQ(both[1].right, 25.0);
}

TEST(AreaPainterTest, OrdinaryAreasAreLeftToQt) {
    QImage image = White(2000, 16000);
    QPainter painter(&image);
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(10, 10, 1980, 15980));
    EXPECT_TRUE(AreaPainter(&painter, ellipse).QtCanDraw());
    QPainterPath many;
    for (int i = 0; i < 500; ++i) {
        many.addRect(QRectF(i % 25 * 80, i / 25 * 80, 60, 60));
    }
    EXPECT_TRUE(AreaPainter(&painter, many).QtCanDraw());
    painter.end();

    // Writing vectors costs what the path's length costs: a PDF takes even a tangle as it is.
    QByteArray pdfBytes;
    QBuffer buffer(&pdfBytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter onPdf(&pdf);
    EXPECT_TRUE(AreaPainter(&onPdf, Tangle(65535, 400, 350)).QtCanDraw());
}

TEST(AreaPainterTest, TanglesAndTallJaggedAreasArePaintedBySpans) {
    QImage image = White(800, 800);
    QPainter painter(&image);
    EXPECT_FALSE(AreaPainter(&painter, Tangle(1000, 400, 350)).QtCanDraw());
    painter.end();
    // A few edges down a very tall page cost Qt seconds too.
    QImage tall = White(200, 16000);
    QPainter onTall(&tall);
    QPolygonF zigzag;
    for (int i = 0; i < 6; ++i) {
        zigzag << QPointF(i * 30 + 5, 2) << QPointF(i * 30 + 20, 15998);
    }
    QPainterPath jagged;
    jagged.addPolygon(zigzag);
    EXPECT_FALSE(AreaPainter(&onTall, jagged).QtCanDraw());
}

TEST(AreaPainterTest, SpansPaintWhatQtPaintsWithAntiAliasedEdges) {
    // A star of seven points (self-crossing) under both rules, a turned ellipse, translucent.
    QPainterPath star = Star(7, 3, 100, 90);
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
            PaintByQt(&byQt, area, blue, transform);
            PaintBySpans(&bySpans, area, blue, transform);
            // Inside and outside agree; along the edges the four samples of a row come close
            // to Qt's exact coverage, off by more than a sixth only at the sharpest tips.
            EXPECT_EQ(Differing(byQt, bySpans, 128), 0);
            EXPECT_LE(Differing(byQt, bySpans, 40), 6);
            EXPECT_LT(Differing(byQt, bySpans, 2), 400);
            EXPECT_NE(bySpans.pixel(100, 100), 0xFFFFFFFFu);
        }
    }
}

TEST(AreaPainterTest, PatternsKeepTheirPlaceAndScaledImagesTheirPixels) {
    // A device-aligned hatch painted by bands stays aligned to the device.
    QImage byQt = White(160, 160);
    QImage bySpans = White(160, 160);
    HatchBrush hatch(HatchStyleCross, Color(0xFF000000u), Color(0xFFFFFF00u));
    QPainterPath box;
    box.addRect(QRectF(13, 17, 120, 110));
    PaintByQt(&byQt, box, hatch.ToQBrush());
    PaintBySpans(&bySpans, box, hatch.ToQBrush());
    EXPECT_EQ(Differing(byQt, bySpans, 0), 0);

    // On an image of device pixel ratio 2 the area lands on the same device pixels.
    QImage sharpQt = White(200, 200);
    QImage sharpSpans = White(200, 200);
    sharpQt.setDevicePixelRatio(2);
    sharpSpans.setDevicePixelRatio(2);
    QPainterPath square;
    square.addRect(QRectF(10, 20, 30, 40));
    PaintByQt(&sharpQt, square, QBrush(Qt::red));
    PaintBySpans(&sharpSpans, square, QBrush(Qt::red));
    EXPECT_EQ(Differing(sharpQt, sharpSpans, 0), 0);
    EXPECT_EQ(sharpSpans.pixel(30, 50), 0xFFFF0000u);
}

TEST(AreaPainterTest, A65535PointTangleIsPaintedWithinTheBound) {
    QImage image = White(800, 800);
    CpuClock clock;
    {
        QPainter painter(&image);
        AreaPainter bounded(&painter, Tangle(65535, 400, 350));
        EXPECT_FALSE(bounded.QtCanDraw());
        // Sorting every row's crossings four times over would exceed the budget.
        EXPECT_GT(bounded.SampleSpacing(), 1.0 / AreaPainter::kSamplesPerRow);
        bounded.PaintBySpans(
            [](QPainter* p, const QPainterPath& cover) { p->fillPath(cover, Qt::blue); });
    }
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);  // outside the circle of points
    int blue = 0;
    for (int x = 200; x < 600; ++x) {
        blue += image.pixel(x, 400) != 0xFFFFFFFFu ? 1 : 0;
    }
    EXPECT_GT(blue, 100);
}

TEST(AreaPainterTest, GraphicsBoundsFillsAndWideAndInsetStrokes) {
    GraphicsPath tangle(Tangle(20000, 400, 350));
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
        // An inset pen stays inside the figure even when painted by spans.
        GraphicsPath square(Tangle(20000, 400, 350));
        Pen inset(Color(0xFFFF0000u), 30.0f);
        inset.SetAlignment(PenAlignmentInset);
        GraphicsPath frame;
        frame.AddRectangle(RectF(600, 600, 150, 150));
        frame.AddPath(&square, FALSE);
        EXPECT_EQ(graphics.DrawPath(&inset, &frame), Ok);
    }
    EXPECT_LT(clock.elapsed(), 5000);
    // Outside the frame of the last figure nothing red shows (a centred pen would reach 15
    // units beyond it).
    EXPECT_EQ(image.pixel(760, 760), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(740, 740), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);
}
