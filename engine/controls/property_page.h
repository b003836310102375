#pragma once
// One page of the "Line & Fill" sheet: it shows part of the edited copy of a component
// (CQarnAppearance) and writes its fields back into the copy when the sheet is confirmed.

#include <QList>
#include <QWidget>

class CQarnAppearance;
class CQarnNumberEdit;

class CQarnPropertyPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The tab's caption, with its mnemonic.
    virtual QString GetTitle() const = 0;
    // The fields show the copy.
    virtual void Load(const CQarnAppearance& appearance) = 0;
    // The fields into the copy (called only after every check passed).
    virtual void Store(CQarnAppearance& appearance) const = 0;
    // The number fields OK checks.
    virtual QList<CQarnNumberEdit*> GetCheckedFields() const { return {}; }
    // Checks beyond single numbers: empty when they hold, else the message and *field.
    virtual QString CheckValues(QWidget** field) const {
        (void)field;
        return QString();
    }
};
