#pragma once
// Registered window messages: process-wide identifiers handed out by name, delivered to a
// QObject either at once (SendMessage) or through the event queue (PostMessage). A receiver
// handles them in QObject::event() by looking for CMessageEvent::EventType().

#include <QString>

#include "platform/win_types.h"

class QObject;

// The identifier of the named message; the same name (ignoring case) always gives the same
// identifier, counted upwards from 0xC000. An empty name gives 0.
UINT RegisterWindowMessage(const QString& name);
// The name a registered identifier was given, or an empty string.
QString GetRegisteredMessageName(UINT message);

// Delivers the message synchronously and returns the receiver's result (0 without target).
LRESULT SendMessage(QObject* target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message for the target; false without target.
bool PostMessage(QObject* target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The application's main window, the receiver of most of the library's notifications.
QObject* AfxGetMainWnd();
void AfxSetMainWnd(QObject* mainWindow);
