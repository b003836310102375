#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <bit>
#include <cstdlib>
#include <set>

#include "platform/color_matrix.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/hatch_brush.h"
#include "platform/image_attributes.h"
#include "platform/linear_gradient_brush.h"
#include "platform/path_gradient_brush.h"
#include "platform/pen.h"
#include "platform/texture_brush.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage Canvas(int w = 100, int h = 100) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(kWhite);
    return image;
}

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

int Bits(int style) {
    int count = 0;
    for (unsigned char row : HatchBrush::Pattern(style)) {
        count += std::popcount(unsigned(row));
    }
    return count;
}

}  // namespace

TEST(HatchBrushTest, EveryStyleHasItsOwnPatternAndThePercentagesGrow) {
    std::set<std::array<unsigned char, 8>> patterns;
    for (int style = HatchStyleMin; style <= HatchStyleMax; ++style) {
        patterns.insert(HatchBrush::Pattern(style));
    }
    EXPECT_EQ(patterns.size(), size_t(HatchStyleTotal));
    EXPECT_EQ(Bits(HatchStyle50Percent), 32);
    EXPECT_EQ(Bits(HatchStyleHorizontal), 8);
    EXPECT_EQ(Bits(HatchStyleCross), 15);
    int previous = 0;
    for (int style = HatchStyle05Percent; style <= HatchStyle90Percent; ++style) {
        EXPECT_GT(Bits(style), previous) << style;
        previous = Bits(style);
    }
    // Unknown styles read as horizontal and a brush made with one says so.
    EXPECT_EQ(HatchBrush::Pattern(99), HatchBrush::Pattern(HatchStyleHorizontal));
    HatchBrush bad(HatchStyle(60), Color(Color::Black));
    EXPECT_EQ(bad.GetLastStatus(), InvalidParameter);
}

TEST(HatchBrushTest, AFillShowsThePatternInDevicePixelsFromTheRenderingOrigin) {
    const Color fore(0xFF0000FFu);
    const Color back(0xFFFFFF00u);
    for (int style :
         {HatchStyleCross, HatchStyleForwardDiagonal, HatchStyleWeave, HatchStyleSolidDiamond}) {
        QImage image = Canvas();
        {
            Graphics g(&image);
            g.SetRenderingOrigin(3, 2);
            // A world scale must not stretch the pattern.
            g.ScaleTransform(2, 2);
            HatchBrush brush(HatchStyle(style), fore, back);
            g.FillRectangle(&brush, RectF(0, 0, 40, 40));
        }
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const bool on = HatchBrush::IsForeground(style, x - 3, y - 2);
                ASSERT_EQ(image.pixel(x, y), on ? fore.GetValue() : back.GetValue())
                    << "style " << style << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(image.pixel(90, 90), kWhite);  // only the rectangle is painted
    }
}

TEST(LinearGradientBrushTest, EachModeRunsFromColourOneToColourTwo) {
    const Color red(0xFFFF0000u);
    const Color blue(0xFF0000FFu);
    const QRgb mid = qRgb(128, 0, 127);
    struct Probe {
        int x, y;
        QRgb expected;
    };
    const struct {
        LinearGradientMode mode;
        std::vector<Probe> probes;
    } cases[] = {
        {LinearGradientModeHorizontal,
         {{0, 50, red.GetValue()}, {99, 50, blue.GetValue()}, {50, 10, mid}, {50, 90, mid}}},
        {LinearGradientModeVertical,
         {{50, 0, red.GetValue()}, {50, 99, blue.GetValue()}, {10, 50, mid}, {90, 50, mid}}},
        {LinearGradientModeForwardDiagonal,
         {{0, 0, red.GetValue()}, {99, 99, blue.GetValue()}, {99, 0, mid}, {0, 99, mid}}},
        {LinearGradientModeBackwardDiagonal,
         {{99, 0, red.GetValue()}, {0, 99, blue.GetValue()}, {0, 0, mid}, {99, 99, mid}}},
    };
    for (const auto& c : cases) {
        QImage image = Canvas();
        {
            Graphics g(&image);
            LinearGradientBrush brush(RectF(0, 0, 100, 100), red, blue, c.mode);
            brush.SetWrapMode(WrapModeClamp);
            g.FillRectangle(&brush, RectF(0, 0, 100, 100));
        }
        for (const Probe& p : c.probes) {
            EXPECT_LE(Distance(image.pixel(p.x, p.y), p.expected), 6)
                << "mode " << c.mode << " at " << p.x << "," << p.y << ": " << std::hex
                << image.pixel(p.x, p.y);
        }
    }
}

TEST(LinearGradientBrushTest, GammaBlendsInLinearLightAndTilesBeyondTheRectangle) {
    QImage image = Canvas(200, 10);
    {
        Graphics g(&image);
        LinearGradientBrush brush(RectF(0, 0, 100, 10), Color(Color::Black), Color(Color::White),
                                  LinearGradientModeHorizontal);
        brush.SetGammaCorrection(TRUE);
        g.FillRectangle(&brush, RectF(0, 0, 100, 10));
        brush.SetGammaCorrection(FALSE);
        g.FillRectangle(&brush, RectF(100, 0, 100, 10));
    }
    // Half way in linear light is about 186 in the stored values; plain blending gives 128.
    EXPECT_NEAR(qRed(image.pixel(50, 5)), 186, 4);
    EXPECT_NEAR(qRed(image.pixel(150, 5)), 128, 4);  // tiled: the second period starts black
    EXPECT_LT(qRed(image.pixel(101, 5)), 8);
}

TEST(PathGradientBrushTest, TheEllipseRunsFromTheCentreColourToTheSurroundColour) {
    GraphicsPath ellipse;
    ellipse.AddEllipse(RectF(0, 0, 100, 100));
    PathGradientBrush brush(&ellipse);
    PointF centre;
    brush.GetCenterPoint(&centre);
    EXPECT_FLOAT_EQ(centre.X, 50);
    EXPECT_FLOAT_EQ(centre.Y, 50);
    brush.SetCenterColor(Color(0xFFFF0000u));
    Color surround[2] = {Color(0xFF0000FFu), Color(0xFF00FF00u)};
    int count = 2;
    brush.SetSurroundColors(surround, &count);
    EXPECT_EQ(count, 1);  // one surround colour is kept
    QImage image = Canvas();
    {
        Graphics g(&image);
        g.FillRectangle(&brush, RectF(0, 0, 100, 100));
    }
    EXPECT_LE(Distance(image.pixel(50, 50), 0xFFFF0000u), 5);
    EXPECT_LE(Distance(image.pixel(50, 25), qRgb(128, 0, 127)), 6);  // half way out
    EXPECT_LE(Distance(image.pixel(50, 1), 0xFF0000FFu), 12);
    EXPECT_EQ(image.pixel(3, 3), kWhite);  // outside the ellipse nothing is painted
}

TEST(PathGradientBrushTest, AGeneralPathScalesItsBoundaryTowardsAMovedCentre) {
    const PointF square[] = {{0, 0}, {80, 0}, {80, 80}, {0, 80}};
    PathGradientBrush brush(square, 4);
    brush.SetCenterPoint(PointF(20, 40));
    brush.SetCenterColor(Color(Color::Black));
    Color white(Color::White);
    int count = 1;
    brush.SetSurroundColors(&white, &count);
    QImage image = Canvas();
    image.fill(0xFF00FF00u);
    {
        Graphics g(&image);
        GraphicsPath area;
        area.AddRectangle(RectF(0, 0, 100, 100));
        g.FillPath(&brush, &area);
    }
    EXPECT_LE(qRed(image.pixel(20, 40)), 5);
    // Half way from the centre to the left edge and to the right edge.
    EXPECT_NEAR(qRed(image.pixel(10, 40)), 128, 10);
    EXPECT_NEAR(qRed(image.pixel(50, 40)), 128, 6);
    EXPECT_EQ(image.pixel(90, 90), 0xFF00FF00u);  // beyond the path's boundary
}

TEST(PathGradientBrushTest, APenPaintedWithAPathGradientStrokesWithIt) {
    GraphicsPath ellipse;
    ellipse.AddEllipse(RectF(0, 0, 100, 100));
    PathGradientBrush brush(&ellipse);
    brush.SetCenterColor(Color(0xFFFF0000u));
    Color blue(0xFF0000FFu);
    int count = 1;
    brush.SetSurroundColors(&blue, &count);
    QImage image = Canvas();
    {
        Graphics g(&image);
        Pen pen(&brush, 10);
        g.DrawLine(&pen, 0, 50, 100, 50);
    }
    EXPECT_LE(Distance(image.pixel(50, 50), 0xFFFF0000u), 5);
    EXPECT_LE(Distance(image.pixel(25, 50), qRgb(128, 0, 127)), 6);
    EXPECT_EQ(image.pixel(50, 60), kWhite);
}

namespace {

// Four distinct pixels: red, green / blue, black.
QImage Quad() {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xFFFF0000u);
    image.setPixel(1, 0, 0xFF00FF00u);
    image.setPixel(0, 1, 0xFF0000FFu);
    image.setPixel(1, 1, 0xFF000000u);
    return image;
}

QImage FillWithTexture(const TextureBrush& brush, const RectF& area) {
    QImage image = Canvas(20, 20);
    {
        Graphics g(&image);
        g.FillRectangle(&brush, area);
    }
    return image;
}

}  // namespace

TEST(TextureBrushTest, WrapModesTileMirrorOrPaintOnce) {
    const QImage quad = Quad();
    TextureBrush tile(&quad, WrapModeTile);
    QImage tiled = FillWithTexture(tile, RectF(0, 0, 8, 8));
    EXPECT_EQ(tiled.pixel(2, 0), 0xFFFF0000u);
    EXPECT_EQ(tiled.pixel(3, 3), 0xFF000000u);

    TextureBrush flipX(&quad, WrapModeTileFlipX);
    QImage mirrored = FillWithTexture(flipX, RectF(0, 0, 8, 8));
    EXPECT_EQ(mirrored.pixel(2, 0), 0xFF00FF00u);  // the mirror image starts with its right
    EXPECT_EQ(mirrored.pixel(2, 2), 0xFF00FF00u);  // no flip down
    TextureBrush flipXY(&quad, WrapModeTileFlipXY);
    QImage both = FillWithTexture(flipXY, RectF(0, 0, 8, 8));
    EXPECT_EQ(both.pixel(2, 2), 0xFF000000u);
    EXPECT_EQ(both.pixel(0, 2), 0xFF0000FFu);

    TextureBrush clamp(&quad, WrapModeClamp);
    clamp.TranslateTransform(4, 4);
    QImage once = FillWithTexture(clamp, RectF(0, 0, 20, 20));
    EXPECT_EQ(once.pixel(4, 4), 0xFFFF0000u);
    EXPECT_EQ(once.pixel(5, 5), 0xFF000000u);
    EXPECT_EQ(once.pixel(6, 4), kWhite);
    EXPECT_EQ(once.pixel(3, 3), kWhite);
}

TEST(TextureBrushTest, TransformsPlaceAndStretchThePictureAndAColourMatrixFadesIt) {
    const QImage quad = Quad();
    TextureBrush brush(&quad, WrapModeTile);
    brush.TranslateTransform(2, 2);
    brush.ScaleTransform(4, 4);  // prepended: scaled first, then moved
    QImage image = FillWithTexture(brush, RectF(0, 0, 20, 20));
    EXPECT_EQ(image.pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(7, 3), 0xFF00FF00u);
    EXPECT_EQ(image.pixel(7, 7), 0xFF000000u);
    EXPECT_EQ(image.pixel(11, 3), 0xFFFF0000u);

    ImageAttributes attributes;
    ColorMatrix fade = ColorMatrix::Identity();
    fade.m[3][3] = 0.5f;
    ASSERT_EQ(attributes.SetColorMatrix(&fade), Ok);
    TextureBrush faded(&quad, RectF(0, 0, 2, 2), &attributes);
    EXPECT_EQ(qAlpha(faded.GetImage().pixel(0, 0)), 128);
    EXPECT_EQ(qRed(faded.GetImage().pixel(0, 0)), 255);
    // Part of the picture only, kept inside it.
    TextureBrush part(&quad, RectF(1, 0, 5, 1));
    EXPECT_EQ(part.GetImage().size(), QSize(1, 1));
    EXPECT_EQ(part.GetImage().pixel(0, 0), 0xFF00FF00u);
    QImage none;
    TextureBrush empty(&none, WrapModeTile);
    EXPECT_EQ(empty.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(FillWithTexture(empty, RectF(0, 0, 20, 20)).pixel(5, 5), kWhite);
}
