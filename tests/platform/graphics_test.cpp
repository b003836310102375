#include <gtest/gtest.h>

#include <QBrush>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "platform/brush.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/pen.h"
#include "platform/region.h"
#include "platform/solid_brush.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;

QImage Canvas(int w = 100, int h = 100) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(kWhite);
    return image;
}

// A device-aligned 8 x 8 pattern with one black pixel at its own origin.
class DotPatternBrush : public Brush {
public:
    DotPatternBrush() : Brush(BrushTypeHatchFill) {}
    Brush* Clone() const override { return new DotPatternBrush(); }
    QBrush ToQBrush() const override {
        QImage tile(8, 8, QImage::Format_ARGB32);
        tile.fill(kWhite);
        tile.setPixel(0, 0, 0xFF000000);
        return QBrush(tile);
    }
    bool IsDeviceAligned() const override { return true; }
};

// Fills the whole canvas red through whatever clip is set.
void FillAll(Graphics& g) {
    SolidBrush red{Color(Color::Red)};
    Matrix current = g.GetTransform();
    g.ResetTransform();
    g.FillRectangle(&red, RectF(-10, -10, 200, 200));
    g.SetTransform(&current);
}

}  // namespace

TEST(GraphicsTest, FillsAndStrokesLandOnTheirPixels) {
    QImage image = Canvas();
    {
        Graphics g(&image);
        SolidBrush red{Color(Color::Red)};
        g.FillRectangle(&red, RectF(10, 10, 20, 20));
        Pen blue(Color(0xFF0000FFu), 4);
        g.DrawLine(&blue, 50, 50, 90, 50);
    }
    EXPECT_EQ(image.pixel(15, 15), kRed);
    EXPECT_EQ(image.pixel(35, 15), kWhite);
    EXPECT_EQ(image.pixel(70, 49), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(70, 55), kWhite);
}

TEST(GraphicsTest, TheWorldTransformAgreesWithTheMatrixMapping) {
    Matrix m;
    m.RotateAt(90, PointF(50, 50));
    m.Translate(5, -3, MatrixOrderAppend);
    QImage image = Canvas();
    {
        Graphics g(&image);
        g.SetTransform(&m);
        SolidBrush red{Color(Color::Red)};
        g.FillRectangle(&red, RectF(70, 20, 4, 4));  // a small square around (72, 22)
        Matrix back;
        g.GetTransform(&back);
        EXPECT_TRUE(back.Equals(m));
    }
    const PointF where = m.Map(PointF(72, 22));
    EXPECT_EQ(image.pixel(int(where.X), int(where.Y)), kRed);
    EXPECT_EQ(image.pixel(72, 22), kWhite);

    // Multiplying prepends by default: the new operation acts first.
    QImage second = Canvas();
    {
        Graphics g(&second);
        g.TranslateTransform(50, 0);
        g.ScaleTransform(2, 2);  // acts before the translation
        SolidBrush red{Color(Color::Red)};
        g.FillRectangle(&red, RectF(5, 5, 2, 2));  // lands at (60..64, 10..14)
    }
    EXPECT_EQ(second.pixel(62, 12), kRed);
    EXPECT_EQ(second.pixel(56, 6), kWhite);
}

TEST(GraphicsTest, ClipCombineModes) {
    // Two overlapping squares: A (10..50) and B (30..70); probe each zone.
    const RectF a(10, 10, 40, 40);
    const RectF b(30, 30, 40, 40);
    const QPoint onlyA(20, 20), both(40, 40), onlyB(60, 60), neither(90, 90);
    struct Case {
        CombineMode mode;
        bool a, both, b, neither;
    };
    const Case cases[] = {
        {CombineModeReplace, false, true, true, false},
        {CombineModeIntersect, false, true, false, false},
        {CombineModeUnion, true, true, true, false},
        {CombineModeXor, true, false, true, false},
        {CombineModeExclude, true, false, false, false},
        {CombineModeComplement, false, false, true, false},
    };
    for (const Case& c : cases) {
        QImage image = Canvas();
        {
            Graphics g(&image);
            g.SetClip(a);
            g.SetClip(b, c.mode);
            FillAll(g);
        }
        SCOPED_TRACE(int(c.mode));
        EXPECT_EQ(image.pixel(onlyA) == kRed, c.a);
        EXPECT_EQ(image.pixel(both) == kRed, c.both);
        EXPECT_EQ(image.pixel(onlyB) == kRed, c.b);
        EXPECT_EQ(image.pixel(neither) == kRed, c.neither);
    }
}

TEST(GraphicsTest, ClipsExcludeFromTheWholeSurfaceAndResetToIt) {
    QImage image = Canvas();
    {
        Graphics g(&image);
        EXPECT_FALSE(g.IsClipEmpty());
        g.ExcludeClip(RectF(0, 0, 50, 100));
        EXPECT_FALSE(g.IsVisible(PointF(10, 10)));
        EXPECT_TRUE(g.IsVisible(PointF(60, 10)));
        FillAll(g);
        g.ResetClip();
        g.IntersectClip(RectF(0, 0, 10, 10));
        g.IntersectClip(RectF(20, 20, 10, 10));
        EXPECT_TRUE(g.IsClipEmpty());
    }
    EXPECT_EQ(image.pixel(10, 10), kWhite);
    EXPECT_EQ(image.pixel(60, 10), kRed);
}

TEST(GraphicsTest, TheClipStaysWhereItWasSetWhenTheTransformChanges) {
    QImage image = Canvas();
    {
        Graphics g(&image);
        g.TranslateTransform(40, 0);
        g.SetClip(RectF(0, 0, 20, 20));  // device 40..60
        g.ResetTransform();
        RectF bounds;
        g.GetClipBounds(&bounds);
        EXPECT_NEAR(bounds.X, 40, 1e-3);
        SolidBrush red{Color(Color::Red)};
        g.FillRectangle(&red, RectF(0, 0, 100, 100));
        GraphicsPath round;
        round.AddEllipse(RectF(70, 70, 20, 20));
        g.SetClip(&round);
        Region region;
        g.GetClip(&region);
        EXPECT_TRUE(region.IsVisible(80, 80));
        EXPECT_FALSE(region.IsVisible(71, 71));
    }
    EXPECT_EQ(image.pixel(50, 10), kRed);
    EXPECT_EQ(image.pixel(10, 10), kWhite);
}

TEST(GraphicsTest, RestoringAStateBringsBackItsTransformClipAndSmoothing) {
    QImage image = Canvas();
    Graphics g(&image);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const GraphicsState outer = g.Save();
    g.TranslateTransform(10, 10);
    g.SetClip(RectF(0, 0, 5, 5));
    g.SetSmoothingMode(SmoothingModeNone);
    const GraphicsContainer inner = g.BeginContainer();
    g.ScaleTransform(3, 3);
    EXPECT_EQ(g.Restore(outer), Ok);  // drops the inner container too
    EXPECT_TRUE(g.GetTransform().IsIdentity());
    EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeAntiAlias);
    EXPECT_TRUE(g.IsVisible(PointF(90, 90)));
    EXPECT_EQ(g.EndContainer(inner), InvalidParameter);
    EXPECT_TRUE(g.GetPainter()->testRenderHint(QPainter::Antialiasing));
}

TEST(GraphicsTest, TheRenderingOriginAlignsDeviceAlignedPatterns) {
    for (QPoint origin : {QPoint(0, 0), QPoint(3, 5)}) {
        QImage image = Canvas(32, 32);
        {
            Graphics g(&image);
            g.SetRenderingOrigin(origin.x(), origin.y());
            // The world transform must not move a device-aligned pattern.
            g.TranslateTransform(2.5f, 1.0f);
            g.RotateTransform(30);
            DotPatternBrush dots;
            GraphicsPath all;
            all.AddRectangle(RectF(-100, -100, 300, 300));
            g.FillPath(&dots, &all);
        }
        SCOPED_TRACE(origin.x());
        EXPECT_EQ(image.pixel(origin), 0xFF000000u);
        EXPECT_EQ(image.pixel(origin + QPoint(8, 16)), 0xFF000000u);
        EXPECT_EQ(image.pixel(origin + QPoint(1, 0)), kWhite);
        EXPECT_EQ(image.pixel(origin + QPoint(4, 4)), kWhite);
    }
}

TEST(GraphicsTest, SmoothingDecidesWhetherEdgesBlend) {
    auto edgePixel = [](SmoothingMode mode) {
        QImage image = Canvas();
        Graphics g(&image);
        g.SetSmoothingMode(mode);
        SolidBrush black{Color(Color::Black)};
        const PointF triangle[3] = {{0, 0}, {100, 0}, {0, 100}};
        g.FillPolygon(&black, triangle, 3);
        int partial = 0;
        for (int x = 0; x < 100; ++x) {
            QRgb p = image.pixel(x, 99 - x);
            partial += (p != kWhite && p != 0xFF000000u) ? 1 : 0;
        }
        return partial;
    };
    EXPECT_EQ(edgePixel(SmoothingModeNone), 0);
    EXPECT_EQ(edgePixel(SmoothingModeHighSpeed), 0);
    EXPECT_GT(edgePixel(SmoothingModeHighQuality), 10);
    QImage image = Canvas();
    Graphics g(&image);
    EXPECT_EQ(g.SetSmoothingMode(SmoothingModeInvalid), InvalidParameter);
}

TEST(GraphicsTest, InsetPensStayInsideClosedFigures) {
    auto paintedOutside = [](PenAlignment alignment) {
        QImage image = Canvas();
        {
            Graphics g(&image);
            Pen pen(Color(Color::Black), 10);
            pen.SetAlignment(alignment);
            g.DrawRectangle(&pen, RectF(20, 20, 60, 60));
        }
        EXPECT_EQ(image.pixel(50, 23), 0xFF000000u);  // just inside the top edge
        return image.pixel(50, 17) != kWhite;         // just outside it
    };
    EXPECT_TRUE(paintedOutside(PenAlignmentCenter));
    EXPECT_FALSE(paintedOutside(PenAlignmentInset));
}

TEST(GraphicsTest, DashedPensDrawTheirPattern) {
    QImage image = Canvas();
    {
        Graphics g(&image);
        Pen pen(Color(Color::Black), 4);
        pen.SetDashStyle(DashStyleDash);  // 3 widths on, 1 off: 12 on, 4 off
        g.DrawLine(&pen, 0, 50, 100, 50);
    }
    EXPECT_EQ(image.pixel(6, 50), 0xFF000000u);
    EXPECT_EQ(image.pixel(14, 50), kWhite);
    EXPECT_EQ(image.pixel(22, 50), 0xFF000000u);
}

TEST(GraphicsTest, ABorrowedPainterKeepsItsMappingAndGetsItsStateBack) {
    QImage image = Canvas();
    QPainter painter(&image);
    painter.translate(50, 50);  // the view's mapping
    {
        CDC dc(&painter);
        Graphics g(&dc);
        EXPECT_TRUE(g.GetTransform().IsIdentity());
        g.ScaleTransform(2, 2);
        g.SetClip(RectF(0, 0, 20, 20));
        g.ResetTransform();  // back to the mapping, not to the device
        SolidBrush red{Color(Color::Red)};
        g.FillRectangle(&red, RectF(0, 0, 10, 10));
    }
    EXPECT_EQ(painter.worldTransform(), QTransform::fromTranslate(50, 50));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(image.pixel(55, 55), kRed);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
}

TEST(GraphicsTest, DrawsOnPdfWriters) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        Graphics g(&writer);
        ASSERT_EQ(g.GetLastStatus(), Ok);
        SolidBrush red{Color(Color::Red)};
        EXPECT_EQ(g.FillRectangle(&red, RectF(100, 100, 500, 500)), Ok);
    }
    EXPECT_TRUE(buffer.data().startsWith("%PDF"));

    Graphics nowhere(static_cast<QPainter*>(nullptr));
    SolidBrush red{Color(Color::Red)};
    EXPECT_EQ(nowhere.FillRectangle(&red, RectF(0, 0, 1, 1)), WrongState);
}

TEST(GraphicsTest, ImagesAndTextAreDrawnIntoTheirRectangles) {
    QImage tile(2, 2, QImage::Format_ARGB32);
    tile.fill(kRed);
    QImage image = Canvas();
    {
        Graphics g(&image);
        g.DrawImage(&tile, RectF(10, 10, 20, 20));
        g.Clear(Color(0xFF00FF00u));
        g.DrawImage(&tile, RectF(40, 40, 20, 20));
        SolidBrush black{Color(Color::Black)};
        QFont font;
        font.setPixelSize(20);
        g.DrawString(QStringLiteral("W"), font, RectF(0, 70, 40, 30), Qt::AlignCenter, &black);
    }
    EXPECT_EQ(image.pixel(15, 15), 0xFF00FF00u);  // cleared
    EXPECT_EQ(image.pixel(50, 50), kRed);
    bool inked = false;
    for (int y = 70; y < 100 && !inked; ++y) {
        for (int x = 0; x < 40 && !inked; ++x) {
            inked = qGray(image.pixel(x, y)) < 100;
        }
    }
    EXPECT_TRUE(inked);
}
