#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/pen.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

Color BrushColour(CQarnBasicBrushProperty& brush, int mode, int brightness) {
    std::unique_ptr<Brush> made(brush.CreateBrush(RectF(0, 0, 10, 10), nullptr, mode, brightness));
    EXPECT_EQ(made->GetType(), BrushTypeSolidColor);
    return static_cast<SolidBrush*>(made.get())->GetColor();
}

QImage Canvas() {
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(kWhite);
    return image;
}

}  // namespace

TEST(BrushPaintTest, ColourModesReplaceOrInvertTheColour) {
    CQarnBasicBrushProperty brush;
    brush.SetColor1(Color(0x80102030u));
    EXPECT_EQ(BrushColour(brush, 0, 100).GetValue(), 0x80102030u);
    EXPECT_EQ(BrushColour(brush, 1, 100).GetValue(), 0xFF808080u);
    EXPECT_EQ(BrushColour(brush, 2, 100).GetValue(), 0xFFFF0000u);
    EXPECT_EQ(BrushColour(brush, 3, 100).GetValue(), 0x80000000u);
    EXPECT_EQ(BrushColour(brush, 4, 100).GetValue(), 0x80EFDFCFu);  // alpha kept
    EXPECT_EQ(BrushColour(brush, 9, 100).GetValue(), 0x80102030u);
}

TEST(BrushPaintTest, BrightnessDarkensWithinZeroToAHundred) {
    CQarnBasicBrushProperty brush;
    brush.SetColor1(Color(0xC0C86432u));  // 200, 100, 50
    EXPECT_EQ(BrushColour(brush, 0, 50).GetValue(), 0xC0643219u);
    EXPECT_EQ(BrushColour(brush, 0, 80).GetValue(), 0xC0A05028u);
    EXPECT_EQ(BrushColour(brush, 0, 150).GetValue(), 0xC0C86432u);  // as 100
    EXPECT_EQ(BrushColour(brush, 0, -5).GetValue(), 0xC0000000u);   // black, alpha kept
    EXPECT_EQ(BrushColour(brush, 4, 50).GetValue(), 0xC01B4D66u);   // inverted, then darkened
}

TEST(BrushPaintTest, FillPathPaintsThePathWithTheMadeBrush) {
    CQarnBasicBrushProperty brush;
    brush.SetColor1(Color(0xFF00FF00u));
    QImage image = Canvas();
    {
        Graphics g(&image);
        GraphicsPath path;
        path.AddEllipse(RectF(10, 10, 80, 80));
        RectF r(10, 10, 80, 80);
        brush.FillPath(&g, &path, &r, 100, 0);
        brush.FillPath(&g, &path, nullptr, 100, 2);  // no rectangle is needed for a colour
        brush.FillPath(nullptr, &path, &r, 100, 0);
    }
    EXPECT_EQ(image.pixel(50, 50), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(12, 12), kWhite);
}

TEST(PenStrokeTest, PensCarryTheWidthDashesJoinsAndCaps) {
    CQarnPenProperty property;
    property.SetLineWidth(3);
    property.SetDashStyle(DashStyleDashDot);
    property.SetDashCap(DashCapRound);
    property.SetLineCap(LineCapRound);
    property.SetLineJoin(LineJoinRound);
    property.SetMeterLimit(6);
    property.SetPenAlignment(PenAlignmentInset);
    property.SetColor1(Color(0xFF123456u));

    std::unique_ptr<Pen> coloured(property.CreatePen(Color(0xFF00FF00u)));
    EXPECT_EQ(coloured->GetColor().GetValue(), 0xFF00FF00u);
    EXPECT_FLOAT_EQ(coloured->GetWidth(), 3);
    EXPECT_EQ(coloured->GetDashStyle(), DashStyleDashDot);
    EXPECT_EQ(coloured->GetDashCap(), DashCapRound);
    EXPECT_EQ(coloured->GetStartCap(), LineCapFlat);  // this form leaves the caps flat
    EXPECT_EQ(coloured->GetAlignment(), PenAlignmentInset);
    EXPECT_EQ(coloured->GetLineJoin(), LineJoinRound);
    EXPECT_FLOAT_EQ(coloured->GetMiterLimit(), 6);

    property.SetDashCap(DashCapFlat);
    std::unique_ptr<Pen> base(property.CreatePen(RectF(), 2, 40));
    EXPECT_EQ(base->GetColor().GetValue(), 0xFF123456u);  // colour 1 as it is
    EXPECT_EQ(base->GetStartCap(), LineCapRound);
    EXPECT_EQ(base->GetEndCap(), LineCapRound);
    EXPECT_EQ(base->GetDashCap(), DashCapRound);  // the line cap, not the dash cap
    EXPECT_EQ(base->GetUnit(), UnitWorld);
    std::unique_ptr<Brush> paint(property.CreateBrush(nullptr, 1, 100));
    EXPECT_EQ(static_cast<SolidBrush*>(paint.get())->GetColor().GetValue(), 0xFF808080u);
}

TEST(PenStrokeTest, LineStylesAddWhiteAndColouredInnerLines) {
    CQarnPenProperty property;
    property.SetLineWidth(6);
    property.SetLineJoin(LineJoinMiter);
    property.SetColor1(Color(0xFF0000FFu));
    Pen base(Color(0xFF0000FFu), 6);
    const struct {
        unsigned long style;
        std::vector<float> widths;
    } cases[] = {
        {0, {6}}, {1, {6, 2}}, {2, {6, 3}}, {3, {6, 4, 1}}, {4, {6, 4, 2}},
    };
    for (const auto& c : cases) {
        property.SetQarnLineStyle(c.style);
        auto pens = property.CreateLineStylePens(base);
        ASSERT_EQ(pens.size(), c.widths.size()) << c.style;
        for (size_t i = 0; i < pens.size(); ++i) {
            EXPECT_NEAR(pens[i]->GetWidth(), c.widths[i], 1e-5) << c.style << " pen " << i;
            EXPECT_EQ(pens[i]->GetLineJoin(), LineJoinMiter);
        }
        if (pens.size() > 1) {
            EXPECT_EQ(pens[1]->GetColor().GetValue(), 0xFFFFFFFFu);
        }
        if (pens.size() > 2) {
            EXPECT_EQ(pens[2]->GetColor().GetValue(), 0xFF0000FFu);
        }
    }
}

TEST(PenStrokeTest, DrawingACompoundLineKeepsItsWhiteStripe) {
    CQarnPenProperty property;
    property.SetLineWidth(30);
    property.SetQarnLineStyle(3);  // white of width 20, coloured core of width 5
    property.SetColor1(Color(0xFF0000FFu));
    QImage image = Canvas();
    {
        Graphics g(&image);
        GraphicsPath line;
        line.AddLine(0, 50, 100, 50);
        RectF bounds(0, 50, 100, 0);
        property.DrawPath(&g, &line, bounds, nullptr, 100, 0, nullptr);
    }
    EXPECT_EQ(image.pixel(50, 37), 0xFF0000FFu);  // the outer band
    EXPECT_EQ(image.pixel(50, 43), kWhite);       // the white stripe stays white
    EXPECT_EQ(image.pixel(50, 50), 0xFF0000FFu);  // the core
    EXPECT_EQ(image.pixel(50, 30), kWhite);
}

TEST(PenStrokeTest, ThePaintGivenReplacesTheStrokeColourAndBrightnessApplies) {
    CQarnPenProperty property;
    property.SetLineWidth(10);
    property.SetColor1(Color(0xFF0000FFu));
    CQarnBasicBrushProperty paint;
    paint.SetColor1(Color(0xFFC86432u));
    QImage image = Canvas();
    {
        Graphics g(&image);
        GraphicsPath top, bottom;
        top.AddLine(0, 20, 100, 20);
        bottom.AddLine(0, 80, 100, 80);
        RectF bounds(0, 0, 100, 100);
        property.DrawPath(&g, &top, bounds, nullptr, 100, 0, &paint);
        property.DrawPath(&g, &bottom, bounds, nullptr, 50, 0, nullptr);
    }
    EXPECT_EQ(image.pixel(50, 20), 0xFFC86432u);
    EXPECT_EQ(image.pixel(50, 80), 0xFF00007Fu);
}
