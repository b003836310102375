#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "core/configuration.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/hatch_brush.h"
#include "platform/linear_gradient_brush.h"
#include "platform/path_gradient_brush.h"
#include "platform/solid_brush.h"
#include "platform/texture_brush.h"
#include "properties/brush_property.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// Restores the look and gamma settings a test changes.
class BrushKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        compatibility_ = Qarn::GetSVGCompatibility();
        gamma_ = Qarn::GetGamma();
        Qarn::SetGamma(0);
    }
    void TearDown() override {
        Qarn::SetSVGCompatibility(compatibility_);
        Qarn::SetGamma(gamma_);
    }

    static void Make(CQarnBrushProperty& brush, BYTE type, WORD subType, Color c1, Color c2) {
        brush.SetBrushType(type);
        brush.SetHatchStyle(subType);
        brush.SetColor1(c1);
        brush.SetColor2(c2);
    }

    int compatibility_ = 0;
    int gamma_ = 0;
};

QImage Canvas() {
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(kWhite);
    return image;
}

}  // namespace

TEST_F(BrushKindsTest, HatchesTakeBothColoursAfterInversionAndBrightness) {
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::Hatch, HatchStyleDiagonalCross, Color(0xFF102030u),
         Color(0x80C86432u));
    std::unique_ptr<Brush> made(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, 4, 50));
    ASSERT_EQ(made->GetType(), BrushTypeHatchFill);
    auto* hatch = static_cast<HatchBrush*>(made.get());
    EXPECT_EQ(hatch->GetHatchStyle(), HatchStyleDiagonalCross);
    EXPECT_EQ(hatch->GetForegroundColor().GetValue(), 0xFF776F67u);  // inverted, then halved
    EXPECT_EQ(hatch->GetBackgroundColor().GetValue(), 0x801B4D66u);
    // The plain colour modes paint colour 1's replacement, not the pattern.
    std::unique_ptr<Brush> grey(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, 1, 100));
    ASSERT_EQ(grey->GetType(), BrushTypeSolidColor);
    EXPECT_EQ(static_cast<SolidBrush*>(grey.get())->GetColor().GetValue(), 0xFF808080u);
    // A stored style the platform does not have paints nothing.
    brush.SetHatchStyle(200);
    EXPECT_EQ(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, 0, 100), nullptr);
}

TEST_F(BrushKindsTest, AHatchFillShowsItsPatternAtTheRightPixels) {
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::Hatch, HatchStyleLargeCheckerBoard, Color(0xFF000000u),
         Color(0xFFFFFFFFu));
    QImage image = Canvas();
    {
        Graphics g(&image);
        GraphicsPath path;
        path.AddRectangle(RectF(10, 10, 80, 80));
        RectF r(10, 10, 80, 80);
        brush.FillPath(&g, &path, &r, 100, 0);
    }
    EXPECT_EQ(image.pixel(16, 16), 0xFF000000u);  // columns 0-3 of rows 0-3 are set
    EXPECT_EQ(image.pixel(20, 16), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(20, 20), 0xFF000000u);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
}

TEST_F(BrushKindsTest, ALinearGradientIsOneUnitLargerAndRunsInItsMode) {
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::LinearGradient, LinearGradientModeVertical, Color(0xFFFF0000u),
         Color(0xFF0000FFu));
    // A rectangle drawn backwards is normalised first.
    std::unique_ptr<Brush> made(brush.CreateBrush(RectF(90, 90, -80, -80), nullptr, 0, 100));
    ASSERT_EQ(made->GetType(), BrushTypeLinearGradient);
    auto* linear = static_cast<LinearGradientBrush*>(made.get());
    EXPECT_TRUE(linear->GetRectangle().Equals(RectF(9, 9, 82, 82)));
    EXPECT_EQ(linear->GetMode(), LinearGradientModeVertical);
    EXPECT_FALSE(linear->GetGammaCorrection());
    Qarn::SetGamma(1);
    made.reset(brush.CreateBrush(RectF(10, 10, 80, 80), nullptr, 0, 100));
    EXPECT_TRUE(static_cast<LinearGradientBrush*>(made.get())->GetGammaCorrection());
    Qarn::SetGamma(0);

    QImage image = Canvas();
    {
        Graphics g(&image);
        GraphicsPath path;
        path.AddRectangle(RectF(10, 10, 80, 80));
        RectF r(10, 10, 80, 80);
        brush.FillPath(&g, &path, &r, 100, 0);
    }
    EXPECT_GT(qRed(image.pixel(50, 10)), 245);
    EXPECT_GT(qBlue(image.pixel(50, 89)), 245);
    EXPECT_NEAR(qRed(image.pixel(50, 50)), 128, 6);
    EXPECT_EQ(image.pixel(50, 95), kWhite);
    brush.SetLinearGradientMode(7);
    EXPECT_EQ(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, 0, 100), nullptr);
}

TEST_F(BrushKindsTest, APathGradientKeepsItsStoredColoursAndSwapsThemToTheCentre) {
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::PathGradient, 0, Color(0xFFFF0000u), Color(0xFF0000FFu));
    std::unique_ptr<Brush> made(brush.CreateBrush(RectF(0, 0, 100, 50), nullptr, 4, 10));
    ASSERT_EQ(made->GetType(), BrushTypePathGradient);
    auto* radial = static_cast<PathGradientBrush*>(made.get());
    EXPECT_EQ(radial->GetCenterColor().GetValue(), 0xFFFF0000u);
    EXPECT_EQ(radial->GetSurroundColor().GetValue(), 0xFF0000FFu);
    PointF centre;
    radial->GetCenterPoint(&centre);
    EXPECT_FLOAT_EQ(centre.X, 50);
    EXPECT_FLOAT_EQ(centre.Y, 25);
    RectF over;
    radial->GetRectangle(&over);
    EXPECT_NEAR(over.Width, 100, 0.01);  // the ellipse of the rectangle

    brush.SetToCenter(true);
    made.reset(brush.CreateBrush(RectF(0, 0, 100, 50), nullptr, 0, 100));
    radial = static_cast<PathGradientBrush*>(made.get());
    EXPECT_EQ(radial->GetCenterColor().GetValue(), 0xFF0000FFu);
    EXPECT_EQ(brush.GetOuterColor().GetValue(), 0xFFFF0000u);
}

TEST_F(BrushKindsTest, APathGradientFollowsThePathUnlessTheCompatibleLookIsOn) {
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::PathGradient, 0, Color(0xFFFF0000u), Color(0xFF0000FFu));
    GraphicsPath square;
    square.AddRectangle(RectF(0, 0, 100, 100));
    RectF r(0, 0, 100, 100);
    for (int look : {1000, 1100}) {
        Qarn::SetSVGCompatibility(look);
        QImage image = Canvas();
        {
            Graphics g(&image);
            brush.FillPath(&g, &square, &r, 100, 0);
        }
        EXPECT_LE(qBlue(image.pixel(50, 50)), 5) << look;  // the centre has colour 1
        const QRgb corner = image.pixel(12, 12);           // outside the inscribed ellipse
        if (look == 1100) {
            EXPECT_EQ(corner, 0xFF0000FFu);  // the outer colour fills around the ellipse
        } else {
            EXPECT_NEAR(qBlue(corner), 194, 8);  // three quarters out along the diagonal
        }
    }
}

TEST_F(BrushKindsTest, TheCompatibleLookKeepsTheCallersClip) {
    Qarn::SetSVGCompatibility(1100);
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::PathGradient, 0, Color(0xFFFF0000u), Color(0xFF0000FFu));
    GraphicsPath square;
    square.AddRectangle(RectF(0, 0, 100, 100));
    RectF r(0, 0, 100, 100);
    QImage image = Canvas();
    {
        Graphics g(&image);
        g.SetClip(RectF(0, 0, 50, 100));
        brush.FillPath(&g, &square, &r, 100, 0);
    }
    EXPECT_EQ(image.pixel(12, 12), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(88, 88), kWhite);
    EXPECT_EQ(image.pixel(75, 50), kWhite);
}

TEST_F(BrushKindsTest, ATexturePlacesStretchesOrCentresThePicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quad.png"));
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.setPixel(0, 0, 0xFFFF0000u);
    picture.setPixel(1, 0, 0xFF00FF00u);
    picture.setPixel(0, 1, 0xFF0000FFu);
    picture.setPixel(1, 1, 0xFF000000u);
    ASSERT_TRUE(picture.save(path));
    CQarnBrushProperty brush;
    Make(brush, CQarnBrushProperty::Texture, 0, Color(0xFFFFFFFFu), Color(0xFF000000u));
    brush.SetImageName(path);

    GraphicsPath area;
    area.AddRectangle(RectF(20, 20, 40, 40));
    RectF r(20, 20, 40, 40);
    QImage stretched = Canvas();
    {
        Graphics g(&stretched);
        brush.FillPath(&g, &area, &r, 100, 0);
    }
    EXPECT_EQ(stretched.pixel(25, 25), 0xFFFF0000u);  // each picture pixel is 20 units
    EXPECT_EQ(stretched.pixel(55, 25), 0xFF00FF00u);
    EXPECT_EQ(stretched.pixel(55, 55), 0xFF000000u);

    brush.SetStretch(false);
    brush.SetWrapMode(WrapModeClamp);
    QImage centred = Canvas();
    {
        Graphics g(&centred);
        brush.FillPath(&g, &area, &r, 100, 0);
    }
    EXPECT_EQ(centred.pixel(39, 39), 0xFFFF0000u);
    EXPECT_EQ(centred.pixel(40, 40), 0xFF000000u);
    EXPECT_EQ(centred.pixel(41, 41), kWhite);
    EXPECT_EQ(centred.pixel(25, 25), kWhite);

    // Colour 1's alpha fades the picture.
    brush.SetAlpha(128);
    std::unique_ptr<Brush> faded(brush.CreateBrush(r, nullptr, 0, 100));
    ASSERT_EQ(faded->GetType(), BrushTypeTextureFill);
    EXPECT_EQ(qAlpha(static_cast<TextureBrush*>(faded.get())->GetImage().pixel(0, 0)), 128);
}

TEST_F(BrushKindsTest, APictureThatCannotBeLoadedPaintsNothing) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n not really a picture");
    }
    // A FIFO or a device under a picture's name is never opened (opening the FIFO would wait
    // for a writer for ever).
    const QString fifo = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& name : {broken, dir.filePath(QStringLiteral("missing.png")), QString(),
                                fifo, QStringLiteral("/dev/zero")}) {
        CQarnBrushProperty brush;
        Make(brush, CQarnBrushProperty::Texture, 0, Color(0xFFFF0000u), Color(0xFF000000u));
        brush.SetImageName(name);
        EXPECT_EQ(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, 0, 100), nullptr);
        QImage image = Canvas();
        {
            Graphics g(&image);
            GraphicsPath area;
            area.AddRectangle(RectF(0, 0, 100, 100));
            RectF r(0, 0, 100, 100);
            brush.FillPath(&g, &area, &r, 100, 0);
            // Drawing goes on afterwards.
            SolidBrush green(Color(0xFF00FF00u));
            EXPECT_EQ(g.FillRectangle(&green, RectF(0, 0, 10, 10)), Ok);
        }
        EXPECT_EQ(image.pixel(50, 50), kWhite);
        EXPECT_EQ(image.pixel(5, 5), 0xFF00FF00u);
    }
}
