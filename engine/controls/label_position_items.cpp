#include "controls/label_position_items.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "controls/label_placement.h"

int CQarnLabelPositionItems::GetCount() const {
    return Qarn::kLabelPositionCount;
}

void CQarnLabelPositionItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const QColor ink = Qarn::SampleInk(painter);
    // A sample frame and label in document units, placed by the rule the page uses, then
    // scaled so that every place fits the cell.
    const RectF frame(0.0f, 0.0f, 40.0f, 26.0f);
    const RectF label(0.0f, 0.0f, 28.0f, 9.0f);
    const RectF bar = Qarn::PlaceLabel(frame, label, index);
    const RectF topLeft = Qarn::PlaceLabel(frame, label, 0);
    const RectF bottomRight = Qarn::PlaceLabel(frame, label, Qarn::kLabelPositionCount - 1);
    const QRectF all(topLeft.X, topLeft.Y, bottomRight.GetRight() - topLeft.X,
                     bottomRight.GetBottom() - topLeft.Y);
    const qreal scale = std::min(cell.width() / all.width(), cell.height() / all.height());
    QTransform toCell;
    toCell.translate(cell.center().x(), cell.center().y());
    toCell.scale(scale, scale);
    toCell.translate(-all.center().x(), -all.center().y());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(toCell.mapRect(QRectF(frame.X, frame.Y, frame.Width, frame.Height)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 90, 200));
    painter.drawRect(toCell.mapRect(QRectF(bar.X, bar.Y, bar.Width, bar.Height)));
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
