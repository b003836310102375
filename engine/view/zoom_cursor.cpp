#include "view/zoom_cursor.h"

#include <QPainter>
#include <QPixmap>

namespace Qarn {

QCursor MakeZoomCursor(bool zoomIn) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF lens(2.5, 2.5, 17, 17);
        // A white halo keeps the cursor visible on dark drawings.
        painter.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(lens);
        painter.drawLine(QPointF(17, 17), QPointF(28, 28));
        painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(lens);
        painter.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 18), QPointF(28, 28));
        painter.setPen(QPen(Qt::black, 2.0));
        painter.drawLine(QPointF(7, 11), QPointF(15, 11));
        if (zoomIn) {
            painter.drawLine(QPointF(11, 7), QPointF(11, 15));
        }
    }
    return QCursor(pixmap, 11, 11);
}

}  // namespace Qarn
