#include <gtest/gtest.h>

#include <QImage>
#include <QPainterPath>

#include "platform/custom_line_cap.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/line_end_shapes.h"
#include "platform/pen.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// A block two pen widths long behind the end and two wide, in cap space.
CustomLineCap Block(float inset) {
    GraphicsPath block;
    block.AddRectangle(RectF(-1, -2, 2, 2));
    CustomLineCap cap(&block, nullptr, LineCapFlat, inset);
    return cap;
}

QPointF LastPoint(const QPainterPath& path) {
    return path.elementAt(path.elementCount() - 1);
}

}  // namespace

TEST(CustomLineCapTest, TheLineStopsTheInsetShortAndTheCapSitsOnTheEnd) {
    Pen pen(Color(kBlack), 2);
    CustomLineCap cap = Block(1.5f);
    cap.SetWidthScale(2);
    ASSERT_EQ(pen.SetCustomEndCap(&cap), Ok);
    EXPECT_EQ(pen.GetEndCap(), LineCapCustom);
    EXPECT_EQ(pen.GetCustomStartCap(), nullptr);

    GraphicsPath line;
    line.AddLine(10, 50, 90, 50);
    LineEndShapes ends(line, pen);
    ASSERT_TRUE(ends.HasOpenFigures());
    // Inset 1.5 in units of width 2 x scale 2.
    EXPECT_NEAR(LastPoint(ends.Line()).x(), 84, 1e-4);
    EXPECT_NEAR(ends.Line().elementAt(0).x, 10, 1e-4);
    ASSERT_EQ(ends.Fills().size(), 1u);
    const QRectF shape = ends.Fills()[0].boundingRect();
    EXPECT_NEAR(shape.left(), 82, 1e-4);
    EXPECT_NEAR(shape.right(), 90, 1e-4);
    EXPECT_NEAR(shape.top(), 46, 1e-4);
    EXPECT_NEAR(shape.bottom(), 54, 1e-4);
}

TEST(CustomLineCapTest, CapsFollowTheDirectionOfEachEndAndClosedFiguresKeepTheirs) {
    Pen pen(Color(kBlack), 1);
    CustomLineCap cap = Block(0);
    pen.SetCustomStartCap(&cap);
    pen.SetCustomEndCap(&cap);
    GraphicsPath path;
    const PointF corner[] = {{20, 20}, {20, 80}, {80, 80}};
    path.AddLines(corner, 3);
    path.AddRectangle(RectF(0, 0, 5, 5));
    LineEndShapes ends(path, pen);
    ASSERT_EQ(ends.Fills().size(), 2u);
    // The end runs to the right: its block lies left of (80, 80).
    const QRectF end = ends.Fills()[0].boundingRect();
    EXPECT_NEAR(end.left(), 78, 1e-4);
    EXPECT_NEAR(end.top(), 79, 1e-4);
    // The start runs upwards out of (20, 20): its block lies below it.
    const QRectF start = ends.Fills()[1].boundingRect();
    EXPECT_NEAR(start.top(), 20, 1e-4);
    EXPECT_NEAR(start.bottom(), 22, 1e-4);
    EXPECT_NEAR(start.left(), 19, 1e-4);
    // A plain cap set afterwards drops the shape.
    pen.SetEndCap(LineCapRound);
    EXPECT_EQ(pen.GetCustomEndCap(), nullptr);
    EXPECT_TRUE(pen.HasCustomCaps());
}

TEST(CustomLineCapTest, DrawingFillsTheCapWithThePenPaintAndCopiesKeepIt) {
    Pen pen(Color(0xFF0000FFu), 2);
    CustomLineCap cap = Block(2);
    cap.SetWidthScale(3);
    pen.SetCustomEndCap(&cap);
    Pen copy(pen);
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(kWhite);
    {
        Graphics g(&image);
        g.DrawLine(&copy, 10, 50, 90, 50);
    }
    EXPECT_EQ(image.pixel(50, 50), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(86, 45), 0xFF0000FFu);  // the block is 6 wide on each side
    EXPECT_EQ(image.pixel(86, 42), kWhite);
    EXPECT_EQ(image.pixel(92, 50), kWhite);  // nothing beyond the end
}
