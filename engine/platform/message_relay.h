#pragma once
// Relaying a registered message to every top-level window of the program at once (the main
// window, and the floating panes and dialogs that follow the document's pages and layers).
// A window that wants relayed messages registers itself; it is held weakly, so a window that
// is destroyed drops out by itself.

#include "platform/win_types.h"

class QObject;

// Sends the message, synchronously and one after the other, to the main window and to every
// registered window (each once); returns how many received it.
int QarnMessageRelay(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Sends the message to the main window's descendants (objects of its tree), the direct
// children only unless `deep`; returns how many received it.
int QarnMessageBroadcast(UINT message, WPARAM wParam, LPARAM lParam, bool deep);

namespace Qarn {

void AddRelayReceiver(QObject* window);
void RemoveRelayReceiver(QObject* window);

}  // namespace Qarn
