#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "core/configuration.h"
#include "platform/custom_line_cap.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"
#include "properties/arrow_sample.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

constexpr ArrowType kHeads[] = {ArrowTypeSquare,    ArrowTypeRound,     ArrowTypeDiamond,
                                ArrowTypeArrow,     ArrowTypeOpen,      ArrowTypeNotched,
                                ArrowTypeBarbFirst, ArrowTypeBarbSecond};

// A black line of width 1 from (5, 25) to (45, 25) drawn four times enlarged, with a head of
// size 4 at its end: one head unit is 16 pixels and the tip is at x = 180.
QImage DrawWithEndHead(ArrowType head, int ends = 0) {
    CQarnPenProperty pen;
    pen.SetColor1(Color(kBlack));
    CQarnArrowProperty arrows;
    arrows.SetEndArrow(head);
    arrows.SetStartArrow(ArrowTypeArrow);
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(kWhite);
    {
        Graphics g(&image);
        g.ScaleTransform(4, 4);
        GraphicsPath line;
        line.AddLine(5, 25, 45, 25);
        RectF bounds(5, 25, 40, 0);
        if (ends == 0) {
            pen.DrawPath(&g, &line, bounds, &arrows, 100, 0, nullptr);
        } else {
            std::unique_ptr<Pen> base(pen.CreatePen(bounds, 0, 100));
            arrows.SetArrowAnchors(base.get(), ends);
            g.DrawPath(base.get(), &line);
        }
    }
    return image;
}

// The pixel at head coordinates (u along the line, v across) of the end head.
QRgb AtHead(const QImage& image, double u, double v) {
    return image.pixel(int(std::floor(180 + u * 16)), int(std::floor(100 + v * 16)));
}

}  // namespace

TEST(ArrowHeadTest, EveryHeadDrawsAtTheEndOfTheLine) {
    for (ArrowType head : kHeads) {
        const QImage image = DrawWithEndHead(head);
        EXPECT_EQ(image.pixel(100, 100), kBlack) << head;     // the line
        EXPECT_EQ(AtHead(image, -0.5, 0), kBlack) << head;    // inside the head
        EXPECT_EQ(AtHead(image, 0.5, 0), kWhite) << head;     // beyond the tip
        EXPECT_EQ(AtHead(image, -1.5, 1.4), kWhite) << head;  // beside the head
        EXPECT_EQ(image.pixel(100, 108), kWhite) << head;     // beside the line
    }
    // The wide heads reach out one unit across the line.
    for (ArrowType head : {ArrowTypeSquare, ArrowTypeDiamond, ArrowTypeNotched}) {
        const QImage image = DrawWithEndHead(head);
        EXPECT_EQ(AtHead(image, -2, 0.5), kBlack) << head;
        EXPECT_EQ(AtHead(image, -2, -0.5), kBlack) << head;
    }
    // The barbs are each other's mirror images.
    const QImage first = DrawWithEndHead(ArrowTypeBarbFirst);
    const QImage second = DrawWithEndHead(ArrowTypeBarbSecond);
    EXPECT_NE(AtHead(first, -1.5, 0.3), AtHead(first, -1.5, -0.3));
    EXPECT_EQ(AtHead(first, -1.5, 0.3), AtHead(second, -1.5, -0.3));
    EXPECT_EQ(AtHead(first, -1.5, -0.3), AtHead(second, -1.5, 0.3));
}

TEST(ArrowHeadTest, TheLineIsInsetByTheHeadsAmount) {
    for (ArrowType head : kHeads) {
        CQarnArrowProperty arrows;
        arrows.SetEndArrow(head);
        arrows.SetEndArrowSize(3);
        Pen pen(Color(kBlack), 2);
        arrows.SetArrowAnchors(&pen, 2);
        const CustomLineCap* cap = pen.GetCustomEndCap();
        ASSERT_NE(cap, nullptr) << head;
        EXPECT_FLOAT_EQ(cap->GetBaseInset(), head == ArrowTypeDiamond ? 3.0f : 2.0f) << head;
        EXPECT_FLOAT_EQ(cap->GetWidthScale(), 3.0f);
        // In cap space the tip is at the origin and the head lies behind it.
        RectF bounds;
        cap->GetFillPath().GetBounds(&bounds);
        EXPECT_NEAR(bounds.GetBottom(), 0, 1e-4) << head;
        EXPECT_LT(bounds.Y, -1.9f) << head;
        EXPECT_EQ(pen.GetCustomStartCap(), nullptr);
    }
    // The back of the diamond is as wide as the line that runs into it.
    const QImage diamond = DrawWithEndHead(ArrowTypeDiamond);
    EXPECT_EQ(AtHead(diamond, -3.3, 0), kBlack);  // the line reaches into the diamond's back
    EXPECT_EQ(AtHead(diamond, -3.3, 0.2), kWhite);
}

TEST(ArrowHeadTest, WhichEndsGetHeadsAndWhenNothingChanges) {
    // ends = 2: the start of the line stays plain.
    const QImage endOnly = DrawWithEndHead(ArrowTypeArrow, 2);
    EXPECT_EQ(AtHead(endOnly, -1.5, 0.5), kBlack);
    EXPECT_EQ(endOnly.pixel(44, 92), kWhite);  // where a start head would spread
    const QImage both = DrawWithEndHead(ArrowTypeArrow, 0);
    EXPECT_EQ(both.pixel(44, 92), kBlack);

    CQarnArrowProperty none;
    Pen pen(Color(kBlack), 1);
    pen.SetLineCap(LineCapRound, LineCapSquare, DashCapRound);
    none.SetArrowAnchors(&pen, 0);
    EXPECT_FALSE(pen.HasCustomCaps());
    EXPECT_EQ(pen.GetStartCap(), LineCapRound);
    EXPECT_EQ(pen.GetEndCap(), LineCapSquare);

    CQarnArrowProperty heads;
    heads.SetStartArrow(ArrowTypeDiamond);
    heads.SetEndArrow(ArrowTypeDiamond);
    heads.SetArrowAnchors(&pen, 3);
    EXPECT_FALSE(pen.HasCustomCaps());
    heads.SetArrowAnchors(&pen, -1);
    EXPECT_FALSE(pen.HasCustomCaps());
    heads.SetArrowAnchors(nullptr, 0);
    // A head of size 0 would have no extent: it is left out.
    heads.SetStartArrowSize(0);
    heads.SetArrowAnchors(&pen, 0);
    EXPECT_EQ(pen.GetCustomStartCap(), nullptr);
    EXPECT_NE(pen.GetCustomEndCap(), nullptr);
    GraphicsPath outline;
    EXPECT_LT(CQarnArrowProperty::HeadOutline(ArrowType(99), 4, &outline), 0);
    EXPECT_TRUE(outline.IsEmpty());
}

TEST(ArrowHeadTest, TheSampleArrowDrawsABlackLineWithItsHeads) {
    QImage image(100, 40, QImage::Format_ARGB32);
    image.fill(kWhite);
    {
        QPainter painter(&image);
        CDC dc(&painter);
        Qarn::DrawArrow(ArrowTypeNone, ArrowTypeSquare, 4, 3, POINT{10, 20}, POINT{90, 20}, &dc);
        Qarn::DrawArrow(ArrowTypeArrow, ArrowTypeArrow, 4, 4, POINT{0, 0}, POINT{0, 0}, nullptr);
    }
    EXPECT_EQ(image.pixel(50, 20), kBlack);
    // Width 2 and size 3: a square head 12 long reaching 6 to either side.
    EXPECT_EQ(image.pixel(85, 15), kBlack);
    EXPECT_EQ(image.pixel(85, 12), kWhite);
    EXPECT_EQ(image.pixel(12, 15), kWhite);  // no head at the start
    EXPECT_EQ(image.pixel(92, 20), kWhite);
}

TEST(PenStrokeBandsTest, LineStyleThreeOfWidthSixLeavesItsBands) {
    CQarnPenProperty pen;
    pen.SetLineWidth(6);
    pen.SetQarnLineStyle(3);
    pen.SetColor1(Color(0xFF0000FFu));
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(0xFFFF0000u);
    {
        Graphics g(&image);
        g.ScaleTransform(10, 10);  // the width 6 becomes 60 pixels
        GraphicsPath line;
        line.AddLine(0, 5, 10, 5);
        RectF bounds(0, 5, 10, 0);
        pen.DrawPath(&g, &line, bounds, nullptr, 100, 0, nullptr);
    }
    const struct {
        int y;
        QRgb colour;
    } bands[] = {{15, 0xFFFF0000u}, {25, 0xFF0000FFu}, {35, kWhite},      {47, 0xFF0000FFu},
                 {53, 0xFF0000FFu}, {65, kWhite},      {75, 0xFF0000FFu}, {85, 0xFFFF0000u}};
    for (const auto& band : bands) {
        EXPECT_EQ(image.pixel(50, band.y), band.colour) << band.y;
    }
}

TEST(PenStrokeBandsTest, APathGradientStrokeShowsItsOuterColourAroundTheEllipse) {
    const int saved = Qarn::GetSVGCompatibility();
    CQarnPenProperty pen;
    pen.SetLineWidth(10);
    pen.SetBrushType(CQarnBrushProperty::PathGradient);
    pen.SetColor1(Color(0xFFFF0000u));
    pen.SetColor2(Color(0xFF0000FFu));
    for (int look : {1000, 1100}) {
        Qarn::SetSVGCompatibility(look);
        QImage image(100, 100, QImage::Format_ARGB32);
        image.fill(kWhite);
        {
            Graphics g(&image);
            GraphicsPath square;
            square.AddRectangle(RectF(10, 10, 80, 80));
            RectF bounds(10, 10, 80, 80);
            pen.DrawPath(&g, &square, bounds, nullptr, 100, 0, nullptr);
        }
        // The paint rectangle is the bounds grown by half the width: 5 to 95.
        EXPECT_EQ(image.pixel(50, 50), kWhite) << look;  // the stroke only
        if (look == 1100) {
            // The corners lie outside the ellipse of the paint rectangle.
            EXPECT_EQ(image.pixel(8, 8), 0xFF0000FFu);
            EXPECT_EQ(image.pixel(12, 12), 0xFF0000FFu);
            EXPECT_GT(qBlue(image.pixel(50, 12)), 190);  // inside it, the gradient
            EXPECT_LT(qBlue(image.pixel(50, 12)), 235);
        } else {
            // The gradient runs over the square path and paints nothing outside it.
            EXPECT_EQ(image.pixel(8, 8), kWhite);
            EXPECT_GT(qBlue(image.pixel(12, 12)), 200);
            EXPECT_LT(qBlue(image.pixel(12, 12)), 250);
        }
    }
    Qarn::SetSVGCompatibility(saved);
}
