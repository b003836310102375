// What an instance of a symbol looks like and where it is hit.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "core/geometry_fixtures.h"
#include "platform/graphics.h"
#include "platform/region.h"
#include "properties/shadow_property.h"
#include "shapes/symbol_fixtures.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// Both drawn smoothly, as the preview always is.
QImage Smooth(CQarnComponent& c, int w, int h) {
    QImage image = WhiteCanvas(w, h);
    const int quality = Qarn::GetSmoothingMode();
    Qarn::SetSmoothingMode(SmoothingModeAntiAlias);
    {
        Graphics g(&image);
        c.Draw(&g, CRect(0, 0, w, h), nullptr, nullptr, 0);
    }
    Qarn::SetSmoothingMode(quality);
    return image;
}

QImage Preview(CQarnAutoShapeTempl& t, const RectF& r, int w, int h) {
    QImage image = WhiteCanvas(w, h);
    Graphics g(&image);
    t.Draw(&g, r);
    return image;
}

// The number of pixels whose colours differ by more than a rounding step.
int Differences(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                std::abs(qBlue(p) - qBlue(q)) > 2) {
                ++count;
            }
        }
    }
    return count;
}

class AutoShapeDrawingTest : public ::testing::Test {
protected:
    CQarnDoc doc;
    InstalledTemplates installed{BoxAndDisc(7)};
    void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }
};

}  // namespace

TEST_F(AutoShapeDrawingTest, AnInstanceLooksLikeTheTemplatesPreviewAtTheSameSize) {
    const RectF frame(20, 30, 300, 150);
    CQarnAutoShape* shape = PlaceInstance(doc, frame, 7);
    const QImage drawn = Smooth(*shape, 340, 200);
    const QImage preview = Preview(*installed.list[0], frame, 340, 200);
    EXPECT_EQ(drawn.pixel(80, 105), kBoxFill);
    EXPECT_EQ(drawn.pixel(245, 105), kDiscFill);
    EXPECT_EQ(Differences(drawn, preview), 0);

    // Mirrored by its frame, the instance shows the template mirrored.
    shape->MoveTo(RectF(320, 30, -300, 150), 0);
    const QImage mirrored = Smooth(*shape, 340, 200);
    EXPECT_EQ(mirrored.pixel(95, 105), kDiscFill);
    EXPECT_EQ(mirrored.pixel(260, 105), kBoxFill);
}

TEST_F(AutoShapeDrawingTest, ComponentsWithoutPropertiesOfTheirOwnArePaintedLikeTheInstance) {
    installed.list[0]->GetComponents()[1]->SetUseItsOwn(false);
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 200, 100), 7);
    shape->SetFillColor(Color(0xFF8000FFu));
    const QImage image = Render(*shape);
    EXPECT_EQ(image.pixel(50, 50), kBoxFill);
    EXPECT_EQ(image.pixel(150, 50), 0xFF8000FFu);
    // Without a fill of the instance nothing is filled.
    shape->SetFill(false);
    EXPECT_EQ(Render(*shape).pixel(150, 50), kWhite);
}

TEST_F(AutoShapeDrawingTest, AnInstanceIsHitWhereItsElementsAreNotInTheGapsBetweenThem) {
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 200, 100), 7);
    EXPECT_TRUE(shape->HitTest(PointF(50, 50), 1.0f));    // the box
    EXPECT_TRUE(shape->HitTest(PointF(150, 50), 1.0f));   // the disc
    EXPECT_FALSE(shape->HitTest(PointF(100, 50), 1.0f));  // between them
    EXPECT_FALSE(shape->HitTest(PointF(113, 13), 1.0f));  // outside the disc's curve
    EXPECT_TRUE(shape->HitTestPath(CPoint(50, 50), nullptr));
    EXPECT_FALSE(shape->HitTestPath(CPoint(100, 50), nullptr));
    // Turned a quarter about its centre (100, 50): the box stands above it.
    shape->RotateAt(90, shape->GetCenterPointF(), 1);
    EXPECT_TRUE(shape->HitTest(PointF(100, 0), 1.0f));
    EXPECT_FALSE(shape->HitTest(PointF(50, 50), 1.0f));
}

TEST_F(AutoShapeDrawingTest, EachFilledElementCastsTheInstancesShadow) {
    CQarnAutoShape* shape = PlaceInstance(doc, RectF(0, 0, 200, 100), 7);
    auto* shadow = new CQarnShadowProperty();
    shadow->SetStyle(0);
    shadow->SetXOffset(15);
    shadow->SetYOffset(0);
    shadow->SetColor1(Color(0xFF404040u));
    shape->AddProperty(shadow);
    shape->SetDrawShadow(true);
    const QImage image = Render(*shape, 0, nullptr, 260, 130);
    // The box's shadow shows right of the box, the disc's right of the disc; where no
    // element casts one the page stays white.
    EXPECT_EQ(image.pixel(100, 60), 0xFF404040u);
    EXPECT_EQ(image.pixel(205, 55), 0xFF404040u);
    EXPECT_EQ(image.pixel(120, 88), kWhite);
    EXPECT_EQ(image.pixel(50, 50), kBoxFill);
}
