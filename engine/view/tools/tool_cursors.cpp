#include "view/tools/tool_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kCursorSize = 32;

QPixmap Blank() {
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Draws the path twice: a wide white halo, then black, so that it shows on any drawing.
void Stroke(QPainter& painter, const QPainterPath& path) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

}  // namespace

namespace Qarn {

QCursor RotateCursor() {
    static const QCursor cursor = [] {
        QPixmap pixmap = Blank();
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath arc;
        arc.arcMoveTo(QRectF(6, 6, 20, 20), 120);
        arc.arcTo(QRectF(6, 6, 20, 20), 120, -270);
        // The head at the end of the arc.
        const QPointF end = arc.currentPosition();
        arc.moveTo(end + QPointF(-5, -3));
        arc.lineTo(end);
        arc.lineTo(end + QPointF(-1, -6));
        Stroke(painter, arc);
        return QCursor(pixmap, kCursorSize / 2, kCursorSize / 2);
    }();
    return cursor;
}

QCursor PenCursor() {
    static const QCursor cursor = [] {
        QPixmap pixmap = Blank();
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath pen;
        pen.moveTo(2, 29);
        pen.lineTo(5, 21);
        pen.lineTo(22, 4);
        pen.lineTo(27, 9);
        pen.lineTo(10, 26);
        pen.closeSubpath();
        pen.moveTo(5, 21);
        pen.lineTo(10, 26);
        Stroke(painter, pen);
        return QCursor(pixmap, 2, 29);
    }();
    return cursor;
}

}  // namespace Qarn
