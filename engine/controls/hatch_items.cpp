#include "controls/hatch_items.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "platform/hatch_brush.h"

void CQarnHatchItems::SetColors(const QColor& foreground, const QColor& background) {
    m_Foreground = foreground;
    m_Background = background;
}

void CQarnHatchItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    // One pattern bit per device-independent pixel, so the sample shows the pattern as the
    // page shows it at 100% and stays sharp (whole device pixels) at any scale.
    const int width = int(cell.width());
    const int height = int(cell.height());
    if (width <= 0 || height <= 0) {
        return;
    }
    QImage tile(width, height, QImage::Format_ARGB32);
    const QRgb fore = m_Foreground.rgba();
    const QRgb back = m_Background.rgba();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = HatchBrush::IsForeground(index, x % 8, y % 8) ? fore : back;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(cell.topLeft(), QSizeF(width, height)), tile);
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cell.topLeft(), QSizeF(width, height)));
    painter.restore();
}

QString CQarnHatchItems::GetItemName(int index) const {
    static const char* const kNames[kCount] = {
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Horizontal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Vertical"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Forward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Backward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Cross"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Diagonal cross"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "5 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "10 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "20 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "25 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "30 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "40 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "50 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "60 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "70 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "75 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "80 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "90 percent"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Light downward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Light upward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dark downward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dark upward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Wide downward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Wide upward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Light vertical"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Light horizontal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Narrow vertical"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Narrow horizontal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dark vertical"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dark horizontal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dashed downward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dashed upward diagonal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dashed horizontal"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dashed vertical"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Small confetti"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Large confetti"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Zig zag"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Wave"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Diagonal brick"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Horizontal brick"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Weave"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Plaid"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Divot"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dotted grid"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Dotted diamond"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Shingle"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Trellis"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Sphere"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Small grid"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Small checker board"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Large checker board"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Outlined diamond"),
        QT_TRANSLATE_NOOP("CQarnHatchItems", "Solid diamond"),
    };
    if (index < 0 || index >= kCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnHatchItems", kNames[index]);
}
