#include "controls/arrow_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/appearance.h"
#include "controls/arrow_sample.h"
#include "controls/arrow_well.h"
#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "properties/arrow_property.h"

CQarnArrowPage::CQarnArrowPage(QWidget* parent) : CQarnPropertyPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* ends = new QHBoxLayout();
    auto* startBox = new QGroupBox(tr("Start"), this);
    auto* startForm = new QFormLayout(startBox);
    m_pStart = new CQarnArrowWell(CQarnArrowHeadItems::End::Start, startBox);
    Qarn::AddFormRow(startForm, tr("&Head:"), m_pStart);
    m_pStartSize = new CQarnNumberEdit(tr("Start arrow size"), 0, 255, 0, startBox);
    Qarn::AddFormRow(startForm, tr("&Size:"), m_pStartSize);
    ends->addWidget(startBox);

    auto* endBox = new QGroupBox(tr("End"), this);
    auto* endForm = new QFormLayout(endBox);
    m_pEnd = new CQarnArrowWell(CQarnArrowHeadItems::End::End, endBox);
    Qarn::AddFormRow(endForm, tr("H&ead:"), m_pEnd);
    m_pEndSize = new CQarnNumberEdit(tr("End arrow size"), 0, 255, 0, endBox);
    Qarn::AddFormRow(endForm, tr("Si&ze:"), m_pEndSize);
    ends->addWidget(endBox);
    layout->addLayout(ends);

    auto* note = new QLabel(tr("A head is as long as twice its size times the line width; "
                               "size 0 leaves it out."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    m_pSample = new CQarnArrowSample(this);
    layout->addWidget(m_pSample);
    layout->addStretch(1);

    connect(m_pStart, &CQarnWell::ValueChanged, this, &CQarnArrowPage::UpdateSample);
    connect(m_pEnd, &CQarnWell::ValueChanged, this, &CQarnArrowPage::UpdateSample);
    connect(m_pStartSize, &QLineEdit::textEdited, this, &CQarnArrowPage::UpdateSample);
    connect(m_pEndSize, &QLineEdit::textEdited, this, &CQarnArrowPage::UpdateSample);
}

void CQarnArrowPage::Load(const CQarnAppearance& appearance) {
    const CQarnArrowProperty* arrows = appearance.GetArrows();
    setEnabled(arrows != nullptr);
    if (arrows == nullptr) {
        return;
    }
    m_pStart->SetArrowType(arrows->GetStartArrow());
    m_pEnd->SetArrowType(arrows->GetEndArrow());
    m_pStartSize->SetValue(arrows->GetStartArrowSize());
    m_pEndSize->SetValue(arrows->GetEndArrowSize());
    UpdateSample();
}

void CQarnArrowPage::Store(CQarnAppearance& appearance) const {
    CQarnArrowProperty* arrows = appearance.GetArrows();
    if (arrows == nullptr) {
        return;
    }
    arrows->SetStartArrow(m_pStart->GetArrowType());
    arrows->SetEndArrow(m_pEnd->GetArrowType());
    if (const std::optional<double> size = m_pStartSize->GetValue()) {
        arrows->SetStartArrowSize(BYTE(*size));
    }
    if (const std::optional<double> size = m_pEndSize->GetValue()) {
        arrows->SetEndArrowSize(BYTE(*size));
    }
}

QList<CQarnNumberEdit*> CQarnArrowPage::GetCheckedFields() const {
    return isEnabled() ? QList<CQarnNumberEdit*>{m_pStartSize, m_pEndSize}
                       : QList<CQarnNumberEdit*>{};
}

void CQarnArrowPage::UpdateSample() {
    m_pSample->SetArrows(m_pStart->GetArrowType(), int(m_pStartSize->GetValue().value_or(0)),
                         m_pEnd->GetArrowType(), int(m_pEndSize->GetValue().value_or(0)));
}
