#pragma once
// Dash patterns of a pen and the caps of the inner dash ends.

#include "platform/win_types.h"

enum DashStyle {
    DashStyleSolid = 0,
    DashStyleDash = 1,
    DashStyleDot = 2,
    DashStyleDashDot = 3,
    DashStyleDashDotDot = 4,
    DashStyleCustom = 5,
};

enum DashCap {
    DashCapFlat = 0,
    DashCapRound = 2,
    DashCapTriangle = 3,
};
