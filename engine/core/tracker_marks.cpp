#include "core/tracker_marks.h"

#include "platform/brush.h"
#include "platform/graphics.h"
#include "platform/pen.h"
#include "platform/rect_f.h"
#include "platform/solid_brush.h"

namespace Qarn {

void DrawTrackerSquare(Graphics& graphics, const PointF& p, float half, Brush& fill, Pen& outline) {
    const RectF square(p.X - half, p.Y - half, 2 * half, 2 * half);
    graphics.FillRectangle(&fill, square);
    graphics.DrawRectangle(&outline, square);
}

void DrawTrackerDiamond(Graphics& graphics, const PointF& p, float d, Pen& outline) {
    SolidBrush yellow(Color(0xFFFFFF00u));
    const PointF corners[4] = {{p.X, p.Y - d}, {p.X + d, p.Y}, {p.X, p.Y + d}, {p.X - d, p.Y}};
    graphics.FillPolygon(&yellow, corners, 4);
    graphics.DrawPolygon(&outline, corners, 4);
}

}  // namespace Qarn
