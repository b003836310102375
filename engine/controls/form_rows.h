#pragma once
// Rows of the property pages and dialogs: a label with a mnemonic that moves the focus to its
// field, and a field that carries the label's words as its accessible name.

#include <QString>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QWidget;

namespace Qarn {

// The label's text without its mnemonic marks and trailing colon ("&Width:" -> "Width").
QString PlainLabelText(const QString& label);
// Adds "label  field" to the form; the label's mnemonic focuses the field, and the field gets
// the label's words as its accessible name unless it has one. Returns the label.
QLabel* AddFormRow(QFormLayout* form, const QString& label, QWidget* field);
// A check box with a mnemonic whose accessible name is its text.
QCheckBox* CreateCheckBox(const QString& text, QWidget* parent = nullptr);
// A drop-down list of the texts, item i standing for value i.
QComboBox* CreateChoice(const QStringList& texts, QWidget* parent = nullptr);

}  // namespace Qarn
