#pragma once
// The type byte of each point of a path: the low three bits say how the point is reached,
// the high bits mark the end of a closed figure and other flags.

#include "platform/win_types.h"

enum PathPointType : BYTE {
    PathPointTypeStart = 0,
    PathPointTypeLine = 1,
    PathPointTypeBezier = 3,
    PathPointTypePathTypeMask = 0x07,
    PathPointTypeDashMode = 0x10,
    PathPointTypePathMarker = 0x20,
    PathPointTypeCloseSubpath = 0x80,
};

// Paths are flattened to lines no further than this from their curves unless told otherwise.
constexpr float FlatnessDefault = 0.25f;
