#include "controls/shadow_items.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "platform/matrix.h"
#include "properties/shadow_property.h"

namespace {

// The sample object in document units: small enough that the fixed offsets of the shadow
// styles show.
const RectF kObject(0.0f, 0.0f, 40.0f, 28.0f);

QPolygonF Corners(const RectF& r) {
    return QPolygonF({QPointF(r.X, r.Y), QPointF(r.X + r.Width, r.Y),
                      QPointF(r.X + r.Width, r.Y + r.Height), QPointF(r.X, r.Y + r.Height)});
}

}  // namespace

void CQarnShadowItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    const QColor ink = Qarn::SampleInk(painter);
    // The shadow is placed by the shadow property itself, as on the page.
    CQarnShadowProperty shadow;
    shadow.SetStyle(DWORD(index));
    Matrix placement;
    shadow.GetTransformMatrix(placement, kObject);
    const QPolygonF object = Corners(kObject);
    const QPolygonF shade = placement.ToQTransform().map(object);
    const QRectF both = object.boundingRect().united(shade.boundingRect());
    const qreal scale = std::min(cell.width() / both.width(), cell.height() / both.height());
    QTransform toCell;
    toCell.translate(cell.center().x(), cell.center().y());
    toCell.scale(scale, scale);
    toCell.translate(-both.center().x(), -both.center().y());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPolygon(toCell.map(shade));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(ink, 1.0));
    painter.drawPolygon(toCell.map(object));
    painter.restore();
}

QString CQarnShadowItems::GetItemName(int index) const {
    static const char* const kNames[kCount] = {
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Offset to the lower right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Offset to the lower left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Offset to the upper right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Offset to the upper left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Enlarged to the lower right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Enlarged to the lower left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Enlarged to the upper right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Enlarged to the upper left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Reduced to the lower right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Reduced to the lower left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Reduced to the upper right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Reduced to the upper left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Laid back to the left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Laid back to the right"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Laid down in front to the left"),
        QT_TRANSLATE_NOOP("CQarnShadowItems", "Laid down in front to the right"),
    };
    if (index < 0 || index >= kCount) {
        return QString();
    }
    return QCoreApplication::translate("CQarnShadowItems", kNames[index]);
}
