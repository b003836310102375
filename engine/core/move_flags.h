#pragma once
// Flags of MoveTo, MoveHandleTo and the point moves.

#include "platform/win_types.h"

constexpr DWORD kMoveInvalidate = 0x1;   // redraw the component where it was and is
constexpr DWORD kMoveOutline = 0x2;      // without 1: ask the active view for an outline
constexpr DWORD kMoveMembers = 0x4;      // groups: move the members too
constexpr DWORD kMoveKeepRatio = 0x100;  // sizing keeps the aspect ratio
// A sizing drag is in progress: the rotate centre stays until the drag ends. Tools pass it;
// the model never asks the interface whether a drag is going on.
constexpr DWORD kMoveSizing = 0x200;
