#include "controls/template_missing_message.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "shapes/template_missing_report.h"

namespace Qarn {

namespace {

bool& Pending() {
    static bool pending = false;
    return pending;
}

int& Count() {
    static int count = 0;
    return count;
}

}  // namespace

void ShowTemplateMissingMessage(CQarnAutoShape*) {
    if (Pending()) {
        return;
    }
    Pending() = true;
    ++Count();
    // Not in the middle of reading or drawing: after the work that found the instances.
    QTimer::singleShot(0, [] {
        Pending() = false;
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
            QMessageBox::warning(QApplication::activeWindow(), QCoreApplication::applicationName(),
                                 QString::fromLatin1(kTemplateMissingMessage));
        }
    });
}

int GetTemplateMissingMessageCount() {
    return Count();
}

}  // namespace Qarn
