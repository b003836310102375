#include "setup_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSetupDlg::CSetupDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Title());
    auto* options = new QGroupBox(QStringLiteral("options"), this);
    defaultRadio_ = new QRadioButton(QStringLiteral("Default Installaion"), options);
    customRadio_ = new QRadioButton(QStringLiteral("Customized Installation"), options);
    defaultRadio_->setChecked(true);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(defaultRadio_);
    optionsLayout->addWidget(customRadio_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* continueButton =
        buttons->addButton(QStringLiteral("Continue"), QDialogButtonBox::AcceptRole);
    continueButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(buttons);
}

int CSetupDlg::GetInstallationKind() const {
    return customRadio_->isChecked() ? 1 : 0;
}
