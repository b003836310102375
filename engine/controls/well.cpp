#include "controls/well.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include "controls/well_popup.h"
#include "core/notification_messages.h"
#include "platform/window_messages.h"

namespace {

QStyleOptionComboBox ComboOption(const QWidget* well, bool open) {
    QStyleOptionComboBox option;
    option.initFrom(well);
    option.editable = false;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    if (open) {
        option.state |= QStyle::State_On | QStyle::State_Sunken;
    }
    return option;
}

}  // namespace

CQarnWell::CQarnWell(const QString& name, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
    setToolTip(name);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

CQarnWell::~CQarnWell() {
    if (m_pPopup != nullptr) {
        Popup()->CloseQuietly();
    }
}

CQarnWellPopup* CQarnWell::Popup() const {
    return static_cast<CQarnWellPopup*>(m_pPopup.data());
}

QObject* CQarnWell::GetOwner() const {
    return m_pOwner != nullptr ? m_pOwner : parent();
}

QWidget* CQarnWell::GetDropDown() const {
    return m_pPopup;
}

void CQarnWell::ShowDropDown() {
    if (m_pPopup != nullptr || !isEnabled()) {
        return;
    }
    auto* popup = new CQarnWellPopup(this, [this] { CloseDropDown(false); });
    popup->setAccessibleName(accessibleName());
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(CreateDropDownContent(popup));
    m_pPopup = popup;
    SendToOwner(WELL_DROPDOWN);
    popup->ShowBelow(this);
    if (QWidget* focus = GetDropDownFocus()) {
        focus->setFocus(Qt::PopupFocusReason);
    }
    update();
}

void CQarnWell::CloseDropDown(bool take) {
    if (m_pPopup == nullptr) {
        return;
    }
    CQarnWellPopup* popup = Popup();
    m_pPopup = nullptr;
    if (take) {
        if (TakeDropDownChoice()) {
            OnUserChange();
        }
        SendToOwner(WELL_SELENDOK);
    } else {
        SendToOwner(WELL_SELENDCANCEL);
    }
    OnDropDownClosed();
    popup->CloseQuietly();
    popup->deleteLater();
    SendToOwner(WELL_CLOSEUP);
    setFocus(Qt::PopupFocusReason);
    update();
}

void CQarnWell::OnUserChange() {
    update();
    SendToOwner(WELL_SELCHANGED);
    Q_EMIT ValueChanged();
}

void CQarnWell::HideDropDownWindow() {
    if (m_pPopup != nullptr) {
        Popup()->CloseQuietly();
    }
}

void CQarnWell::SendToOwner(UINT message) {
    if (QObject* owner = GetOwner()) {
        SendMessage(owner, message, WPARAM(m_nControlId), GetMessageValue());
    }
}

QSize CQarnWell::sizeHint() const {
    const QStyleOptionComboBox option = ComboOption(this, false);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, GetValueSize(), this);
}

QSize CQarnWell::minimumSizeHint() const {
    return sizeHint();
}

void CQarnWell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionComboBox option = ComboOption(this, m_pPopup != nullptr);
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    field.adjust(2, 2, -2, -2);
    painter.save();
    painter.setClipRect(field);
    if (!isEnabled()) {
        painter.setOpacity(0.4);
    }
    PaintValue(painter, field);
    painter.restore();
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = field.adjusted(-1, -1, 1, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CQarnWell::keyPressEvent(QKeyEvent* event) {
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_F4:
            ShowDropDown();
            return;
        case Qt::Key_Down:
            if (alt) {
                ShowDropDown();
            } else if (StepValue(1)) {
                OnUserChange();
            }
            return;
        case Qt::Key_Right:
            if (StepValue(1)) {
                OnUserChange();
            }
            return;
        case Qt::Key_Up:
        case Qt::Key_Left:
            if (StepValue(-1)) {
                OnUserChange();
            }
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CQarnWell::mousePressEvent(QMouseEvent* event) {
    (void)event;
    if (m_pPopup == nullptr) {
        ShowDropDown();
    }
}
