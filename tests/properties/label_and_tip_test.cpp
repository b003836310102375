#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/geometry_fixtures.h"
#include "platform/dc.h"
#include "properties/label_property.h"
#include "properties/tip_property.h"

namespace {

bool SameImage(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(LabelEditingTest, TheLabelHandleDragsTheLabelFromWhereTheDragBegan) {
    TestBox c(RectF(10, 10, 40, 40));
    auto* label = new CQarnLabelProperty(RectF(60, 60, 80, 30));
    c.AddProperty(label);
    ASSERT_EQ(c.GetHandleCount(), 9);
    ASSERT_TRUE(c.IsLabelHandle(9));
    const PointF centre = c.GetHandle(9, 1);
    EXPECT_FLOAT_EQ(centre.X, 100.0f);
    EXPECT_FLOAT_EQ(centre.Y, 75.0f);

    c.RecordlastPosition();
    EXPECT_EQ(c.MoveHandleTo(9, PointF(150, 20), 0), 1);
    const RectF moved = label->GetRectF();
    EXPECT_FLOAT_EQ(moved.X, 110.0f);
    EXPECT_FLOAT_EQ(moved.Y, 5.0f);
    EXPECT_FLOAT_EQ(moved.Width, 80.0f);
    // The rectangle at the start of the drag stays known until the next drag begins.
    EXPECT_FLOAT_EQ(label->GetLastRect().X, 60.0f);
    c.RecordlastPosition();
    EXPECT_FLOAT_EQ(label->GetLastRect().X, 110.0f);

    // A rotated shape does not turn its label handle.
    c.SetRotateAngle(90);
    c.UpdateRotateCenter();
    const PointF still = c.GetHandle(9, 1);
    EXPECT_FLOAT_EQ(still.X, 150.0f);
    EXPECT_FLOAT_EQ(still.Y, 20.0f);
    // The bounds take the label in.
    const CRect bound = c.GetBoundRect(false);
    EXPECT_GE(bound.right, 190);
    EXPECT_LE(bound.top, 5);
}

TEST(LabelEditingTest, TheLabelOutlineUndoesItselfWhenDrawnTwice) {
    CQarnLabelProperty label(RectF(20, 20, 100, 40));
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image.copy();
    {
        QPainter painter(&image);
        CDC dc(&painter);
        label.DrawOutline(&dc);
    }
    EXPECT_FALSE(SameImage(image, before));
    // Only the frame of the rectangle is touched.
    EXPECT_EQ(image.pixel(70, 40), before.pixel(70, 40));
    {
        QPainter painter(&image);
        CDC dc(&painter);
        label.DrawOutline(&dc);
    }
    EXPECT_TRUE(SameImage(image, before));
    label.DrawOutline(nullptr);  // nothing to draw on: no harm
}

TEST(LabelEditingTest, ALabelDrawsItsTextInItsOwnColourAndAlignment) {
    CQarnLabelProperty label(RectF(0, 0, 200, 60));
    label.SetText(QStringLiteral("WWW"));
    label.SetColor(Color(0xFFFF0000u));
    QImage image = WhiteCanvas(200, 60);
    {
        Graphics g(&image);
        label.Draw(&g);
    }
    // Centred across, at the top (the label's defaults): red ink in the upper middle only.
    int red = 0, left = 0, low = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 80) {
                ++red;
                left += x < 60 ? 1 : 0;
                low += y > 30 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(red, 30);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(low, 0);
}

TEST(ComponentTipTest, TheTipTextComesFromTheTipProperty) {
    TestBox c(RectF(0, 0, 10, 10));
    EXPECT_EQ(c.GetTipProperty(), nullptr);
    EXPECT_TRUE(c.GetTipText().isEmpty());
    EXPECT_TRUE(c.GetTipUseName());  // a new component shows its name
    c.SetTipText(QStringLiteral("Pump 3"));
    ASSERT_NE(c.GetTipProperty(), nullptr);
    EXPECT_EQ(c.GetTipText(), QStringLiteral("Pump 3"));
    CQarnTipProperty* tip = c.GetTipProperty();
    c.SetTipText(QStringLiteral("Pump 4"));
    EXPECT_EQ(c.GetTipProperty(), tip);  // the same property, not a second one
    EXPECT_EQ(tip->GetText(), QStringLiteral("Pump 4"));
    EXPECT_EQ(tip->GetRefCount(), 1);
}
