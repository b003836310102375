#include "view/tools/text_tool.h"

#include "controls/text_sheet.h"
#include "core/default_properties.h"
#include "platform/variant.h"
#include "properties/property_kinds.h"
#include "properties/text_property.h"
#include "shapes/rect.h"
#include "undo/action_ids.h"
#include "undo/add_action.h"
#include "undo/add_property_action.h"
#include "undo/prop_action.h"
#include "view/qarn_view.h"
#include "view/tools/draw_tool.h"

QARN_IMPLEMENT_DYNAMIC(CTextTool, CQarnTool)

namespace {

// The property id of a component's text string.
constexpr UINT kTextPropertyId = 509;

// Finishes what was recorded, so that it does not hold up the next step.
void FinishRecorded(CQarnAction* action) {
    if (action != nullptr && !action->IsFinished()) {
        action->Finish();
    }
}

}  // namespace

CTextTool::CTextTool(UINT id) : CQarnTool(id) {}

void CTextTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    CQarnTool::OnLButtonDown(view, flags, point);
    m_bPressed = view->CanAddNewAction(QarnActionId::AddObject) == CActionRecorder::Allowed;
    m_ptPress = CDrawTool::ToolPoint(view, flags, point);
}

void CTextTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    (void)flags;
    Drag().last = point;
    view->SetToolCursor(Qt::IBeamCursor);
}

void CTextTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (m_bPressed) {
        m_bPressed = false;
        // The sheet opens once the button is up, so that it gets the mouse.
        WriteText(view, m_ptPress);
    }
    CQarnTool::OnLButtonUp(view, flags, point);
}

bool CTextTool::OnEscape(CQarnView* view) {
    (void)view;
    const bool pressed = m_bPressed;
    m_bPressed = false;
    return pressed;
}

CQarnProperty* CTextTool::MakeTextProperty() const {
    const UINT kind = GetID() == kRichTextToolID ? QARN_PROP_TEXTTOOL : QARN_PROP_TEXT;
    CQarnProperty* fallback = Qarn::GetDefaultProperty(kind);
    if (fallback == nullptr) {
        fallback = Qarn::GetDefaultProperty(QARN_PROP_TEXT);
    }
    if (dynamic_cast<CQarnTextProperty*>(fallback) != nullptr) {
        return fallback->Clone();
    }
    return new CQarnTextProperty();
}

void CTextTool::WriteText(CQarnView* view, PointF p) {
    CQarnComponent* hit = view->HitAt(p, view->HitTolerance());
    const ComponentList& selection = view->GetSelection();
    if (hit != nullptr && selection.size() == 1 && selection.first() == hit) {
        if (hit->GetTextProperty() != nullptr) {
            EditText(view, hit);
        } else {
            AttachText(view, hit);
        }
        return;
    }
    NewText(view, p);
}

void CTextTool::NewText(CQarnView* view, PointF p) {
    auto box = std::make_unique<CQarnRect>(RectF(p.X, p.Y, kNewBoxSize, kNewBoxSize));
    box->AddProperty(MakeTextProperty());
    CQarnTextSheet sheet(*box, view);
    if (sheet.exec() != QDialog::Accepted || sheet.GetText() == nullptr ||
        sheet.GetText()->GetText().isEmpty()) {
        // Nothing written, nothing made.
        return;
    }
    box->RemoveProperty(int(QARN_PROP_TEXT));
    auto* text = static_cast<CQarnTextProperty*>(sheet.GetText()->Clone());
    box->AddProperty(text);
    // A text box shows its text only: no outline, no fill.
    box->SetDrawLine(false);
    box->SetFill(false);
    box->SetDrawText(true);
    const CRect fitted = text->FitContent(view, box->GetRectF(), 0);
    box->MoveTo(
        RectF(float(fitted.left), float(fitted.top), float(fitted.Width()), float(fitted.Height())),
        MoveFlags());
    box->UpdateRotateCenter();
    box->ResetPath();
    FinishRecorded(view->RecordAction(
        std::make_unique<CAddAction>(view, QarnActionId::AddObject, std::move(box))));
    view->OnSelectionChanged(nullptr);
}

void CTextTool::AttachText(CQarnView* view, CQarnComponent* component) {
    // The sheet shows the settings a new text gets.
    CQarnTextSheet sheet(*component, view);
    if (sheet.exec() != QDialog::Accepted || sheet.GetText() == nullptr ||
        sheet.GetText()->GetText().isEmpty()) {
        return;
    }
    CQarnProperty* property = sheet.GetText()->Clone();
    FinishRecorded(view->RecordAction(std::make_unique<CAddPropertyAction>(
        view, QarnActionId::AddProperty, property, component)));
    view->OnSelectionChanged(component);
}

void CTextTool::EditText(CQarnView* view, CQarnComponent* component) {
    CQarnTextSheet sheet(*component, view);
    if (sheet.exec() != QDialog::Accepted || sheet.GetText() == nullptr) {
        return;
    }
    const QString written = sheet.GetText()->GetText();
    if (written == component->GetText()) {
        return;
    }
    FinishRecorded(view->RecordAction(std::make_unique<CPropAction>(
        view, kTextPropertyId, CVariant(written), ComponentList{component})));
    view->OnSelectionChanged(component);
}
