#include <gtest/gtest.h>

#include <QImage>

#include "core/geometry_fixtures.h"
#include "properties/label_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

namespace {

int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++dark;
            }
        }
    }
    return dark;
}

// A component that only shows its words: no fill, no outline.
std::unique_ptr<TestBox> WordsOnly(const RectF& frame) {
    auto c = std::make_unique<TestBox>(frame);
    c->SetFill(false);
    c->SetDrawLine(false);
    return c;
}

}  // namespace

TEST(TextDrawingTest, TextIsDrawnInsideItsFrameAndTurnsWithIt) {
    auto c = WordsOnly(RectF(20, 80, 160, 40));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("WWWWWW"));
    text->SetFontSize(18);
    c->AddProperty(text);
    QImage flat = Render(*c);
    EXPECT_GT(DarkPixels(flat, QRect(20, 80, 160, 40)), 100);
    EXPECT_EQ(DarkPixels(flat, QRect(0, 0, 200, 70)), 0);

    c->SetRotateAngle(90);
    c->UpdateRotateCenter();
    c->ResetPath();
    QImage turned = Render(*c);
    // Turned a quarter about the centre, the words stand in the vertical band.
    EXPECT_GT(DarkPixels(turned, QRect(80, 20, 40, 160)), 100);
    EXPECT_EQ(DarkPixels(turned, QRect(0, 80, 60, 40)), 0);
}

TEST(TextDrawingTest, EmptyTextAndHiddenTextDrawNothing) {
    auto c = WordsOnly(RectF(20, 80, 160, 40));
    auto* text = new CQarnTextProperty();
    text->SetText(QString());
    c->AddProperty(text);
    EXPECT_EQ(DarkPixels(Render(*c), QRect(0, 0, 200, 200)), 0);
    text->SetText(QStringLiteral("Hidden"));
    c->SetDrawText(false);
    EXPECT_EQ(DarkPixels(Render(*c), QRect(0, 0, 200, 200)), 0);
}

TEST(TextDrawingTest, ALabelShowsBesideItsShapeUnlessHidden) {
    TestBox c(RectF(10, 10, 40, 40));
    auto* label = new CQarnLabelProperty(RectF(100, 120, 90, 30));
    label->SetText(QStringLiteral("Label text"));
    c.AddProperty(label);
    QImage shown = Render(c);
    EXPECT_GT(DarkPixels(shown, QRect(100, 120, 90, 30)), 20);
    c.SetStyle(c.GetStyle() | kStyleHideLabel);
    EXPECT_EQ(DarkPixels(Render(c), QRect(100, 120, 90, 30)), 0);
}

TEST(TextDrawingTest, AShadowIsDrawnOffsetBehindTheShape) {
    TestBox c(RectF(40, 40, 60, 60));
    c.SetFillColor(Color(0xFFFFFFFFu));
    c.SetLineColor(Color(0xFFFFFFFFu));
    auto* shadow = new CQarnShadowProperty();
    shadow->SetColor1(Color(0xFF000000u));
    shadow->SetXOffset(20);
    shadow->SetYOffset(20);  // style 0: 25 right and down
    c.AddProperty(shadow);
    QImage image = Render(c);
    EXPECT_EQ(qGray(image.pixel(120, 120)), 0);  // shadow only
    EXPECT_EQ(qGray(image.pixel(50, 50)), 255);  // the white shape covers its own shadow
    c.SetDrawShadow(false);
    EXPECT_EQ(qGray(Render(c).pixel(120, 120)), 255);
}
