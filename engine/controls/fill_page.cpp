#include "controls/fill_page.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "controls/appearance.h"
#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "controls/paint_editor.h"
#include "controls/paint_preview.h"
#include "core/component_style.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"

namespace {

int PercentOf(BYTE alpha) {
    return int(std::lround(alpha * 100.0 / 255.0));
}

BYTE AlphaOf(int percent) {
    return BYTE(std::lround(percent * 255.0 / 100.0));
}

}  // namespace

CQarnFillPage::CQarnFillPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    m_pFill = Qarn::CreateCheckBox(tr("F&ill the shape"), this);
    layout->addWidget(m_pFill);

    m_pFields = new QWidget(this);
    auto* columns = new QHBoxLayout(m_pFields);
    columns->setContentsMargins(0, 0, 0, 0);
    m_pPaint = new CQarnPaintEditor(tr("Fill"), m_pFields);
    columns->addWidget(m_pPaint, 1);
    m_pPreview =
        new CQarnPaintPreview(CQarnPaintPreview::Mode::Fill, tr("Fill preview"), m_pFields);
    columns->addWidget(m_pPreview, 1);
    layout->addWidget(m_pFields, 1);

    m_pFillWithPen = Qarn::CreateCheckBox(tr("Fill with the line's &paint"), this);
    layout->addWidget(m_pFillWithPen);
    m_pWinding =
        Qarn::CreateCheckBox(tr("Fill where the outline overlaps itself (&winding rule)"), this);
    layout->addWidget(m_pWinding);
    auto* form = new QFormLayout();
    m_pOpacity = new CQarnNumberEdit(tr("Opacity"), 0, 100, 0, this);
    m_pOpacity->setMaximumWidth(70);
    Qarn::AddFormRow(form, tr("&Opacity of fill and line (%):"), m_pOpacity);
    layout->addLayout(form);

    connect(m_pFill, &QCheckBox::toggled, this, &CQarnFillPage::EnableFields);
    connect(m_pPaint, &CQarnPaintEditor::Changed, this, &CQarnFillPage::UpdatePreview);
}

void CQarnFillPage::Load(const CQarnAppearance& appearance) {
    const CQarnBasicBrushProperty* brush = appearance.GetBrush();
    m_bHasBrush = brush != nullptr;
    m_pFill->setChecked(appearance.HasStyle(QARN_STYLE_FILL));
    m_pFill->setEnabled(m_bHasBrush);
    m_pFillWithPen->setChecked(appearance.HasStyle(QARN_STYLE_FILLWITHPEN));
    m_pWinding->setChecked(appearance.HasStyle(QARN_STYLE_FILLWINDING));
    if (brush != nullptr) {
        m_pPaint->Load(*brush);
        m_pPreview->SetBrush(*brush);
    }
    // The opacity a component reports: its fill's, else its line paint's.
    BYTE alpha = 255;
    if (brush != nullptr) {
        alpha = brush->GetAlpha();
    } else if (const CQarnPenProperty* pen = appearance.GetPen()) {
        alpha = pen->GetBrush()->GetAlpha();
    }
    m_nLoadedOpacity = PercentOf(alpha);
    m_pOpacity->SetValue(m_nLoadedOpacity);
    m_pOpacity->setEnabled(brush != nullptr || appearance.GetPen() != nullptr);
    EnableFields();
}

void CQarnFillPage::EnableFields() {
    m_pFields->setEnabled(m_bHasBrush && m_pFill->isChecked());
}

void CQarnFillPage::Store(CQarnAppearance& appearance) const {
    appearance.SetStyleBit(QARN_STYLE_FILL, m_pFill->isChecked());
    appearance.SetStyleBit(QARN_STYLE_FILLWITHPEN, m_pFillWithPen->isChecked());
    appearance.SetStyleBit(QARN_STYLE_FILLWINDING, m_pWinding->isChecked());
    if (m_bHasBrush && m_pFill->isChecked()) {
        CQarnBasicBrushProperty* brush =
            m_pPaint->NeedsFullBrush() ? appearance.MakeFullBrush() : appearance.GetBrush();
        m_pPaint->Store(*brush);
    }
    // The opacity is written only when it was changed here, so that a colour's own opacity
    // chosen in a colour well stands.
    const std::optional<double> opacity = m_pOpacity->GetValue();
    if (opacity && int(*opacity) != m_nLoadedOpacity) {
        const BYTE alpha = AlphaOf(int(*opacity));
        if (CQarnBasicBrushProperty* brush = appearance.GetBrush()) {
            brush->SetAlpha(alpha);
        }
        if (CQarnPenProperty* pen = appearance.GetPen()) {
            pen->GetBrush()->SetAlpha(alpha);
        }
    }
}

void CQarnFillPage::UpdatePreview() {
    CQarnBrushProperty sample;
    sample.Copy(&m_pPreview->GetBrush());
    m_pPaint->Store(sample);
    m_pPreview->SetBrush(sample);
}

QList<CQarnNumberEdit*> CQarnFillPage::GetCheckedFields() const {
    if (!m_pOpacity->isEnabled()) {
        return {};
    }
    return {m_pOpacity};
}

QString CQarnFillPage::CheckValues(QWidget** field) const {
    if (!m_bHasBrush || !m_pFill->isChecked()) {
        return QString();
    }
    return m_pPaint->CheckValues(field);
}
