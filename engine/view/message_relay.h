#pragma once
// Delivery of a registered message to more than one window.

#include "platform/win_types.h"

namespace Qarn {

// Sends the message, one window after the other, to every top-level window of the program;
// returns the number of windows reached.
int QarnMessageRelay(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace Qarn
