#include "controls/shadow_page.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/appearance.h"
#include "controls/color_well.h"
#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "controls/shadow_items.h"
#include "controls/well_grid.h"
#include "core/component_style.h"
#include "properties/basic_brush_property.h"
#include "properties/shadow_property.h"

namespace {

// Any offset the shadow can hold.
constexpr double kLargestOffset = 2147483647.0;
// Styles from here on lay the shadow down; their offsets set its length and slant.
constexpr int kFirstLaidStyle = 12;

}  // namespace

CQarnShadowPage::CQarnShadowPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    m_pShow = Qarn::CreateCheckBox(tr("Cast a sha&dow"), this);
    layout->addWidget(m_pShow);
    m_pFields = new QWidget(this);
    auto* form = new QFormLayout(m_pFields);
    form->setContentsMargins(0, 0, 0, 0);
    m_pPlacement =
        new CQarnWellGrid(std::make_shared<CQarnShadowItems>(), tr("Shadow placement"), m_pFields);
    Qarn::AddFormRow(form, tr("&Placement:"), m_pPlacement);
    m_pXOffset = new CQarnNumberEdit(tr("Shadow X offset"), -kLargestOffset - 1.0, kLargestOffset,
                                     0, m_pFields);
    m_pXOffset->setMaximumWidth(80);
    Qarn::AddFormRow(form, tr("&X offset:"), m_pXOffset);
    m_pYOffset = new CQarnNumberEdit(tr("Shadow Y offset"), -kLargestOffset - 1.0, kLargestOffset,
                                     0, m_pFields);
    m_pYOffset->setMaximumWidth(80);
    Qarn::AddFormRow(form, tr("&Y offset:"), m_pYOffset);
    m_pOffsetNote = new QLabel(m_pFields);
    m_pOffsetNote->setWordWrap(true);
    form->addRow(QString(), m_pOffsetNote);
    m_pColor = new CQarnColorWell(tr("Shadow colour"), m_pFields);
    Qarn::AddFormRow(form, tr("&Colour:"), m_pColor);
    layout->addWidget(m_pFields, 1);
    connect(m_pShow, &QCheckBox::toggled, this, &CQarnShadowPage::EnableFields);
    connect(m_pPlacement, &CQarnWellGrid::CurrentChanged, this, &CQarnShadowPage::ExplainOffsets);
}

void CQarnShadowPage::Load(const CQarnAppearance& appearance) {
    const CQarnShadowProperty* shadow = appearance.GetShadow();
    m_bHadShadow = shadow != nullptr;
    CQarnShadowProperty fresh;
    if (shadow == nullptr) {
        shadow = &fresh;
    }
    m_pShow->setChecked(m_bHadShadow && appearance.HasStyle(QARN_STYLE_SHOWSHADE));
    m_dwLoadedStyle = shadow->GetStyle();
    m_pPlacement->SetCurSel(int(shadow->GetStyle()));
    m_pXOffset->SetValue(shadow->GetXOffset());
    m_pYOffset->SetValue(shadow->GetYOffset());
    m_pColor->SetColor(shadow->GetColor1());
    ExplainOffsets();
    EnableFields();
}

void CQarnShadowPage::EnableFields() {
    m_pFields->setEnabled(m_pShow->isChecked());
}

void CQarnShadowPage::ExplainOffsets() {
    m_pOffsetNote->setText(m_pPlacement->GetCurSel() >= kFirstLaidStyle
                               ? tr("A shadow laid down takes its length from the Y offset "
                                    "and its slant from the X offset (0: half height, half slant).")
                               : tr("Moves the shadow further, in hundredths of an inch."));
}

void CQarnShadowPage::Store(CQarnAppearance& appearance) const {
    if (!m_pShow->isChecked()) {
        if (m_bHadShadow) {
            appearance.SetStyleBit(QARN_STYLE_SHOWSHADE, false);
        }
        return;
    }
    appearance.SetStyleBit(QARN_STYLE_SHOWSHADE, true);
    CQarnShadowProperty* shadow = appearance.MakeShadow();
    // A stored style beyond the sixteen stays while none is picked.
    shadow->SetStyle(m_pPlacement->GetCurSel() >= 0 ? DWORD(m_pPlacement->GetCurSel())
                                                    : m_dwLoadedStyle);
    if (const std::optional<double> x = m_pXOffset->GetValue()) {
        shadow->SetXOffset(int(*x));
    }
    if (const std::optional<double> y = m_pYOffset->GetValue()) {
        shadow->SetYOffset(int(*y));
    }
    shadow->SetColor1(m_pColor->GetColor());
}

QList<CQarnNumberEdit*> CQarnShadowPage::GetCheckedFields() const {
    return m_pShow->isChecked() ? QList<CQarnNumberEdit*>{m_pXOffset, m_pYOffset}
                                : QList<CQarnNumberEdit*>{};
}
