#include "controls/warning.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

Qarn::WarningHandler& Handler() {
    static Qarn::WarningHandler handler;
    return handler;
}

}  // namespace

namespace Qarn {

void ShowWarning(QWidget* parent, const QString& text) {
    if (Handler()) {
        Handler()(parent, text);
        return;
    }
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

WarningHandler SetWarningHandler(WarningHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace Qarn
