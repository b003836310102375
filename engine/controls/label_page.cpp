#include "controls/label_page.h"

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
#include "controls/label_placement.h"
#include "controls/label_pos_well.h"
#include "controls/number_edit.h"
#include "properties/font_property.h"
#include "properties/label_property.h"

namespace {

const QList<int> kAlignments = {0, 1, 2};
// Where a new label goes: below the component.
constexpr int kNewLabelPosition = 7;

}  // namespace

CQarnLabelPage::CQarnLabelPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    m_pShow = Qarn::CreateCheckBox(tr("Sho&w a label"), this);
    layout->addWidget(m_pShow);
    m_pFields = new QWidget(this);
    auto* form = new QFormLayout(m_pFields);
    form->setContentsMargins(0, 0, 0, 0);
    m_pText = new QPlainTextEdit(m_pFields);
    m_pText->setTabChangesFocus(true);
    m_pText->setMaximumHeight(70);
    Qarn::AddFormRow(form, tr("Te&xt:"), m_pText);
    m_pFont = new CQarnFontFields(tr("Label"), form, m_pFields);
    m_pColor = new CQarnColorWell(tr("Label colour"), m_pFields);
    Qarn::AddFormRow(form, tr("Colou&r:"), m_pColor);
    m_pAlignment = Qarn::CreateChoice({tr("Left"), tr("Centre"), tr("Right")}, m_pFields);
    Qarn::AddFormRow(form, tr("Ali&gnment:"), m_pAlignment);
    m_pPosition = new CQarnLabelPosWell(m_pFields);
    Qarn::AddFormRow(form, tr("&Place:"), m_pPosition);
    layout->addWidget(m_pFields);
    layout->addStretch(1);
    connect(m_pShow, &QCheckBox::toggled, this, &CQarnLabelPage::EnableFields);
}

void CQarnLabelPage::Load(const CQarnAppearance& appearance) {
    const CQarnLabelProperty* label = appearance.GetLabel();
    m_bHadLabel = label != nullptr;
    CQarnLabelProperty fresh;
    if (label == nullptr) {
        label = &fresh;
    }
    m_pShow->setChecked(m_bHadLabel);
    m_pText->setPlainText(label->GetText());
    m_pText->document()->setModified(false);
    const CQarnFontProperty* font = label->GetFont();
    m_pFont->Load(font->GetFontName(), font->GetFontSize(), font->GetFontStyle());
    m_pColor->SetColor(label->GetColor());
    Qarn::SelectValue(m_pAlignment, kAlignments, label->GetXAlignment());
    m_nLoadedPosition = m_bHadLabel
                            ? Qarn::FindLabelPosition(appearance.GetShownFrame(), label->GetRectF())
                            : kNewLabelPosition;
    m_pPosition->SetLabelPosition(m_nLoadedPosition);
    EnableFields();
}

void CQarnLabelPage::EnableFields() {
    m_pFields->setEnabled(m_pShow->isChecked());
}

void CQarnLabelPage::Store(CQarnAppearance& appearance) const {
    if (!m_pShow->isChecked()) {
        appearance.DropLabel();
        return;
    }
    CQarnLabelProperty* label = appearance.MakeLabel();
    if (!m_bHadLabel || m_pText->document()->isModified()) {
        label->SetText(m_pText->toPlainText());
    }
    CQarnFontProperty* font = label->GetFont();
    if (m_pFont->GetFace() != font->GetFontName()) {
        font->SetFontName(m_pFont->GetFace());
    }
    if (const std::optional<float> size = m_pFont->GetSize();
        size && *size != font->GetFontSize()) {
        font->SetFontSize(*size);
    }
    font->SetFontStyle(m_pFont->GetStyle());
    label->SetColor(m_pColor->GetColor());
    label->SetXAlignment(
        BYTE(Qarn::SelectedValue(m_pAlignment, kAlignments, label->GetXAlignment())));
    // A label dragged to a place of its own stays there until a place is chosen.
    const int position = m_pPosition->GetLabelPosition();
    if (position >= 0 && position != m_nLoadedPosition) {
        label->SetRectF(Qarn::PlaceLabel(appearance.GetShownFrame(), label->GetRectF(), position));
        label->UpdateLastRect();
    }
}

QList<CQarnNumberEdit*> CQarnLabelPage::GetCheckedFields() const {
    return m_pShow->isChecked() ? QList<CQarnNumberEdit*>{m_pFont->GetSizeEdit()}
                                : QList<CQarnNumberEdit*>{};
}

QString CQarnLabelPage::CheckValues(QWidget** field) const {
    if (!m_pShow->isChecked()) {
        return QString();
    }
    *field = m_pFont->GetFaceBox();
    return m_pFont->CheckFace();
}
