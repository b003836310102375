#include "controls/label_position_items.h"

#include <QCoreApplication>
#include <QPainter>

#include "controls/label_placement.h"

int CQarnLabelPositionItems::GetCount() const {
    return Qarn::kLabelPositionCount;
}

void CQarnLabelPositionItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const QColor ink = Qarn::SampleInk(painter);
    // The component in the middle third, the label placed by the same rule as on the page.
    const qreal w = cell.width() / 3.0;
    const qreal h = cell.height() / 3.0;
    const RectF frame(float(cell.left() + w), float(cell.top() + h), float(w), float(h));
    const RectF bar = Qarn::PlaceLabel(frame, RectF(0, 0, float(w * 0.8), float(h * 0.45)), index);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(frame.X, frame.Y, frame.Width, frame.Height));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 90, 200));
    painter.drawRect(QRectF(bar.X, bar.Y, bar.Width, bar.Height));
    painter.restore();
}

QString CQarnLabelPositionItems::GetItemName(int index) const {
    static const char* const kNames[Qarn::kLabelPositionCount] = {
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Above, to the left"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Above"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Above, to the right"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Left"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Centre"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Right"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Below, to the left"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Below"),
        QT_TRANSLATE_NOOP("CQarnLabelPositionItems", "Below, to the right"),
    };
    if (index < 0 || index >= Qarn::kLabelPositionCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnLabelPositionItems", kNames[index]);
}
