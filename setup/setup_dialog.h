#pragma once
// The installer launcher's main dialog: the choice between the default and a customised
// installation.

#include <QDialog>

class QRadioButton;

class CSetupDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSetupDlg(QWidget* parent = nullptr);

    static QString Title() { return QStringLiteral("Qarn Inkvane Setup"); }
    // 0 default, 1 customised.
    int GetInstallationKind() const;

private:
    QRadioButton* defaultRadio_;
    QRadioButton* customRadio_;
};
