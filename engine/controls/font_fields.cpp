#include "controls/font_fields.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>

#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "properties/font_property.h"

namespace {

constexpr double kSmallestPoints = 1.0;
constexpr double kLargestPoints = 1000.0;

}  // namespace

CQarnFontFields::CQarnFontFields(const QString& what, QFormLayout* form, QWidget* parent)
    : QObject(parent) {
    m_pFace = new QFontComboBox(parent);
    m_pFace->setEditable(true);
    m_pFace->setAccessibleName(tr("%1 font").arg(what));
    Qarn::AddFormRow(form, tr("Fo&nt:"), m_pFace);
    m_pSize =
        new CQarnNumberEdit(tr("%1 size").arg(what), kSmallestPoints, kLargestPoints, 2, parent);
    m_pSize->setMaximumWidth(70);
    Qarn::AddFormRow(form, tr("&Size (pt):"), m_pSize);

    auto* styles = new QWidget(parent);
    auto* grid = new QGridLayout(styles);
    grid->setContentsMargins(0, 0, 0, 0);
    m_pBold = Qarn::CreateCheckBox(tr("Bol&d"), styles);
    m_pItalic = Qarn::CreateCheckBox(tr("Itali&c"), styles);
    m_pUnderline = Qarn::CreateCheckBox(tr("&Underline"), styles);
    m_pStrikeout = Qarn::CreateCheckBox(tr("Stri&keout"), styles);
    grid->addWidget(m_pBold, 0, 0);
    grid->addWidget(m_pItalic, 0, 1);
    grid->addWidget(m_pUnderline, 1, 0);
    grid->addWidget(m_pStrikeout, 1, 1);
    form->addRow(QString(), styles);

    connect(m_pFace, &QComboBox::currentTextChanged, this, &CQarnFontFields::Changed);
    connect(m_pSize, &QLineEdit::textEdited, this, &CQarnFontFields::Changed);
    for (QCheckBox* box : {m_pBold, m_pItalic, m_pUnderline, m_pStrikeout}) {
        connect(box, &QCheckBox::toggled, this, &CQarnFontFields::Changed);
    }
}

void CQarnFontFields::Load(const QString& face, float points, BYTE style) {
    m_nOtherBits = BYTE(style & ~BYTE(0x0F));
    m_pFace->setEditText(face);
    m_pSize->SetValue(points);
    m_pBold->setChecked((style & CQarnFontProperty::Bold) != 0);
    m_pItalic->setChecked((style & CQarnFontProperty::Italic) != 0);
    m_pUnderline->setChecked((style & CQarnFontProperty::Underline) != 0);
    m_pStrikeout->setChecked((style & CQarnFontProperty::Strikeout) != 0);
}

QString CQarnFontFields::GetFace() const {
    return m_pFace->currentText().trimmed();
}

std::optional<float> CQarnFontFields::GetSize() const {
    if (const std::optional<double> size = m_pSize->GetValue()) {
        return float(*size);
    }
    return std::nullopt;
}

BYTE CQarnFontFields::GetStyle() const {
    BYTE style = m_nOtherBits;
    style |= m_pBold->isChecked() ? CQarnFontProperty::Bold : 0;
    style |= m_pItalic->isChecked() ? CQarnFontProperty::Italic : 0;
    style |= m_pUnderline->isChecked() ? CQarnFontProperty::Underline : 0;
    style |= m_pStrikeout->isChecked() ? CQarnFontProperty::Strikeout : 0;
    return style;
}

QString CQarnFontFields::CheckFace() const {
    return GetFace().isEmpty() ? tr("Name the font of the text.") : QString();
}

void CQarnFontFields::SetEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_pFace, m_pSize, m_pBold, m_pItalic,
                                                      m_pUnderline, m_pStrikeout}) {
        w->setEnabled(enabled);
    }
}
