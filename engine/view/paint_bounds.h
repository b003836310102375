#pragma once
// Where a component can paint, for the spatial index. The document's bounds of a component
// keep room for arrow heads of the pen's width times their sizes (8 pen widths by default)
// whether or not the component shows any; on a page of small shapes that room makes each box
// many times the shape. A shape of the base drawing kinds that shows no arrow heads (a closed
// figure, or both ends without a head) paints within the same bounds less that room.

#include "platform/crect.h"

class CQarnComponent;

namespace Qarn {

CRect PaintBounds(CQarnComponent* component);

}  // namespace Qarn
