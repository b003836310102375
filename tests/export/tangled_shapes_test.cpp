// Polygons and outline bands of 65,535 self-crossing points: each draws and exports within a
// few seconds, and what it draws still covers its area.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

#include "core/canvas.h"
#include "core/doc.h"
#include "export/page_renderer.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "support/cpu_clock.h"
#include "support/svg_witness.h"

namespace {

constexpr int kPoints = 65535;

// Points that jump almost half a turn round a circle each time: every edge crosses nearly
// every other.
std::vector<PointF> Tangle(int n) {
    std::vector<PointF> points;
    points.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * (double(i) * 0.4999);
        points.emplace_back(float(400 + 350 * std::cos(a)), float(400 + 350 * std::sin(a)));
    }
    return points;
}

template <class Poly>
Poly* AddTangle(CQarnDoc& doc) {
    auto* poly = new Poly(RectF(0, 0, 800, 800));
    poly->SetPointArray(Tangle(kPoints));
    poly->SetPointCount(kPoints);
    poly->RecalcBounds(0);
    poly->SetClosed(true);
    poly->SetFill(true);
    poly->SetDrawLine(false);
    poly->SetFillColor(Color(0xFF0000FFu));
    doc.AddTail(poly);
    return poly;
}

class TangledShapesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnDoc doc;

    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        doc.GetCurrentCanvas()->SetSize(800, 800);
    }
    // The page at 96 dpi, timed.
    QImage Render(qint64* milliseconds) {
        CpuClock clock;
        QImage image = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 96);
        *milliseconds = clock.elapsed();
        return image;
    }
    static int Painted(const QImage& image, QRgb colour) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, image.height() / 2) == colour ? 1 : 0;
        }
        return count;
    }
};

}  // namespace

TEST_F(TangledShapesTest, AFilledPolygonOf65535CrossingPointsDrawsUnderEitherRule) {
    CQarnPoly* polygon = AddTangle<CQarnPoly>(doc);
    for (const bool winding : {false, true}) {
        polygon->SetFillWinding(winding);
        polygon->ResetPath();
        qint64 ms = 0;
        const QImage image = Render(&ms);
        EXPECT_LT(ms, 5000) << winding;
        EXPECT_EQ(image.pixel(2, 400), 0xFFFFFFFFu);  // outside the circle of points
        EXPECT_GT(Painted(image, 0xFF0000FFu), 50) << winding;
    }
    // With its line drawn too, 65,535 strokes across the page.
    polygon->SetDrawLine(true);
    qint64 ms = 0;
    Render(&ms);
    EXPECT_LT(ms, 5000);
}

TEST_F(TangledShapesTest, AnOutlineBandOf65535CrossingPointsDrawsAndExports) {
    CpuClock clock;
    CQarnPolyOutline* band = AddTangle<CQarnPolyOutline>(doc);
    band->ResetPath();
    EXPECT_LT(clock.elapsed(), 3000);
    qint64 ms = 0;
    const QImage image = Render(&ms);
    EXPECT_LT(ms, 5000);
    EXPECT_GT(Painted(image, 0xFF0000FFu), 100);

    clock.restart();
    const QString svg = dir.filePath(QStringLiteral("band.svg"));
    QString error;
    ASSERT_TRUE(doc.ExportToSVG(svg, nullptr, 0, &error)) << error.toStdString();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_GT(QFile(svg).size(), 1 << 20);
}
