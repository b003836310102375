#include "view/tools/in_place_text_editor.h"

#include <QKeyEvent>
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
    Place();
    selectAll();
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
    setGeometry(area);
}

void CInPlaceTextEditor::End() {
    m_bEnded = true;
    hide();
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
