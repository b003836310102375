#include "controls/dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "controls/number_edit.h"
#include "controls/warning.h"

CQarnDialog::CQarnDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    setAccessibleName(title);
}

QDialogButtonBox* CQarnDialog::CreateButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CQarnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CQarnDialog::reject);
    return buttons;
}

void CQarnDialog::CheckOnAccept(CQarnNumberEdit* field) {
    m_CheckedFields.append(field);
}

bool CQarnDialog::Validate() {
    for (const QPointer<CQarnNumberEdit>& field : m_CheckedFields) {
        if (field == nullptr || !field->isEnabled()) {
            continue;
        }
        const QString problem = field->CheckValue();
        if (!problem.isEmpty()) {
            return Refuse(field, problem);
        }
    }
    return ValidateMore();
}

void CQarnDialog::accept() {
    if (Validate()) {
        OnAccepted();
        QDialog::accept();
    }
}

bool CQarnDialog::Refuse(QWidget* field, const QString& message) {
    if (field != nullptr) {
        Qarn::BringToFront(field);
    }
    Qarn::ShowWarning(this, message);
    if (field != nullptr) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->selectAll();
        }
    }
    return false;
}

namespace Qarn {

void BringToFront(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(w);
        if (tabs == nullptr) {
            continue;
        }
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget* page = tabs->widget(i);
            if (page == widget || page->isAncestorOf(widget)) {
                tabs->setCurrentIndex(i);
                break;
            }
        }
    }
}

}  // namespace Qarn
