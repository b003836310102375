#pragma once
// The cursors of the drawing tools that the platform does not have: a turning arrow for the
// rotate tool, a pen for the scribble tool, open and closed hands for panning come from Qt.

#include <QCursor>

namespace Qarn {

// A circular arrow: a drag turns what is under it.
QCursor RotateCursor();
// A pen nib: a drag draws freehand. The hot spot is the tip.
QCursor PenCursor();

}  // namespace Qarn
