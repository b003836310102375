#pragma once
// A sample arrow line for pickers and menus.

#include "core/arrow_type.h"
#include "platform/cpoint.h"

class CDC;

namespace Qarn {

// A black line of width 2 from `from` to `to` with the heads and sizes given.
void DrawArrow(ArrowType start, ArrowType end, int startSize, int endSize, POINT from, POINT to,
               CDC* dc);

}  // namespace Qarn
