#include "controls/paint_preview.h"

#include <QPainter>

#include "platform/graphics.h"
#include "platform/graphics_path.h"

CQarnPaintPreview::CQarnPaintPreview(Mode mode, const QString& name, QWidget* parent)
    : QWidget(parent), m_Mode(mode) {
    setAccessibleName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CQarnPaintPreview::SetBrush(const CQarnBasicBrushProperty& brush) {
    m_Brush.Copy(&brush);
    update();
}

void CQarnPaintPreview::SetPen(const CQarnPenProperty& pen) {
    m_Pen.Copy(&pen);
    update();
}

void CQarnPaintPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // A checker board shows what a translucent paint lets through.
    constexpr int kSquare = 8;
    painter.fillRect(rect(), Qt::white);
    for (int y = 0; y < height(); y += kSquare) {
        for (int x = 0; x < width(); x += kSquare) {
            if (((x + y) / kSquare) % 2 == 1) {
                painter.fillRect(QRect(x, y, kSquare, kSquare), QColor(230, 230, 230));
            }
        }
    }
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawRect(area);

    const float margin = m_Mode == Mode::Fill ? 10.0f : 14.0f;
    const RectF box(margin, margin, float(width()) - 2 * margin, float(height()) - 2 * margin);
    Graphics graphics(&painter);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    GraphicsPath path;
    if (m_Mode == Mode::Fill) {
        path.AddEllipse(box);
        RectF bounds = box;
        m_Brush.FillPath(&graphics, &path, &bounds, 100, 0);
        return;
    }
    const float y1 = box.Y + box.Height * 0.8f;
    const float y2 = box.Y + box.Height * 0.2f;
    const PointF zigzag[] = {PointF(box.X, y1), PointF(box.X + box.Width / 3, y2),
                             PointF(box.X + 2 * box.Width / 3, y1), PointF(box.X + box.Width, y2)};
    path.AddLines(zigzag, 4);
    RectF bounds = box;
    m_Pen.DrawPath(&graphics, &path, bounds, nullptr, 100, 0, nullptr);
}
