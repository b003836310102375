#include "core/tracker_marks.h"

#include "platform/brush.h"
#include "platform/graphics.h"
#include "platform/pen.h"
#include "platform/rect_f.h"
#include "platform/solid_brush.h"

namespace Qarn {

namespace {

constexpr float kSquareHalf = 3.0f;
constexpr float kDiamondReach = 4.0f;
constexpr float kDotAcross = 7.0f;

}  // namespace

void DrawTrackerSquare(Graphics& graphics, const PointF& p, float half, Brush& fill, Pen& outline) {
    const RectF square(p.X - half, p.Y - half, 2 * half, 2 * half);
    graphics.FillRectangle(&fill, square);
    graphics.DrawRectangle(&outline, square);
}

void DrawTrackerDiamond(Graphics& graphics, const PointF& p, float d, Brush& fill, Pen& outline) {
    const PointF corners[4] = {{p.X, p.Y - d}, {p.X + d, p.Y}, {p.X, p.Y + d}, {p.X - d, p.Y}};
    graphics.FillPolygon(&fill, corners, 4);
    graphics.DrawPolygon(&outline, corners, 4);
}

void DrawTrackerMark(Graphics& graphics, const CQarnHandle::TrackerMark& mark, const PointF& p,
                     bool active, float scale) {
    SolidBrush fill(active ? mark.active : mark.selected);
    Pen outline(Color(Color::Black), scale);
    switch (mark.shape) {
        case CQarnHandle::TrackerMark::Shape::Square:
            graphics.SetSmoothingMode(SmoothingModeHighSpeed);
            DrawTrackerSquare(graphics, p, kSquareHalf * scale, fill, outline);
            break;
        case CQarnHandle::TrackerMark::Shape::Diamond:
            graphics.SetSmoothingMode(SmoothingModeHighSpeed);
            DrawTrackerDiamond(graphics, p, kDiamondReach * scale, fill, outline);
            break;
        case CQarnHandle::TrackerMark::Shape::Dot: {
            graphics.SetSmoothingMode(SmoothingModeAntiAlias);
            const float d = kDotAcross * scale;
            graphics.FillEllipse(&fill, RectF(p.X - d / 2, p.Y - d / 2, d, d));
            break;
        }
    }
}

}  // namespace Qarn
