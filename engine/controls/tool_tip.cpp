#include "controls/tool_tip.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

#include "controls/tip_markup.h"
#include "core/component.h"

namespace {

// The tip stands off the pointer so it does not hide what it is about.
const QPoint kOffset(16, 20);

}  // namespace

CQarnToolTip::CQarnToolTip(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setTextFormat(Qt::RichText);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    setWordWrap(false);
    setAccessibleName(tr("Tip"));
    m_HideTimer.setSingleShot(true);
    connect(&m_HideTimer, &QTimer::timeout, this, &CQarnToolTip::HideTip);
}

void CQarnToolTip::ShowFor(CQarnComponent* component, const QPoint& globalPos,
                           const CCustomConfig& config) {
    if (component == nullptr) {
        HideTip();
        return;
    }
    if (component == m_pComponent && isVisible()) {
        return;
    }
    const QString html = Qarn::ComposeComponentTip(*component, config);
    if (html.isEmpty()) {
        HideTip();
        return;
    }
    m_pComponent = component;
    ShowText(html, globalPos);
}

void CQarnToolTip::ShowText(const QString& html, const QPoint& globalPos) {
    setText(html);
    setAccessibleDescription(html);
    adjustSize();
    PlaceNear(globalPos);
    show();
    raise();
    m_HideTimer.start(kShowTime);
}

void CQarnToolTip::HideTip() {
    m_HideTimer.stop();
    m_pComponent = nullptr;
    hide();
}

void CQarnToolTip::PlaceNear(const QPoint& globalPos) {
    QPoint at = globalPos + kOffset;
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect room = screen->availableGeometry();
        if (at.x() + width() > room.right() + 1) {
            at.setX(std::max(room.left(), globalPos.x() - width() - 4));
        }
        if (at.y() + height() > room.bottom() + 1) {
            at.setY(std::max(room.top(), globalPos.y() - height() - 4));
        }
    }
    move(at);
}
