#include "platform/message_relay.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/window_messages.h"

namespace {

QList<QPointer<QObject>>& Receivers() {
    static QList<QPointer<QObject>> receivers;
    return receivers;
}

}  // namespace

int QarnMessageRelay(UINT message, WPARAM wParam, LPARAM lParam) {
    // Held weakly: a receiver may close other windows while it handles the message.
    QList<QPointer<QObject>> targets;
    if (QObject* main = AfxGetMainWnd()) {
        targets.append(main);
    }
    for (const QPointer<QObject>& receiver : Receivers()) {
        if (receiver != nullptr && !targets.contains(receiver)) {
            targets.append(receiver);
        }
    }
    int delivered = 0;
    for (const QPointer<QObject>& target : targets) {
        if (target != nullptr) {
            SendMessage(target, message, wParam, lParam);
            ++delivered;
        }
    }
    return delivered;
}

int QarnMessageBroadcast(UINT message, WPARAM wParam, LPARAM lParam, bool deep) {
    QObject* main = AfxGetMainWnd();
    if (main == nullptr) {
        return 0;
    }
    const Qt::FindChildOptions options =
        deep ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
    QList<QPointer<QObject>> targets;
    for (QObject* child : main->findChildren<QObject*>(QString(), options)) {
        targets.append(child);
    }
    int delivered = 0;
    for (const QPointer<QObject>& target : targets) {
        if (target != nullptr) {
            SendMessage(target, message, wParam, lParam);
            ++delivered;
        }
    }
    return delivered;
}

namespace Qarn {

void AddRelayReceiver(QObject* window) {
    QList<QPointer<QObject>>& receivers = Receivers();
    receivers.removeIf([](const QPointer<QObject>& r) { return r.isNull(); });
    if (window != nullptr && !receivers.contains(window)) {
        receivers.append(window);
    }
}

void RemoveRelayReceiver(QObject* window) {
    Receivers().removeIf(
        [window](const QPointer<QObject>& r) { return r.isNull() || r == window; });
}

}  // namespace Qarn
