#include "controls/size_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "core/component.h"

namespace {

// Far beyond any page, small enough for single-precision frames.
constexpr double kLargestCoordinate = 1000000.0;

}  // namespace

CQarnSizeDialog::CQarnSizeDialog(const CQarnComponent& component, QWidget* parent)
    : CQarnDialog(tr("Size & Position"), parent),
      m_Loaded(component.GetRectF()),
      m_fLoadedAngle(component.GetRotateAngle()) {
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    auto* positionBox = new QGroupBox(tr("Position"), this);
    auto* positionForm = new QFormLayout(positionBox);
    m_pX = new CQarnNumberEdit(tr("X"), -kLargestCoordinate, kLargestCoordinate, 2, positionBox);
    Qarn::AddFormRow(positionForm, tr("&X:"), m_pX);
    m_pY = new CQarnNumberEdit(tr("Y"), -kLargestCoordinate, kLargestCoordinate, 2, positionBox);
    Qarn::AddFormRow(positionForm, tr("&Y:"), m_pY);
    columns->addWidget(positionBox);

    auto* sizeBox = new QGroupBox(tr("Size"), this);
    auto* sizeForm = new QFormLayout(sizeBox);
    m_pWidth =
        new CQarnNumberEdit(tr("Width"), -kLargestCoordinate, kLargestCoordinate, 2, sizeBox);
    Qarn::AddFormRow(sizeForm, tr("&Width:"), m_pWidth);
    m_pHeight =
        new CQarnNumberEdit(tr("Height"), -kLargestCoordinate, kLargestCoordinate, 2, sizeBox);
    Qarn::AddFormRow(sizeForm, tr("&Height:"), m_pHeight);
    m_pKeepRatio = Qarn::CreateCheckBox(tr("&Keep proportions"), sizeBox);
    sizeForm->addRow(QString(), m_pKeepRatio);
    columns->addWidget(sizeBox);
    layout->addLayout(columns);

    auto* angleForm = new QFormLayout();
    m_pAngle = new CQarnNumberEdit(tr("Angle"), -360.0, 360.0, 2, this);
    Qarn::AddFormRow(angleForm, tr("&Angle (degrees, clockwise):"), m_pAngle);
    layout->addLayout(angleForm);
    layout->addWidget(new QLabel(tr("Sizes and positions are in hundredths of an inch, before "
                                    "the object is turned."),
                                 this));
    layout->addWidget(CreateButtons());

    m_pX->SetValue(m_Loaded.X);
    m_pY->SetValue(m_Loaded.Y);
    m_pWidth->SetValue(m_Loaded.Width);
    m_pHeight->SetValue(m_Loaded.Height);
    m_pAngle->SetValue(m_fLoadedAngle);
    m_pKeepRatio->setChecked(component.IsRatioLocked());
    m_pX->setEnabled(component.CanFreeMove());
    m_pY->setEnabled(component.CanFreeMove());
    m_pWidth->setEnabled(component.CanSizeX());
    m_pHeight->setEnabled(component.CanSizeY());
    m_pKeepRatio->setEnabled(component.CanSizeX() && component.CanSizeY());
    m_pAngle->setEnabled(component.CanRotate());
    for (CQarnNumberEdit* field : {m_pX, m_pY, m_pWidth, m_pHeight, m_pAngle}) {
        CheckOnAccept(field);
    }
    connect(m_pWidth, &QLineEdit::textEdited, this,
            [this] { FollowExtent(m_pWidth, m_pHeight, true); });
    connect(m_pHeight, &QLineEdit::textEdited, this,
            [this] { FollowExtent(m_pHeight, m_pWidth, false); });
}

void CQarnSizeDialog::FollowExtent(CQarnNumberEdit* typed, CQarnNumberEdit* other,
                                   bool widthTyped) {
    if (!m_pKeepRatio->isChecked() || m_Loaded.Width == 0.0f || m_Loaded.Height == 0.0f) {
        return;
    }
    const std::optional<double> value = typed->GetValue();
    if (!value) {
        return;
    }
    const double ratio = double(m_Loaded.Height) / double(m_Loaded.Width);
    other->SetValue(widthTyped ? *value * ratio : *value / ratio);
}

bool CQarnSizeDialog::ValidateMore() {
    // A frame without extent cannot be sized back; one that had none (a straight line) may
    // keep it.
    if (m_pWidth->GetValue().value_or(1.0) == 0.0 && m_Loaded.Width != 0.0f) {
        return Refuse(m_pWidth, tr("The width must not be 0."));
    }
    if (m_pHeight->GetValue().value_or(1.0) == 0.0 && m_Loaded.Height != 0.0f) {
        return Refuse(m_pHeight, tr("The height must not be 0."));
    }
    return true;
}

CQarnSizeDialog::Values CQarnSizeDialog::GetValues() const {
    Values values;
    values.frame = RectF(float(m_pX->GetValue().value_or(m_Loaded.X)),
                         float(m_pY->GetValue().value_or(m_Loaded.Y)),
                         float(m_pWidth->GetValue().value_or(m_Loaded.Width)),
                         float(m_pHeight->GetValue().value_or(m_Loaded.Height)));
    // A field left as shown keeps the exact stored value (the field shows it rounded).
    if (!m_pX->isModified()) {
        values.frame.X = m_Loaded.X;
    }
    if (!m_pY->isModified()) {
        values.frame.Y = m_Loaded.Y;
    }
    if (!m_pWidth->isModified() && m_pWidth->text() == m_pWidth->FormatNumber(m_Loaded.Width)) {
        values.frame.Width = m_Loaded.Width;
    }
    if (!m_pHeight->isModified() && m_pHeight->text() == m_pHeight->FormatNumber(m_Loaded.Height)) {
        values.frame.Height = m_Loaded.Height;
    }
    values.angle = m_pAngle->isModified() ? float(m_pAngle->GetValue().value_or(m_fLoadedAngle))
                                          : m_fLoadedAngle;
    return values;
}

bool CQarnSizeDialog::Apply(CQarnComponent& component, const Values& values) {
    bool changed = false;
    if (!component.GetRectF().Equals(values.frame)) {
        changed = component.MoveTo(values.frame, MoveFlags::Invalidate) != 0;
    }
    const float turn = values.angle - component.GetRotateAngle();
    if (turn != 0.0f) {
        component.RotateAt(turn, component.GetCenterPointF(), 1);
        component.Invalidate(nullptr, false);
        changed = true;
    }
    return changed;
}
