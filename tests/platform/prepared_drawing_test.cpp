// Paths and strokes made ready beforehand must draw the very pixels of drawing them afresh,
// and the cost bound that lets a painter skip measuring an area must never be below the
// measured cost.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <functional>

#include "platform/area_cost_bound.h"
#include "platform/area_painter.h"
#include "platform/area_spans.h"
#include "platform/custom_line_cap.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/linear_gradient_brush.h"
#include "platform/pen.h"
#include "platform/prepared_path.h"
#include "platform/prepared_stroke.h"
#include "platform/solid_brush.h"

namespace {

QImage Draw(const std::function<void(Graphics&)>& draw, double scale = 1.0) {
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    {
        Graphics graphics(&painter);
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        draw(graphics);
    }
    painter.end();
    return image;
}

GraphicsPath Zigzag() {
    const PointF points[] = {{10, 10}, {40, 60}, {70, 15}, {100, 80}, {140, 20}};
    GraphicsPath path;
    path.AddLines(points, 5);
    return path;
}

GraphicsPath Blob() {
    GraphicsPath path;
    path.AddEllipse(20, 15, 110, 70);
    path.AddBezier(PointF(10, 100), PointF(60, 10), PointF(100, 150), PointF(150, 90));
    return path;
}

GraphicsPath Arrow() {
    GraphicsPath head;
    const PointF points[] = {{-1, 0}, {0, 2}, {1, 0}};
    head.AddPolygon(points, 3);
    return head;
}

// Pens of the kinds the stroke takes different roads for.
std::vector<Pen> Pens() {
    std::vector<Pen> pens;
    pens.emplace_back(Color(0xFF203080u), 0.8f);  // thin: Qt's line drawing
    pens.emplace_back(Color(0xFF802030u), 3.0f);  // wide and solid: its outline filled
    Pen dashed(Color(0xC0008000u), 2.5f);
    dashed.SetDashStyle(DashStyleDashDot);
    pens.push_back(dashed);
    Pen inset(Color(0xFF000000u), 6.0f);
    inset.SetAlignment(PenAlignmentInset);
    inset.SetLineJoin(LineJoinRound);
    pens.push_back(inset);
    Pen capped(Color(0xFF0000FFu), 2.0f);
    const GraphicsPath head = Arrow();
    const CustomLineCap cap(&head, nullptr, LineCapFlat, 1.0f);
    capped.SetCustomEndCap(&cap);
    capped.SetCustomStartCap(&cap);
    pens.push_back(capped);
    return pens;
}

TEST(PreparedDrawing, PreparedStrokesDrawThePixelsOfStrokingAfresh) {
    for (const GraphicsPath& path : {Zigzag(), Blob()}) {
        for (const Pen& pen : Pens()) {
            for (const double scale : {1.0, 0.5, 2.0}) {
                const PreparedStroke stroke(path, pen, float(scale));
                const QImage afresh = Draw([&](Graphics& g) { g.DrawPath(&pen, &path); }, scale);
                const QImage prepared = Draw([&](Graphics& g) { g.DrawPath(&pen, stroke); }, scale);
                ASSERT_NE(afresh, Draw([](Graphics&) {}, scale));
                EXPECT_EQ(prepared, afresh) << "pen " << pen.GetWidth() << " dash "
                                            << pen.GetDashStyle() << " at " << scale;
                // Made for any scale, it serves every scale the same.
                const PreparedStroke anyScale(path, pen, 0.0f);
                EXPECT_TRUE(anyScale.Covers(float(scale)));
                EXPECT_EQ(Draw([&](Graphics& g) { g.DrawPath(&pen, anyScale); }, scale), afresh);
            }
        }
    }
}

TEST(PreparedDrawing, AStrokeMadeForAnotherGeometryIsDrawnFromItsOwnPath) {
    const GraphicsPath path = Zigzag();
    Pen narrow(Color(0xFF000000u), 2.0f);
    const PreparedStroke stroke(path, narrow, 1.0f);
    Pen wide(Color(0xFFFF0000u), 7.0f);
    EXPECT_FALSE(stroke.StrokesWith(wide));
    EXPECT_FALSE(stroke.IsFor(Blob(), narrow));
    EXPECT_TRUE(stroke.IsFor(path, narrow));
    EXPECT_EQ(Draw([&](Graphics& g) { g.DrawPath(&wide, stroke); }),
              Draw([&](Graphics& g) { g.DrawPath(&wide, &path); }));
    // Only the paint differs: the outline serves.
    Pen recoloured(Color(0xFF00FF00u), 2.0f);
    EXPECT_TRUE(stroke.IsFor(path, recoloured));
    EXPECT_EQ(Draw([&](Graphics& g) { g.DrawPath(&recoloured, stroke); }),
              Draw([&](Graphics& g) { g.DrawPath(&recoloured, &path); }));
}

TEST(PreparedDrawing, WideStrokesFillTheOutlineQtWouldStroke) {
    // Filling the outline is what Qt's painter does for a wide pen; the pixels must match
    // Qt's own stroke, dashes along straight lines included.
    // Figures of one straight segment, which Qt draws with a line rasteriser of its own, and
    // dashes along curves, which it lays out its own way, are left to Qt.
    GraphicsPath single;
    single.AddLine(PointF(140, 10), PointF(140, 110));
    GraphicsPath pair;
    pair.AddLine(PointF(10, 10), PointF(100, 10));
    pair.StartFigure();
    pair.AddLine(PointF(10, 50), PointF(100, 115));
    for (const double scale : {0.96, 1.0, 1.5}) {
        for (const GraphicsPath& path : {Blob(), Zigzag(), single, pair}) {
            for (const DashStyle dash : {DashStyleSolid, DashStyleDash}) {
                Pen pen(Color(0xFF336699u), 3.0f);
                pen.SetDashStyle(dash);
                const QImage ours = Draw([&](Graphics& g) { g.DrawPath(&pen, &path); }, scale);
                QImage qt(ours.size(), ours.format());
                qt.fill(Qt::white);
                QPainter painter(&qt);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.scale(scale, scale);
                painter.strokePath(path.ToQPainterPath(), pen.ToQPen());
                painter.end();
                EXPECT_EQ(ours, qt)
                    << "dash " << dash << " points " << path.GetPointCount() << " at " << scale;
                const PreparedStroke prepared(path, pen, float(scale));
                EXPECT_EQ(Draw([&](Graphics& g) { g.DrawPath(&pen, prepared); }, scale), qt);
            }
        }
    }
}

TEST(PreparedDrawing, PreparedFillsDrawThePixelsOfFillingAfresh) {
    const GraphicsPath path = Blob();
    const PreparedPath prepared(path);
    EXPECT_TRUE(prepared.IsFor(path));
    EXPECT_FALSE(prepared.IsFor(Zigzag()));
    EXPECT_FALSE(PreparedPath(path.ToQPainterPath(), true).IsFor(path));
    const SolidBrush solid(Color(0x80FF8000u));
    const LinearGradientBrush gradient(RectF(0, 0, 40, 40), Color(0xFFFF0000u), Color(0xFF0000FFu),
                                       LinearGradientModeForwardDiagonal);
    for (const Brush* brush :
         {static_cast<const Brush*>(&solid), static_cast<const Brush*>(&gradient)}) {
        EXPECT_EQ(Draw([&](Graphics& g) { g.FillPath(brush, prepared); }),
                  Draw([&](Graphics& g) { g.FillPath(brush, &path); }));
    }
}

TEST(PreparedDrawing, SamenessLooksAtEveryPointAndEveryStrokingSetting) {
    GraphicsPath a = Zigzag();
    GraphicsPath b = Zigzag();
    EXPECT_TRUE(a.SameAs(b));
    b.SetFillMode(FillModeWinding);
    EXPECT_FALSE(a.SameAs(b));
    GraphicsPath c = Zigzag();
    c.CloseFigure();
    EXPECT_FALSE(a.SameAs(c));
    GraphicsPath d;
    const PointF moved[] = {{10, 10}, {40, 60}, {70, 15}, {100, 80}, {140, 20.001f}};
    d.AddLines(moved, 5);
    EXPECT_FALSE(a.SameAs(d));

    const Pen base(Color(0xFF000000u), 2.0f);
    Pen other(Color(0xFFFFFFFFu), 2.0f);
    EXPECT_TRUE(base.StrokesLike(other));
    other.SetLineJoin(LineJoinBevel);
    EXPECT_FALSE(base.StrokesLike(other));
    Pen dashed(base);
    dashed.SetDashStyle(DashStyleDot);
    EXPECT_FALSE(base.StrokesLike(dashed));
    const GraphicsPath head = Arrow();
    const CustomLineCap small(&head, nullptr);
    CustomLineCap large(&head, nullptr);
    large.SetWidthScale(2.0f);
    Pen withSmall(base);
    withSmall.SetCustomEndCap(&small);
    Pen withSmallToo(base);
    withSmallToo.SetCustomEndCap(&small);
    Pen withLarge(base);
    withLarge.SetCustomEndCap(&large);
    EXPECT_FALSE(base.StrokesLike(withSmall));
    EXPECT_TRUE(withSmall.StrokesLike(withSmallToo));
    EXPECT_FALSE(withSmall.StrokesLike(withLarge));
}

// Random figures of lines and curves, some long and tangled.
QPainterPath RandomPath(QRandomGenerator& random) {
    QPainterPath path;
    const int figures = 1 + random.bounded(3);
    const auto point = [&] {
        return QPointF(random.bounded(400.0) - 100.0, random.bounded(400.0) - 100.0);
    };
    for (int f = 0; f < figures; ++f) {
        path.moveTo(point());
        const int segments = 1 + random.bounded(40);
        for (int s = 0; s < segments; ++s) {
            if (random.bounded(3) == 0) {
                path.cubicTo(point(), point(), point());
            } else {
                path.lineTo(point());
            }
        }
        if (random.bounded(2) == 0) {
            path.closeSubpath();
        }
    }
    return path;
}

TEST(PreparedDrawing, TheCostBoundIsNeverBelowTheMeasuredCost) {
    QRandomGenerator random(1234);
    const QRect device(0, 0, 1200, 1200);
    for (int i = 0; i < 300; ++i) {
        const QPainterPath path = RandomPath(random);
        QTransform toDevice;
        toDevice.translate(random.bounded(200.0) - 100.0, random.bounded(200.0) - 100.0);
        toDevice.rotate(random.bounded(360.0));
        toDevice.scale(0.1 + random.bounded(8.0), 0.1 + random.bounded(8.0));
        const double measured = AreaSpans(path, toDevice, device).QtCost();
        const double bound = AreaCostBound(path).QtCostAtMost(toDevice);
        ASSERT_GE(bound, measured) << "path " << i;
    }
    // A perspective transform gives no bound; neither does an empty bound's caller ask.
    QTransform perspective;
    perspective.setMatrix(1, 0, 0.001, 0, 1, 0, 0, 0, 1);
    EXPECT_TRUE(std::isinf(AreaCostBound(RandomPath(random)).QtCostAtMost(perspective)));
}

TEST(PreparedDrawing, TheBoundLetsOrdinaryShapesThroughAndKeepsTanglesMeasured) {
    // A page-sized ellipse at 300 dpi is plainly within the budget...
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(0, 0, 850, 1100));
    EXPECT_LT(AreaCostBound(ellipse).QtCostAtMost(QTransform::fromScale(3, 3)),
              AreaPainter::kQtBudget);
    // ...a tangle of 20,000 self-crossing points is not, so it is measured and bounded.
    QPolygonF star;
    for (int i = 0; i < 20000; ++i) {
        const double a = 2.0 * M_PI * std::fmod(i * 0.4999, 1.0);
        star << QPointF(400 + 350 * std::cos(a), 400 + 350 * std::sin(a));
    }
    QPainterPath tangle;
    tangle.addPolygon(star);
    EXPECT_GT(AreaCostBound(tangle).QtCostAtMost(QTransform()), AreaPainter::kQtBudget);
}

}  // namespace
