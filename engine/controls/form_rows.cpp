#include "controls/form_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace Qarn {

QString PlainLabelText(const QString& label) {
    QString text = label;
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

QLabel* AddFormRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    if (field->accessibleName().isEmpty()) {
        field->setAccessibleName(PlainLabelText(label));
    }
    form->addRow(caption, field);
    return caption;
}

QCheckBox* CreateCheckBox(const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setAccessibleName(PlainLabelText(text));
    return box;
}

QComboBox* CreateChoice(const QStringList& texts, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems(texts);
    return box;
}

}  // namespace Qarn
