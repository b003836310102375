#pragma once
// Enables or disables a window together with each of its direct child windows.

#include "platform/win_types.h"

class QWidget;

namespace Qarn {

void EnableWindows(QWidget* window, BOOL enable);

}  // namespace Qarn
