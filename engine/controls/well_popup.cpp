#include "controls/well_popup.h"

#include <QScreen>
#include <utility>

CQarnWellPopup::CQarnWellPopup(QWidget* well, std::function<void()> onClosedByUser)
    : QFrame(well, Qt::Popup), m_OnClosedByUser(std::move(onClosedByUser)) {
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void CQarnWellPopup::ShowBelow(QWidget* well) {
    adjustSize();
    QPoint at = well->mapToGlobal(QPoint(0, well->height()));
    if (const QScreen* screen = well->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + height() > room.bottom() + 1) {
            at.setY(well->mapToGlobal(QPoint(0, 0)).y() - height());
        }
        at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - width())));
        at.setY(std::max(room.top(), at.y()));
    }
    move(at);
    show();
}

void CQarnWellPopup::CloseQuietly() {
    m_bQuiet = true;
    hide();
}

void CQarnWellPopup::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (!m_bQuiet && m_OnClosedByUser) {
        m_bQuiet = true;
        m_OnClosedByUser();
    }
}
