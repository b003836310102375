#include "view/tools/in_place_text_editor.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QTransform>
#include <cmath>

#include "core/component.h"
#include "core/default_properties.h"
#include "platform/variant.h"
#include "properties/property_kinds.h"
#include "properties/text_property.h"
#include "undo/action_ids.h"
#include "undo/add_property_action.h"
#include "undo/prop_action.h"
#include "view/qarn_view.h"

namespace {

// The property id of a component's text string.
constexpr UINT kTextPropertyId = 509;
// Document units in a point (a unit is 1/100 inch).
constexpr double kUnitsPerPoint = 100.0 / 72.0;

}  // namespace

CInPlaceTextEditor::CInPlaceTextEditor(CQarnView* view, CQarnComponent* component)
    : QPlainTextEdit(view->viewport()), m_pView(view), m_pComponent(component) {
    m_strOriginal = component->GetText();
    setPlainText(m_strOriginal);
    setAccessibleName(QStringLiteral("Text of the component"));
    setFrameShape(QFrame::Box);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (TurnedAngle() != 0.0f) {
        HoldTurned();
    }
    Place();
    selectAll();
}

float CInPlaceTextEditor::TurnedAngle() const {
    const float angle = m_pComponent->GetRotateAngle();
    return std::isfinite(angle) && std::fabs(std::remainder(angle, 360.0f)) >= 0.01f ? angle : 0.0f;
}

void CInPlaceTextEditor::HoldTurned() {
    auto* holder = new QGraphicsView(m_pView->viewport());
    holder->setFrameShape(QFrame::NoFrame);
    holder->setStyleSheet(QStringLiteral("background: transparent"));
    holder->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holder->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holder->setAccessibleName(QStringLiteral("Text of the turned component"));
    auto* scene = new QGraphicsScene(holder);
    holder->setScene(scene);
    setParent(nullptr);
    m_pProxy = scene->addWidget(this);
    m_pHolder = holder;
    // The holder goes with the editor (the view deletes the editor when editing ends).
    connect(this, &QObject::destroyed, holder, &QObject::deleteLater);
    holder->show();
}

qreal CInPlaceTextEditor::GetShownAngle() const {
    return m_pProxy != nullptr ? m_pProxy->rotation() : 0.0;
}

void CInPlaceTextEditor::TakeFocus() {
    if (m_pHolder != nullptr) {
        m_pHolder->setFocus(Qt::OtherFocusReason);
        m_pProxy->setFocus(Qt::OtherFocusReason);
    }
    setFocus(Qt::OtherFocusReason);
}

void CInPlaceTextEditor::Place() {
    const RectF box = m_pComponent->GetTextPosition();
    CRect client(int(std::floor(box.X)), int(std::floor(box.Y)), int(std::ceil(box.X + box.Width)),
                 int(std::ceil(box.Y + box.Height)));
    m_pView->DocToClient(client);
    QRect area = QRect(client.left, client.top, client.Width(), client.Height()).normalized();
    // Room for a line or two even on a flat or tiny box.
    const float pixelsPerUnit = 1.0f / std::max(m_pView->PixelsToDoc(1.0f), 1e-6f);
    QFont face = font();
    if (const CQarnTextProperty* text = m_pComponent->GetTextProperty()) {
        face.setFamily(text->GetFontName());
        face.setPixelSize(
            std::max(1, int(std::lround(text->GetFontSize() * kUnitsPerPoint * pixelsPerUnit))));
    }
    setFont(face);
    const QFontMetrics metrics(face);
    area.setWidth(std::max(area.width(), metrics.averageCharWidth() * 12));
    area.setHeight(std::max(area.height(), metrics.lineSpacing() * 2 + 8));
    const QPoint centre = area.center();
    area.moveCenter(centre);
    if (m_pProxy == nullptr) {
        setGeometry(area);
        return;
    }
    // Turned: the box's centre turns about the component's rotate centre, and the editor turns
    // about its own centre by the same angle.
    const float angle = TurnedAngle();
    CPoint pivot(int(std::lround(m_pComponent->GetRotateCenter().X)),
                 int(std::lround(m_pComponent->GetRotateCenter().Y)));
    m_pView->DocToClient(pivot);
    const QPointF shownCentre = QTransform()
                                    .translate(pivot.x, pivot.y)
                                    .rotate(angle)
                                    .translate(-pivot.x, -pivot.y)
                                    .map(QPointF(area.center()));
    resize(area.size());
    m_pProxy->setPos(0, 0);
    m_pProxy->setTransformOriginPoint(area.width() / 2.0, area.height() / 2.0);
    m_pProxy->setRotation(angle);
    const QRectF turned = m_pProxy->sceneBoundingRect();
    m_pHolder->scene()->setSceneRect(turned);
    QRectF shown(QPointF(), turned.size());
    shown.moveCenter(shownCentre);
    m_pHolder->setGeometry(shown.toAlignedRect());
}

void CInPlaceTextEditor::End() {
    m_bEnded = true;
    hide();
    if (m_pHolder != nullptr) {
        m_pHolder->hide();
    }
    Q_EMIT Ended();
}

void CInPlaceTextEditor::Cancel() {
    if (m_bEnded) {
        return;
    }
    End();
}

void CInPlaceTextEditor::Commit() {
    if (m_bEnded) {
        return;
    }
    const QString written = toPlainText();
    End();
    if (written == m_strOriginal || m_pView->CanAddNewAction(0) != CActionRecorder::Allowed) {
        return;
    }
    CQarnAction* action = nullptr;
    if (m_pComponent->GetTextProperty() != nullptr) {
        action = m_pView->RecordAction(std::make_unique<CPropAction>(
            m_pView, kTextPropertyId, CVariant(written), ComponentList{m_pComponent}));
    } else {
        // A component without text gains one.
        CQarnTextProperty* text = nullptr;
        if (auto* fallback =
                dynamic_cast<CQarnTextProperty*>(Qarn::GetDefaultProperty(QARN_PROP_TEXT))) {
            text = static_cast<CQarnTextProperty*>(fallback->Clone());
        } else {
            text = new CQarnTextProperty();
        }
        text->SetText(written);
        action = m_pView->RecordAction(std::make_unique<CAddPropertyAction>(
            m_pView, QarnActionId::AddProperty, text, m_pComponent));
    }
    if (action != nullptr && !action->IsFinished()) {
        action->Finish();
    }
    m_pView->OnSelectionChanged(m_pComponent);
}

void CInPlaceTextEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        Commit();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CInPlaceTextEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // Clicking elsewhere keeps what was written.
    if (!m_bEnded && event->reason() != Qt::PopupFocusReason) {
        Commit();
    }
}
