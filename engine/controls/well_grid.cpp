#include "controls/well_grid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <algorithm>

#include "controls/well_items.h"
#include "core/notification_messages.h"
#include "platform/window_messages.h"

namespace {

constexpr int kMargin = 4;
constexpr int kSpacing = 2;
// Room between a cell's frame and its sample.
constexpr int kPadding = 3;

}  // namespace

CQarnWellGrid::CQarnWellGrid(std::shared_ptr<const CQarnWellItems> items, const QString& name,
                             QWidget* parent)
    : QWidget(parent), m_pItems(std::move(items)) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(name);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CQarnWellGrid::SetCurSel(int index) {
    const int chosen = (index >= 0 && index < m_pItems->GetCount()) ? index : -1;
    if (chosen == m_nCurSel) {
        return;
    }
    m_nCurSel = chosen;
    UpdateDescription();
    update();
}

void CQarnWellGrid::SetOwner(QObject* owner, int controlId) {
    m_pOwner = owner;
    m_nControlId = controlId;
}

QRect CQarnWellGrid::GetCellRect(int index) const {
    const int columns = std::max(1, m_pItems->GetColumns());
    const QSize cell = m_pItems->GetCellSize();
    const int row = index / columns;
    const int column = index % columns;
    return QRect(kMargin + column * (cell.width() + kSpacing),
                 kMargin + row * (cell.height() + kSpacing), cell.width(), cell.height());
}

int CQarnWellGrid::HitTest(const QPoint& point) const {
    for (int i = 0; i < m_pItems->GetCount(); ++i) {
        if (GetCellRect(i).contains(point)) {
            return i;
        }
    }
    return -1;
}

QSize CQarnWellGrid::sizeHint() const {
    const int count = m_pItems->GetCount();
    const int columns = std::max(1, std::min(m_pItems->GetColumns(), std::max(count, 1)));
    const int rows = (count + columns - 1) / columns;
    const QSize cell = m_pItems->GetCellSize();
    return QSize(
        2 * kMargin + columns * cell.width() + (columns - 1) * kSpacing,
        2 * kMargin + std::max(rows, 1) * cell.height() + (std::max(rows, 1) - 1) * kSpacing);
}

void CQarnWellGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QColor highlight = palette().color(QPalette::Highlight);
    for (int i = 0; i < m_pItems->GetCount(); ++i) {
        const QRect cell = GetCellRect(i);
        if (i == m_nCurSel) {
            QColor fill = highlight;
            fill.setAlpha(70);
            painter.fillRect(cell, fill);
            painter.setPen(QPen(highlight, 2));
            painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
        } else if (i == m_nHover) {
            painter.setPen(QPen(highlight, 1));
            painter.drawRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        painter.save();
        const QRectF inner = QRectF(cell).adjusted(kPadding, kPadding, -kPadding, -kPadding);
        painter.setClipRect(inner);
        painter.setPen(palette().color(QPalette::Text));
        m_pItems->PaintItem(painter, inner, i);
        painter.restore();
    }
    if (hasFocus() && m_nCurSel >= 0) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = GetCellRect(m_nCurSel).adjusted(-1, -1, 1, 1);
        focus.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CQarnWellGrid::keyPressEvent(QKeyEvent* event) {
    const int count = m_pItems->GetCount();
    const int columns = std::max(1, m_pItems->GetColumns());
    if (count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int from = m_nCurSel;
    int to = from;
    switch (event->key()) {
        case Qt::Key_Left:
            to = from < 0 ? 0 : std::max(0, from - 1);
            break;
        case Qt::Key_Right:
            to = from < 0 ? 0 : std::min(count - 1, from + 1);
            break;
        case Qt::Key_Up:
            to = from < 0 ? 0 : (from - columns >= 0 ? from - columns : from);
            break;
        case Qt::Key_Down:
            to = from < 0 ? 0 : (from + columns < count ? from + columns : from);
            break;
        case Qt::Key_Home:
            to = 0;
            break;
        case Qt::Key_End:
            to = count - 1;
            break;
        case Qt::Key_Space:
            if (m_nCurSel >= 0) {
                Q_EMIT Activated(m_nCurSel);
            }
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // In a page, Enter belongs to the dialog's default button; in a drop-down it takes
            // the choice.
            if (isSignalConnected(QMetaMethod::fromSignal(&CQarnWellGrid::Activated)) &&
                m_nCurSel >= 0) {
                Q_EMIT Activated(m_nCurSel);
                return;
            }
            QWidget::keyPressEvent(event);
            return;
        case Qt::Key_Escape:
            if (isSignalConnected(QMetaMethod::fromSignal(&CQarnWellGrid::Cancelled))) {
                Q_EMIT Cancelled();
                return;
            }
            QWidget::keyPressEvent(event);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    MoveTo(to);
}

void CQarnWellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_nPressed = HitTest(event->position().toPoint());
    if (m_nPressed >= 0) {
        MoveTo(m_nPressed);
    }
}

void CQarnWellGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int released = HitTest(event->position().toPoint());
    const bool taken = released >= 0 && released == m_nPressed;
    m_nPressed = -1;
    if (taken) {
        Q_EMIT Activated(released);
    }
}

void CQarnWellGrid::mouseMoveEvent(QMouseEvent* event) {
    const int hover = HitTest(event->position().toPoint());
    if (hover != m_nHover) {
        m_nHover = hover;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void CQarnWellGrid::leaveEvent(QEvent* event) {
    m_nHover = -1;
    update();
    QWidget::leaveEvent(event);
}

bool CQarnWellGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = HitTest(help->pos());
        if (index >= 0) {
            QToolTip::showText(help->globalPos(), m_pItems->GetItemName(index), this,
                               GetCellRect(index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CQarnWellGrid::MoveTo(int index) {
    if (index == m_nCurSel || index < 0 || index >= m_pItems->GetCount()) {
        return;
    }
    m_nCurSel = index;
    UpdateDescription();
    update();
    Q_EMIT CurrentChanged(index);
    if (m_pOwner != nullptr) {
        SendMessage(m_pOwner, WELL_SELCHANGED, WPARAM(m_nControlId), LPARAM(index));
    }
}

void CQarnWellGrid::UpdateDescription() {
    setAccessibleDescription(m_nCurSel >= 0 ? m_pItems->GetItemName(m_nCurSel) : QString());
}
