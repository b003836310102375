#include "view/message_relay.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "platform/window_messages.h"

namespace Qarn {

int QarnMessageRelay(UINT message, WPARAM wParam, LPARAM lParam) {
    // A receiver may close windows while it handles the message.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        windows.append(w);
    }
    int reached = 0;
    for (const QPointer<QWidget>& w : windows) {
        if (w != nullptr) {
            SendMessage(w, message, wParam, lParam);
            ++reached;
        }
    }
    return reached;
}

}  // namespace Qarn
