#include "controls/line_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "controls/appearance.h"
#include "controls/choice_values.h"
#include "controls/compound_line_well.h"
#include "controls/form_rows.h"
#include "controls/line_style_well.h"
#include "controls/line_width_well.h"
#include "controls/number_edit.h"
#include "controls/paint_editor.h"
#include "controls/paint_preview.h"
#include "core/component_style.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"

namespace {

const QList<int> kDashCaps = {0, 2, 3};
const QList<int> kLineCaps = {0, 1, 2, 3};
const QList<int> kJoins = {0, 1, 2, 3};
const QList<int> kAlignments = {0, 1};
constexpr double kMaxLineWidth = 10000.0;

}  // namespace

CQarnLinePage::CQarnLinePage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    m_pDrawLine = Qarn::CreateCheckBox(tr("&Draw the outline"), this);
    layout->addWidget(m_pDrawLine);

    m_pFields = new QWidget(this);
    auto* columns = new QHBoxLayout(m_pFields);
    columns->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pFields, 1);

    auto* lineBox = new QGroupBox(tr("Line"), m_pFields);
    auto* form = new QFormLayout(lineBox);
    auto* widthRow = new QWidget(lineBox);
    auto* widthLayout = new QHBoxLayout(widthRow);
    widthLayout->setContentsMargins(0, 0, 0, 0);
    m_pWidth = new CQarnNumberEdit(tr("Line width"), 0.0, kMaxLineWidth, 2, widthRow);
    m_pWidth->setMaximumWidth(70);
    m_pWidthWell = new CQarnLineWidthWell(widthRow, tr("Line width samples"));
    widthLayout->addWidget(m_pWidth);
    widthLayout->addWidget(m_pWidthWell, 1);
    Qarn::AddFormRow(form, tr("&Width:"), widthRow);
    m_pDash = new CQarnLineStyleWell(lineBox);
    Qarn::AddFormRow(form, tr("Da&shes:"), m_pDash);
    m_pDashCap = Qarn::CreateChoice({tr("Flat"), tr("Round"), tr("Triangle")}, lineBox);
    Qarn::AddFormRow(form, tr("Dash &ends:"), m_pDashCap);
    m_pLineCap =
        Qarn::CreateChoice({tr("Flat"), tr("Square"), tr("Round"), tr("Triangle")}, lineBox);
    Qarn::AddFormRow(form, tr("Line e&nds:"), m_pLineCap);
    m_pJoin =
        Qarn::CreateChoice({tr("Mitre"), tr("Bevel"), tr("Round"), tr("Mitre, clipped")}, lineBox);
    Qarn::AddFormRow(form, tr("&Joins:"), m_pJoin);
    m_pMiter = new CQarnNumberEdit(tr("Mitre limit"), 0, 255, 0, lineBox);
    Qarn::AddFormRow(form, tr("&Mitre limit:"), m_pMiter);
    m_pCompound = new CQarnCompoundLineWell(lineBox);
    Qarn::AddFormRow(form, tr("C&ompound:"), m_pCompound);
    m_pAlignment =
        Qarn::CreateChoice({tr("Centred on the outline"), tr("Inside the outline")}, lineBox);
    Qarn::AddFormRow(form, tr("&Alignment:"), m_pAlignment);
    columns->addWidget(lineBox);

    auto* paintBox = new QGroupBox(tr("Paint"), m_pFields);
    auto* paintLayout = new QVBoxLayout(paintBox);
    m_pPaint = new CQarnPaintEditor(tr("Line"), paintBox);
    paintLayout->addWidget(m_pPaint);
    m_pPreview =
        new CQarnPaintPreview(CQarnPaintPreview::Mode::Stroke, tr("Line preview"), paintBox);
    paintLayout->addWidget(m_pPreview, 1);
    columns->addWidget(paintBox, 1);

    connect(m_pWidthWell, &CQarnWell::ValueChanged, this, [this] {
        m_pWidth->SetValue(m_pWidthWell->GetLineWidth());
        UpdatePreview();
    });
    connect(m_pWidth, &QLineEdit::textEdited, this, [this] {
        if (const std::optional<double> width = m_pWidth->GetValue()) {
            m_pWidthWell->SetLineWidth(float(*width));
        }
        UpdatePreview();
    });
    connect(m_pDrawLine, &QCheckBox::toggled, this, &CQarnLinePage::EnableFields);
    connect(m_pDash, &CQarnWell::ValueChanged, this, &CQarnLinePage::UpdatePreview);
    connect(m_pCompound, &CQarnWell::ValueChanged, this, &CQarnLinePage::UpdatePreview);
    for (QComboBox* box : {m_pDashCap, m_pLineCap, m_pJoin, m_pAlignment}) {
        connect(box, &QComboBox::currentIndexChanged, this, &CQarnLinePage::UpdatePreview);
    }
    connect(m_pMiter, &QLineEdit::textEdited, this, &CQarnLinePage::UpdatePreview);
    connect(m_pPaint, &CQarnPaintEditor::Changed, this, &CQarnLinePage::UpdatePreview);
}

void CQarnLinePage::Load(const CQarnAppearance& appearance) {
    const CQarnPenProperty* pen = appearance.GetPen();
    m_bHasPen = pen != nullptr;
    m_pDrawLine->setChecked(appearance.HasStyle(QARN_STYLE_DRAWLINE));
    m_pDrawLine->setEnabled(m_bHasPen);
    if (pen != nullptr) {
        m_pWidth->SetValue(pen->GetLineWidth());
        m_pWidthWell->SetLineWidth(pen->GetLineWidth());
        m_pDash->SetDashStyle(pen->GetDashStyle());
        Qarn::SelectValue(m_pDashCap, kDashCaps, pen->GetDashCap());
        Qarn::SelectValue(m_pLineCap, kLineCaps, pen->GetLineCap());
        Qarn::SelectValue(m_pJoin, kJoins, pen->GetLineJoin());
        m_pMiter->SetValue(pen->GetMeterLimit());
        m_pCompound->SetLineStyle(pen->GetQarnLineStyle());
        Qarn::SelectValue(m_pAlignment, kAlignments, pen->GetPenAlignment());
        m_pPaint->Load(*pen->GetBrush());
        m_pPreview->SetPen(*pen);
    }
    EnableFields();
}

void CQarnLinePage::EnableFields() {
    m_pFields->setEnabled(m_bHasPen && m_pDrawLine->isChecked());
}

// The fields into a pen; a field that does not hold a number leaves its value.
static void ApplyFields(const CQarnLinePage& page, CQarnPenProperty& pen) {
    if (const std::optional<double> width = page.GetWidthEdit()->GetValue()) {
        pen.SetLineWidth(float(*width));
    }
    pen.SetDashStyle(page.GetDashWell()->GetDashStyle());
    pen.SetDashCap(BYTE(Qarn::SelectedValue(page.GetDashCapBox(), kDashCaps, pen.GetDashCap())));
    pen.SetLineCap(BYTE(Qarn::SelectedValue(page.GetLineCapBox(), kLineCaps, pen.GetLineCap())));
    pen.SetLineJoin(BYTE(Qarn::SelectedValue(page.GetJoinBox(), kJoins, pen.GetLineJoin())));
    if (const std::optional<double> limit = page.GetMiterEdit()->GetValue()) {
        pen.SetMeterLimit(BYTE(*limit));
    }
    pen.SetQarnLineStyle(page.GetCompoundWell()->GetLineStyle());
    pen.SetPenAlignment(
        BYTE(Qarn::SelectedValue(page.GetAlignmentBox(), kAlignments, pen.GetPenAlignment())));
    // A paint of another kind than a plain colour makes the pen's paint a full brush first.
    pen.SetBrushType(page.GetPaintEditor()->GetBrushType());
    page.GetPaintEditor()->Store(*pen.GetBrush());
}

void CQarnLinePage::Store(CQarnAppearance& appearance) const {
    CQarnPenProperty* pen = appearance.GetPen();
    if (pen == nullptr) {
        return;
    }
    appearance.SetStyleBit(QARN_STYLE_DRAWLINE, m_pDrawLine->isChecked());
    if (m_pDrawLine->isChecked()) {
        ApplyFields(*this, *pen);
    }
}

void CQarnLinePage::UpdatePreview() {
    CQarnPenProperty sample;
    sample.Copy(&m_pPreview->GetPen());
    ApplyFields(*this, sample);
    m_pPreview->SetPen(sample);
}

QList<CQarnNumberEdit*> CQarnLinePage::GetCheckedFields() const {
    if (!m_bHasPen || !m_pDrawLine->isChecked()) {
        return {};
    }
    return {m_pWidth, m_pMiter};
}

QString CQarnLinePage::CheckValues(QWidget** field) const {
    if (!m_bHasPen || !m_pDrawLine->isChecked()) {
        return QString();
    }
    return m_pPaint->CheckValues(field);
}
