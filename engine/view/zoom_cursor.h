#pragma once
// The magnifier cursor of the click-to-zoom modes, with a plus to zoom in or a minus to zoom
// out. Its hot spot is the centre of the lens.

#include <QCursor>

namespace Qarn {

QCursor MakeZoomCursor(bool zoomIn);

}  // namespace Qarn
