#include "controls/well_items.h"

#include <QPainter>

namespace Qarn {

QColor SampleInk(const QPainter& painter) {
    return painter.pen().color();
}

}  // namespace Qarn
