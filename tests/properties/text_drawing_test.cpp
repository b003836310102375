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

TEST(TextDrawingTest, TheTextOfAnUnfilledShadowedShapeCastsAShadowToo) {
    auto c = WordsOnly(RectF(20, 20, 120, 40));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("WWW"));
    text->SetFontSize(20);
    c->AddProperty(text);
    auto* shadow = new CQarnShadowProperty();
    shadow->SetColor1(Color(0xFFFF0000u));
    shadow->SetXOffset(35);
    shadow->SetYOffset(35);  // style 0: 40 right and down
    c->AddProperty(shadow);
    QImage image = Render(*c);
    int black = 0, red = 0, redInFrame = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qGray(p) < 60) {
                ++black;
            } else if (qRed(p) > 200 && qGreen(p) < 60) {
                ++red;
                redInFrame += (y < 60) ? 1 : 0;
            }
        }
    }
    EXPECT_GT(black, 50);
    EXPECT_GT(red, 50);
    EXPECT_EQ(redInFrame, 0);  // the shadow's words lie in the shadow's place
}

TEST(TextDrawingTest, TextInARotatedFrameShowsWhereItsMeasuredBoxesTurnTo) {
    auto c = WordsOnly(RectF(40, 80, 120, 40));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("MMMM"));
    c->AddProperty(text);
    c->SetRotateAngle(90);
    c->UpdateRotateCenter();
    c->ResetPath();
    text->UpdateBounds(c.get());
    ASSERT_EQ(text->GetBoxCount(), 1);
    // The box of the line, turned with the component about its centre (100, 100).
    const RectF box = text->GetTextBoxes()[0];
    PointF corners[2] = {PointF(box.X, box.Y), PointF(box.X + box.Width, box.Y + box.Height)};
    c->TransformPoints(corners, 2);
    const QRect turned =
        QRectF(QPointF(corners[0].X, corners[0].Y), QPointF(corners[1].X, corners[1].Y))
            .normalized()
            .toAlignedRect()
            .adjusted(-2, -2, 2, 2);
    const QImage image = Render(*c);
    const int inside = DarkPixels(image, turned);
    EXPECT_GT(inside, 50);
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, 200, 200)), inside);
}
