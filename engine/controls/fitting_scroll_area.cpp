#include "controls/fitting_scroll_area.h"

#include <QScreen>
#include <QScrollBar>

CQarnFittingScrollArea::CQarnFittingScrollArea(QWidget* content, QWidget* parent)
    : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

QSize CQarnFittingScrollArea::sizeHint() const {
    if (widget() == nullptr) {
        return QScrollArea::sizeHint();
    }
    QSize wanted = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return wanted;
    }
    const QSize room = shown->availableGeometry().size() - QSize(kReservedWidth, kReservedHeight);
    if (wanted.height() > room.height()) {
        // The vertical scroll bar takes its width beside the content.
        wanted.rwidth() += verticalScrollBar()->sizeHint().width();
    }
    return wanted.boundedTo(room.expandedTo(QSize(100, 100)));
}
