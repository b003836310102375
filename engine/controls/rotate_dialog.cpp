#include "controls/rotate_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/form_rows.h"
#include "controls/number_edit.h"

CQarnRotateDialog::CQarnRotateDialog(float initialAngle, QWidget* parent)
    : CQarnDialog(tr("Rotate Angle"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_pAngle = new CQarnNumberEdit(tr("Angle"), -360.0, 360.0, 2, this);
    m_pAngle->SetValue(initialAngle);
    Qarn::AddFormRow(form, tr("&Angle (degrees):"), m_pAngle);
    layout->addLayout(form);
    auto* note =
        new QLabel(tr("Positive angles turn clockwise, negative ones anticlockwise."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(CreateButtons());
    CheckOnAccept(m_pAngle);
    m_pAngle->setFocus();
    m_pAngle->selectAll();
}

float CQarnRotateDialog::GetAngle() const {
    return float(m_pAngle->GetValue().value_or(0.0));
}
