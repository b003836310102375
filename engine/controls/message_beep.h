#pragma once
// The platform's warning sound.

#include "platform/win_types.h"

constexpr UINT MB_ICONEXCLAMATION = 0x30;

// Sounds the warning beep (when a window system is there) and counts it.
void MessageBeep(UINT type);
// How many beeps have sounded; lets callers and tests see that one did.
int GetMessageBeepCount();
