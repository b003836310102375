#pragma once
// Arrows of several arms meeting in one crossing: the T arrow (up, left, right) and the
// four-way arrows. The vertical arms share one set of measures, the horizontal arms another;
// an arm that is left out leaves the crossing's edge straight. Built in the positive
// measures of CQarnArrowOutline (u across the width, v down the height).

#include "platform/graphics_path.h"
#include "platform/rect_f.h"

struct CQarnArrowArms {
    // The measures of one pair of arms: from the axis to a barb, from the axis to the shaft's
    // edge, and from the tip back to the head's back.
    struct Arm {
        float headHalf = 0.0f;
        float shaftHalf = 0.0f;
        float headLength = 0.0f;
    };

    bool up = true;
    bool down = true;
    bool left = true;
    bool right = true;
    Arm vertical;
    Arm horizontal;
    // Where the horizontal arms run (from the frame's Y edge); the vertical ones run down the
    // middle.
    float horizontalAxis = 0.0f;

    // Measures held to what fits in the frame: no head wider than the frame, no shaft wider
    // than its head, no head reaching into the crossing.
    void Fit(float width, float height);
    // The closed outline on the frame.
    GraphicsPath Build(const RectF& frame) const;
};
