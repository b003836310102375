#pragma once
// Base of the library's dialogs: OK (the default button, Enter) and Cancel (Escape) at the
// bottom, and a check of every field before OK closes the dialog. A refused value is named in
// a warning and gets the focus (its page is brought to the front); nothing is clamped.

#include <QDialog>
#include <QList>
#include <QPointer>

class CQarnNumberEdit;
class QDialogButtonBox;
class QBoxLayout;

class CQarnDialog : public QDialog {
    Q_OBJECT

public:
    CQarnDialog(const QString& title, QWidget* parent);

    // Checks the fields, then the dialog's own rules; closes with OK only when all hold.
    void accept() override;
    // The check OK makes, without closing: true when every value is acceptable (the first
    // refusal is shown).
    bool Validate();

protected:
    // OK and Cancel, for the bottom of the dialog's layout.
    QDialogButtonBox* CreateButtons();
    // A field whose value OK checks (while it is enabled), in the order given.
    void CheckOnAccept(CQarnNumberEdit* field);
    // Rules beyond the single fields: true when they hold; otherwise call Refuse and answer
    // false.
    virtual bool ValidateMore() { return true; }
    // Every check passed and the dialog is about to close with OK: take the fields' values.
    virtual void OnAccepted() {}
    // Shows the message, brings the field's page to the front and focuses the field; false.
    bool Refuse(QWidget* field, const QString& message);

private:
    QList<QPointer<CQarnNumberEdit>> m_CheckedFields;
};

namespace Qarn {

// Makes every tab page holding the widget the current one, so the widget can be seen.
void BringToFront(QWidget* widget);

}  // namespace Qarn
