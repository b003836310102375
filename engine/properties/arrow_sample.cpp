#include "properties/arrow_sample.h"

#include <algorithm>

#include "platform/dc.h"
#include "platform/graphics.h"
#include "platform/pen.h"
#include "properties/arrow_property.h"

namespace Qarn {

void DrawArrow(ArrowType start, ArrowType end, int startSize, int endSize, POINT from, POINT to,
               CDC* dc) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    Pen pen(Color(0xFF000000u), 2.0f);
    CQarnArrowProperty arrows;
    arrows.SetStartArrow(start);
    arrows.SetEndArrow(end);
    // Sizes are stored in a byte.
    arrows.SetStartArrowSize(BYTE(std::clamp(startSize, 0, 255)));
    arrows.SetEndArrowSize(BYTE(std::clamp(endSize, 0, 255)));
    arrows.SetArrowAnchors(&pen, 0);
    graphics.DrawLine(&pen, float(from.x), float(from.y), float(to.x), float(to.y));
}

}  // namespace Qarn
