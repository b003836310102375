#include "controls/message_beep.h"

#include <QApplication>

namespace {

int& BeepCount() {
    static int count = 0;
    return count;
}

}  // namespace

void MessageBeep(UINT) {
    ++BeepCount();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QApplication::beep();
    }
}

int GetMessageBeepCount() {
    return BeepCount();
}
