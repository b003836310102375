#include "controls/line_width_items.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

int CQarnLineWidthItems::IndexOf(float width) {
    for (int i = 0; i < kCount; ++i) {
        if (WidthOf(i) == width) {
            return i;
        }
    }
    return -1;
}

void CQarnLineWidthItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const QColor ink = Qarn::SampleInk(painter);
    const QString caption = GetItemName(index);
    const QFontMetricsF metrics(painter.font());
    const qreal textWidth = metrics.horizontalAdvance(QStringLiteral("Hairline")) + 6.0;
    painter.drawText(QRectF(cell.left(), cell.top(), textWidth, cell.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, caption);
    // Width 0 is the thinnest line the device draws.
    QPen pen(ink, qreal(WidthOf(index)), Qt::SolidLine, Qt::FlatCap);
    pen.setCosmetic(index == 0);
    if (index == 0) {
        pen.setWidthF(1.0);
    }
    painter.setPen(pen);
    const qreal y = std::round(cell.center().y()) + (index % 2 == 1 ? 0.5 : 0.0);
    painter.drawLine(QPointF(cell.left() + textWidth, y), QPointF(cell.right() - 2.0, y));
}

QString CQarnLineWidthItems::GetItemName(int index) const {
    if (index < 0 || index >= kCount) {
        return QString();
    }
    if (index == 0) {
        return QCoreApplication::translate("CQarnLineWidthItems", "Hairline");
    }
    return QCoreApplication::translate("CQarnLineWidthItems", "%1 pt").arg(index);
}
