#include "user_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

QString CUserPrompt::SaveQuestion(const QString& name) {
    return QStringLiteral("Save changes to %1?").arg(name);
}

CUserPrompt::SaveAnswer CUserPrompt::AskSaveChanges(QWidget* parent, const QString& name) {
    const QMessageBox::StandardButton answer = QMessageBox::question(
        parent, QApplication::applicationDisplayName(), SaveQuestion(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return Save;
    }
    return answer == QMessageBox::Discard ? Discard : Cancel;
}

QString CUserPrompt::AskOpenFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(),
                                        filter + QStringLiteral(";;All Files (*)"));
}

QString CUserPrompt::AskSaveFileName(QWidget* parent, const QString& suggested,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), suggested, filter);
}

void CUserPrompt::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}
