#include "platform/window_messages.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include "platform/message_event.h"

namespace {

struct MessageRegistry {
    QHash<QString, UINT> idsByName;  // keyed by the lower-case name
    QHash<UINT, QString> namesById;
    UINT next = 0xC000;
};

MessageRegistry& Registry() {
    static MessageRegistry registry;
    return registry;
}

QPointer<QObject>& MainWindow() {
    static QPointer<QObject> mainWindow;
    return mainWindow;
}

}  // namespace

UINT RegisterWindowMessage(const QString& name) {
    if (name.isEmpty()) {
        return 0;
    }
    MessageRegistry& registry = Registry();
    const QString key = name.toLower();
    auto found = registry.idsByName.constFind(key);
    if (found != registry.idsByName.constEnd()) {
        return found.value();
    }
    UINT id = registry.next++;
    registry.idsByName.insert(key, id);
    registry.namesById.insert(id, name);
    return id;
}

QString GetRegisteredMessageName(UINT message) {
    return Registry().namesById.value(message);
}

LRESULT SendMessage(QObject* target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (target == nullptr) {
        return 0;
    }
    CMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(target, &event);
    return event.Result();
}

bool PostMessage(QObject* target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (target == nullptr) {
        return false;
    }
    QCoreApplication::postEvent(target, new CMessageEvent(message, wParam, lParam));
    return true;
}

QObject* AfxGetMainWnd() {
    return MainWindow().data();
}

void AfxSetMainWnd(QObject* mainWindow) {
    MainWindow() = mainWindow;
}
