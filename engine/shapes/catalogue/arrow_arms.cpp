#include "shapes/catalogue/arrow_arms.h"

#include <algorithm>

#include "shapes/catalogue/arrow_head.h"
#include "shapes/catalogue/arrow_outline.h"

namespace {

float Between(float v, float low, float high) {
    return std::max(low, std::min(v, high));
}

}  // namespace

void CQarnArrowArms::Fit(float width, float height) {
    vertical.headHalf = Between(vertical.headHalf, 0, width / 2);
    vertical.shaftHalf = Between(vertical.shaftHalf, 0, vertical.headHalf);
    horizontal.headHalf = Between(horizontal.headHalf, 0, height / 2);
    horizontal.shaftHalf = Between(horizontal.shaftHalf, 0, horizontal.headHalf);
    horizontalAxis = Between(horizontalAxis, horizontal.headHalf, height - horizontal.headHalf);
    // A head ends where the crossing begins at the latest.
    horizontal.headLength = Between(horizontal.headLength, 0, width / 2 - vertical.shaftHalf);
    const float above = horizontalAxis - horizontal.shaftHalf;
    const float below = height - horizontalAxis - horizontal.shaftHalf;
    vertical.headLength =
        Between(vertical.headLength, 0, std::min(up ? above : below, down ? below : above));
    // Where a vertical head reaches down (or up) beside the horizontal heads, it is narrowed
    // to pass between them.
    const float hl = vertical.headLength;
    const bool besideHeads = (up && hl > horizontalAxis - horizontal.headHalf) ||
                             (down && hl > height - horizontalAxis - horizontal.headHalf);
    if (besideHeads && (left || right)) {
        vertical.headHalf = std::min(vertical.headHalf, width / 2 - horizontal.headLength);
        vertical.shaftHalf = std::min(vertical.shaftHalf, vertical.headHalf);
    }
}

GraphicsPath CQarnArrowArms::Build(const RectF& frame) const {
    const float width = CQarnArrowOutline::Along(frame);
    const float height = CQarnArrowOutline::Across(frame);
    const float cu = width / 2;
    const float cv = horizontalAxis;
    const float su = vertical.shaftHalf;
    const float sv = horizontal.shaftHalf;
    const auto profile = [](const Arm& arm) {
        return CQarnArrowHead(CQarnArrowHead::kTriangle, arm.headLength, arm.headHalf,
                              arm.shaftHalf)
            .Profile();
    };
    CQarnArrowOutline outline(CQarnArrowOutline::FrameMap(frame));
    // Clockwise from the crossing's top-left corner; each arm is entered along the edge it
    // leaves the crossing by.
    outline.LineTo(PointF(cu - su, cv - sv));
    if (up) {
        outline.AddProfile(profile(vertical), PointF(cu, 0), PointF(0, 1), PointF(-1, 0));
    }
    outline.LineTo(PointF(cu + su, cv - sv));
    if (right) {
        outline.AddProfile(profile(horizontal), PointF(width, cv), PointF(-1, 0), PointF(0, -1));
    }
    outline.LineTo(PointF(cu + su, cv + sv));
    if (down) {
        outline.AddProfile(profile(vertical), PointF(cu, height), PointF(0, -1), PointF(1, 0));
    }
    outline.LineTo(PointF(cu - su, cv + sv));
    if (left) {
        outline.AddProfile(profile(horizontal), PointF(0, cv), PointF(1, 0), PointF(0, 1));
    }
    return outline.Finish();
}
