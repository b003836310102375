// The drawing wrapper paints on widgets too: the views paint through it.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/graphics.h"
#include "platform/solid_brush.h"

TEST(GraphicsOnWidgetTest, PaintsInsideAPaintEvent) {
    class Surface : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override {
            Graphics g(static_cast<QPaintDevice*>(this));
            SolidBrush red{Color(Color::Red)};
            g.FillRectangle(&red, RectF(0, 0, 10, 10));
        }
    };
    Surface widget;
    widget.resize(20, 20);
    const QImage shot = widget.grab().toImage();
    EXPECT_EQ(shot.pixel(5, 5), 0xFFFF0000u);
    EXPECT_NE(shot.pixel(15, 15), 0xFFFF0000u);
}
