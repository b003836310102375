#include "controls/arrow_head_items.h"

#include <QCoreApplication>
#include <QPainter>

#include "core/conversions.h"
#include "platform/dc.h"
#include "properties/arrow_sample.h"

namespace {

// Heads of size 3 on the sample line of width 2 fit a 20-pixel cell.
constexpr int kSampleSize = 3;

}  // namespace

void CQarnArrowHeadItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const ArrowType type = Qarn::Index2ArrowType(index);
    painter.setRenderHint(QPainter::Antialiasing);
    CDC dc(&painter);
    const int y = int(cell.center().y());
    // The head sits at the end it belongs to, so the start's points left.
    const POINT from{int(cell.left()) + 14, y};
    const POINT to{int(cell.right()) - 14, y};
    if (m_End == End::Start) {
        Qarn::DrawArrow(type, ArrowTypeNone, kSampleSize, kSampleSize, from, to, &dc);
    } else {
        Qarn::DrawArrow(ArrowTypeNone, type, kSampleSize, kSampleSize, from, to, &dc);
    }
}

QString CQarnArrowHeadItems::GetItemName(int index) const {
    static const char* const kNames[kCount] = {
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "None"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Filled triangle"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Open arrow"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Notched triangle"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Diamond"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Round dot"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Square"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Barb, first side"),
        QT_TRANSLATE_NOOP("CQarnArrowHeadItems", "Barb, second side"),
    };
    if (index < 0 || index >= kCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnArrowHeadItems", kNames[index]);
}
