#pragma once
// Helpers of the control and dialog tests: warnings taken instead of shown, keys typed into a
// widget, and the bytes a component's record holds.

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "controls/warning.h"
#include "core/component.h"
#include "support/stored_record.h"

// Takes every warning a dialog shows while it lives.
class WarningCatcher {
public:
    WarningCatcher() {
        m_Previous = Qarn::SetWarningHandler(
            [this](QWidget*, const QString& text) { warnings.append(text); });
    }
    ~WarningCatcher() { Qarn::SetWarningHandler(m_Previous); }
    WarningCatcher(const WarningCatcher&) = delete;
    WarningCatcher& operator=(const WarningCatcher&) = delete;

    QStringList warnings;

private:
    Qarn::WarningHandler m_Previous;
};

// Replaces the text of a line edit as a user would: select all, type.
inline void TypeInto(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The component's record as a file holds it.
inline QByteArray RecordOf(CQarnComponent& component) {
    return StoredRecord(component);
}
