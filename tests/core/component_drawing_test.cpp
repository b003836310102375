#include <gtest/gtest.h>

#include <QPainter>

#include "core/configuration.h"
#include "core/geometry_fixtures.h"
#include "platform/dc.h"
#include "properties/pen_property.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kFill = 0xFFFF0000;
constexpr QRgb kLine = 0xFF0000FF;

}  // namespace

TEST(ComponentDrawingTest, AFilledBoxCoversItsFrameAndIsStroked) {
    auto box = MakeBox(RectF(40, 40, 100, 60), Color(kFill), Color(kLine), 4);
    QImage image = Render(*box);
    EXPECT_EQ(image.pixel(90, 70), kFill);
    EXPECT_EQ(image.pixel(90, 40), kLine);
    EXPECT_EQ(image.pixel(90, 30), kWhite);
    EXPECT_EQ(image.pixel(150, 70), kWhite);
}

TEST(ComponentDrawingTest, ARotatedBoxCoversTheRotatedAreaAndNotTheUnrotatedCorner) {
    auto box = MakeBox(RectF(50, 80, 100, 40), Color(kFill), Color(kLine), 1);  // centre (100, 100)
    box->UpdateRotateCenter();
    box->SetRotateAngle(90);  // now 40 wide and 100 high
    QImage image = Render(*box);
    EXPECT_EQ(image.pixel(100, 100), kFill);
    EXPECT_EQ(image.pixel(100, 60), kFill);  // outside the unrotated frame, inside the turn
    EXPECT_EQ(image.pixel(100, 140), kFill);
    EXPECT_EQ(image.pixel(60, 90), kWhite);  // inside the unrotated frame only
    EXPECT_EQ(image.pixel(140, 110), kWhite);
}

TEST(ComponentDrawingTest, TheAppliedAngleIsRoundedWhenDrawing) {
    auto draw = [](float angle) {
        auto box = MakeBox(RectF(50, 80, 100, 40));
        box->UpdateRotateCenter();
        box->SetRotateAngle(angle);
        return Render(*box);
    };
    EXPECT_EQ(draw(30.4f), draw(30.0f));
    EXPECT_EQ(draw(30.5f), draw(31.0f));
    EXPECT_NE(draw(30.5f), draw(30.0f));
}

TEST(ComponentDrawingTest, AFlippedComponentIsDrawnMirrored) {
    auto wedge = MakeBox(RectF(20, 20, 160, 160));
    wedge->wedge = true;  // a triangle in the left half, its tip at the centre
    wedge->UpdateRotateCenter();
    QImage plain = Render(*wedge);
    EXPECT_EQ(plain.pixel(40, 100), kFill);
    EXPECT_EQ(plain.pixel(160, 100), kWhite);
    wedge->Flip(QARN_STYLE_HORIFLIP, wedge->GetRotateCenter(), 1);
    QImage flipped = Render(*wedge);
    EXPECT_EQ(flipped.pixel(40, 100), kWhite);
    EXPECT_EQ(flipped.pixel(160, 100), kFill);
    EXPECT_EQ(flipped.pixel(100, 40), kWhite);
}

TEST(ComponentDrawingTest, OutlineModeStrokesWithoutFilling) {
    auto box = MakeBox(RectF(40, 40, 100, 60), Color(kFill), Color(kLine), 4);
    box->SetDrawLine(false);
    QImage image = Render(*box, 2);
    EXPECT_EQ(image.pixel(90, 70), kWhite);
    EXPECT_EQ(image.pixel(90, 40), kLine);  // the outline shows even without the line style
    QImage normal = Render(*box);
    EXPECT_EQ(normal.pixel(90, 40), kFill);  // normally only the fill, up to the frame
}

TEST(ComponentDrawingTest, InvisibleOrStylelessComponentsDrawNothing) {
    auto box = MakeBox(RectF(40, 40, 100, 60));
    box->SetInvisible(true);
    EXPECT_EQ(Render(*box), WhiteCanvas());
    box->SetInvisible(false);
    box->SetFill(false);
    box->SetDrawLine(false);
    box->SetDrawText(false);
    EXPECT_EQ(Render(*box), WhiteCanvas());
}

TEST(ComponentDrawingTest, FillingWithThePenUsesTheLineColour) {
    auto box = MakeBox(RectF(40, 40, 100, 60), Color(kFill), Color(kLine), 1);
    box->SetFillWithPen(true);
    EXPECT_EQ(Render(*box).pixel(90, 70), kLine);
}

TEST(ComponentDrawingTest, TheGivenMatrixAndTheDeviceContextFormAgree) {
    auto box = MakeBox(RectF(10, 10, 40, 40));
    Matrix shift(1, 0, 0, 1, 100, 50);
    QImage moved = Render(*box, 0, &shift);
    EXPECT_EQ(moved.pixel(130, 80), kFill);
    EXPECT_EQ(moved.pixel(30, 30), kWhite);

    QImage viaDc = WhiteCanvas();
    {
        QPainter painter(&viaDc);
        painter.translate(100, 50);  // a view's mapping
        CDC dc(&painter);
        const int quality = Qarn::GetSmoothingMode();
        Qarn::SetSmoothingMode(SmoothingModeNone);
        box->Draw(&dc, CRect(), nullptr, nullptr, 0);
        Qarn::SetSmoothingMode(quality);
        EXPECT_EQ(painter.worldTransform(), QTransform::fromTranslate(100, 50));
    }
    EXPECT_EQ(viaDc, moved);
}

TEST(ComponentDrawingTest, TheOriginAndTheConfiguredSmoothingAreSetOnTheGraphics) {
    auto box = MakeBox(RectF(10, 10, 40, 40));
    QImage image = WhiteCanvas();
    Graphics g(&image);
    CPoint origin(13, -21);
    const int quality = Qarn::GetSmoothingMode();
    Qarn::SetSmoothingMode(SmoothingModeHighSpeed);
    box->Draw(&g, CRect(), &origin, nullptr, 0);
    Qarn::SetSmoothingMode(quality);
    int x = 0, y = 0;
    g.GetRenderingOrigin(&x, &y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, -5);
    EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeHighSpeed);
    EXPECT_TRUE(g.GetTransform().IsIdentity());  // the container gave the transform back
}

TEST(ComponentDrawingTest, TheShadowIsDrawnFirstAndOnlyWhenShown) {
    auto box = MakeBox(RectF(40, 40, 60, 60), Color(kFill), Color(kLine), 1);
    box->AddProperty(new TestShadow(20, 20, Color(0xFF00FF00u)));
    QImage image = Render(*box);
    EXPECT_EQ(image.pixel(110, 110), 0xFF00FF00u);  // shadow beyond the body
    EXPECT_EQ(image.pixel(90, 90), kFill);          // the body covers the shadow
    EXPECT_EQ(Render(*box, 2).pixel(110, 110), kWhite);
    box->SetDrawShadow(false);
    EXPECT_EQ(Render(*box).pixel(110, 110), kWhite);
    box->SetDrawShadow(true);
    box->SetRotateAngle(90);  // the shadow turns with the component: offset (20, 20) -> (-20, 20)
    box->UpdateRotateCenter();
    QImage turned = Render(*box);
    EXPECT_EQ(turned.pixel(30, 110), 0xFF00FF00u);
    EXPECT_EQ(turned.pixel(110, 110), kWhite);
}

TEST(ComponentDrawingTest, TextIsDrawnInTheFrameAndOnceMoreAsShadowWhenUnfilled) {
    auto box = MakeBox(RectF(40, 40, 60, 60));
    auto* text = new TestText();
    box->AddProperty(text);
    box->SetRotateAngle(90);
    box->UpdateRotateCenter();
    Render(*box);
    ASSERT_EQ(text->calls.size(), 1u);
    EXPECT_EQ(text->calls[0].rect, RectF(40, 40, 60, 60));
    EXPECT_EQ(text->calls[0].paint, nullptr);
    Matrix expected;
    box->GetTransformMatrix(expected);
    EXPECT_TRUE(text->calls[0].transform.Equals(expected));

    auto* shadow = new TestShadow(5, 5, Color(0x80000000u));
    box->AddProperty(shadow);
    box->SetFill(false);
    text->calls.clear();
    Render(*box);
    ASSERT_EQ(text->calls.size(), 2u);
    EXPECT_EQ(text->calls[0].paint, shadow->GetBrushProperty());
    EXPECT_EQ(text->calls[1].paint, nullptr);
    box->SetDrawText(false);
    text->calls.clear();
    Render(*box);
    EXPECT_TRUE(text->calls.empty());
}

TEST(ComponentDrawingTest, TheLabelIsDrawnLastUntransformedUnlessHidden) {
    auto box = MakeBox(RectF(40, 40, 60, 60));
    auto* label = new TestLabel(RectF(0, 0, 50, 24));
    box->AddProperty(label);
    box->SetRotateAngle(45);
    Matrix shift(1, 0, 0, 1, 7, 9);
    Render(*box, 0, &shift);
    EXPECT_EQ(label->draws, 1);
    EXPECT_TRUE(label->transformAtDraw.Equals(shift));
    Render(*box, 2);
    EXPECT_EQ(label->draws, 1);
    box->SetStyle(box->GetStyle() | kStyleHideLabel);
    Render(*box);
    EXPECT_EQ(label->draws, 1);
}

TEST(ComponentDrawingTest, TrackersMarkTheHandlesByState) {
    auto box = MakeBox(RectF(40, 40, 100, 60));
    box->AddProperty(new TestLabel(RectF(150, 150, 20, 20)));
    auto track = [&](CQarnComponent::TrackerState state) {
        QImage image = WhiteCanvas();
        QPainter painter(&image);
        CDC dc(&painter);
        box->DrawTracker(&dc, state, 1.0f);
        painter.end();
        return image;
    };
    QImage selected = track(CQarnComponent::TrackerSelected);
    EXPECT_EQ(selected.pixel(140, 100), 0xFF00FF00u);       // handle 5, filled green
    EXPECT_EQ(selected.pixel(90, 40), 0xFF00FF00u);         // handle 2
    EXPECT_TRUE(selected.pixel(137, 100) == 0xFF000000u ||  // its black outline
                selected.pixel(136, 100) == 0xFF000000u);
    EXPECT_EQ(selected.pixel(160, 160), 0xFFFFFF00u);  // the label diamond
    EXPECT_EQ(selected.pixel(90, 70), kWhite);
    EXPECT_EQ(track(CQarnComponent::TrackerActive).pixel(140, 100), 0xFF0000FFu);
    EXPECT_EQ(track(CQarnComponent::TrackerNormal), WhiteCanvas());
    box->SetRotateAngle(90);
    box->UpdateRotateCenter();
    // Handle 5 now shows at (60, 120).
    EXPECT_EQ(track(CQarnComponent::TrackerSelected).pixel(60, 120), 0xFF00FF00u);
}

TEST(ComponentDrawingTest, TheOutlineFeedbackUndoesItselfWhenDrawnTwice) {
    auto box = MakeBox(RectF(40, 40, 100, 60));
    QImage image = WhiteCanvas();
    QPainter painter(&image);
    CDC dc(&painter);
    box->DrawOutline(&dc, nullptr);
    painter.end();
    EXPECT_NE(image, WhiteCanvas());
    EXPECT_EQ(image.pixel(90, 70), kWhite);
    painter.begin(&image);
    box->DrawOutline(&dc, nullptr);
    painter.end();
    EXPECT_EQ(image, WhiteCanvas());
}
