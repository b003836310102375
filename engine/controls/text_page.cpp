#include "controls/text_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "controls/appearance.h"
#include "controls/choice_values.h"
#include "controls/color_well.h"
#include "controls/font_fields.h"
#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "core/component_style.h"
#include "properties/basic_brush_property.h"
#include "properties/text_property.h"

namespace {

const QList<int> kAlignments = {CQarnTextProperty::Near, CQarnTextProperty::Center,
                                CQarnTextProperty::Far};

}  // namespace

CQarnTextPage::CQarnTextPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    m_pShow = Qarn::CreateCheckBox(tr("Sho&w the text"), this);
    layout->addWidget(m_pShow);
    m_pFields = new QWidget(this);
    auto* form = new QFormLayout(m_pFields);
    form->setContentsMargins(0, 0, 0, 0);
    m_pText = new QPlainTextEdit(m_pFields);
    // Tab moves on to the next field; the text takes line breaks from Enter.
    m_pText->setTabChangesFocus(true);
    m_pText->setMinimumHeight(70);
    Qarn::AddFormRow(form, tr("Te&xt:"), m_pText);
    m_pFont = new CQarnFontFields(tr("Text"), form, m_pFields);
    m_pColor = new CQarnColorWell(tr("Text colour"), m_pFields);
    Qarn::AddFormRow(form, tr("Colou&r:"), m_pColor);
    m_pHorizontal = Qarn::CreateChoice({tr("Left"), tr("Centre"), tr("Right")}, m_pFields);
    Qarn::AddFormRow(form, tr("Hori&zontal alignment:"), m_pHorizontal);
    m_pVertical = Qarn::CreateChoice({tr("Top"), tr("Middle"), tr("Bottom")}, m_pFields);
    Qarn::AddFormRow(form, tr("&Vertical alignment:"), m_pVertical);
    m_pRightToLeft = Qarn::CreateCheckBox(tr("Ri&ght to left"), m_pFields);
    m_pTopToBottom = Qarn::CreateCheckBox(tr("Top to botto&m (vertical text)"), m_pFields);
    form->addRow(QString(), m_pRightToLeft);
    form->addRow(QString(), m_pTopToBottom);
    layout->addWidget(m_pFields, 1);
    connect(m_pShow, &QCheckBox::toggled, this, &CQarnTextPage::EnableFields);
}

void CQarnTextPage::Load(const CQarnAppearance& appearance) {
    const CQarnTextProperty* text = appearance.GetText();
    m_bHadText = text != nullptr;
    // A component without text shows the settings a new text gets.
    CQarnTextProperty fresh;
    if (text == nullptr) {
        text = &fresh;
    }
    m_pShow->setChecked(m_bHadText && appearance.HasStyle(QARN_STYLE_DRAWTEXT));
    m_pText->setPlainText(text->GetText());
    m_pText->document()->setModified(false);
    m_pFont->Load(text->GetFontName(), text->GetFontSize(), text->GetFontStyle());
    m_pColor->SetColor(text->GetBrush()->GetColor1());
    Qarn::SelectValue(m_pHorizontal, kAlignments, text->GetXAlignment());
    Qarn::SelectValue(m_pVertical, kAlignments, text->GetYAlignment());
    m_pRightToLeft->setChecked(text->GetRightToLeft());
    m_pTopToBottom->setChecked(text->GetVertical());
    EnableFields();
}

void CQarnTextPage::EnableFields() {
    m_pFields->setEnabled(m_pShow->isChecked());
}

void CQarnTextPage::Store(CQarnAppearance& appearance) const {
    if (!m_pShow->isChecked()) {
        // A text that is there stops showing but is kept; none is made for nothing.
        if (m_bHadText) {
            appearance.SetStyleBit(QARN_STYLE_DRAWTEXT, false);
        }
        return;
    }
    appearance.SetStyleBit(QARN_STYLE_DRAWTEXT, true);
    CQarnTextProperty* text = appearance.MakeText();
    // The editor writes line breaks as LF; a text left as it was keeps its own breaks.
    if (!m_bHadText || m_pText->document()->isModified()) {
        text->SetText(m_pText->toPlainText());
    }
    if (m_pFont->GetFace() != text->GetFontName()) {
        text->SetFontName(m_pFont->GetFace());
    }
    if (const std::optional<float> size = m_pFont->GetSize();
        size && *size != text->GetFontSize()) {
        text->SetFontSize(*size);
    }
    if (m_pFont->GetStyle() != text->GetFontStyle()) {
        text->SetFontStyle(m_pFont->GetStyle());
    }
    text->GetBrush()->SetColor1(m_pColor->GetColor());
    text->SetXAlignment(
        BYTE(Qarn::SelectedValue(m_pHorizontal, kAlignments, text->GetXAlignment())));
    text->SetYAlignment(BYTE(Qarn::SelectedValue(m_pVertical, kAlignments, text->GetYAlignment())));
    text->SetRightToLeft(m_pRightToLeft->isChecked());
    text->SetVertical(m_pTopToBottom->isChecked());
}

QList<CQarnNumberEdit*> CQarnTextPage::GetCheckedFields() const {
    return m_pShow->isChecked() ? QList<CQarnNumberEdit*>{m_pFont->GetSizeEdit()}
                                : QList<CQarnNumberEdit*>{};
}

QString CQarnTextPage::CheckValues(QWidget** field) const {
    if (!m_pShow->isChecked()) {
        return QString();
    }
    *field = m_pFont->GetFaceBox();
    return m_pFont->CheckFace();
}
