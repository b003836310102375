#include "controls/dash_style_items.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/graphics.h"
#include "platform/pen.h"

void CQarnDashStyleItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const QColor ink = Qarn::SampleInk(painter);
    Graphics graphics(&painter);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    // Drawn with the document's own pen, so the sample has the dashes a line gets.
    Pen pen(Color::FromQColor(ink), 2.0f);
    pen.SetDashStyle(DashStyle(index));
    const float y = float(cell.center().y());
    graphics.DrawLine(&pen, float(cell.left()) + 2.0f, y, float(cell.right()) - 2.0f, y);
}

QString CQarnDashStyleItems::GetItemName(int index) const {
    static const char* const kNames[kCount] = {
        QT_TRANSLATE_NOOP("CQarnDashStyleItems", "Solid"),
        QT_TRANSLATE_NOOP("CQarnDashStyleItems", "Dash"),
        QT_TRANSLATE_NOOP("CQarnDashStyleItems", "Dot"),
        QT_TRANSLATE_NOOP("CQarnDashStyleItems", "Dash dot"),
        QT_TRANSLATE_NOOP("CQarnDashStyleItems", "Dash dot dot"),
    };
    if (index < 0 || index >= kCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnDashStyleItems", kNames[index]);
}
