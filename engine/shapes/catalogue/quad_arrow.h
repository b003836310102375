#pragma once
// An arrow of four arms crossing in the middle, whose arms across the width are set apart
// from those along the height: the first two free handles are the T arrow's (the up head's
// barb, where it meets its shaft), the third, on the frame's X edge, is where the left head's
// barb lies. The horizontal shafts keep the vertical ones' part of their heads, and the heads
// are as long, for the width, as the vertical heads for the height.

#include "shapes/catalogue/t_arrow.h"

class CQarnShapeQuadArrow : public CQarnShapeTArrow {
    QARN_DECLARE_SERIAL(CQarnShapeQuadArrow)

public:
    CQarnShapeQuadArrow();
    // The T arrow's handles, and the left barb a quarter of the height from the Y edge.
    explicit CQarnShapeQuadArrow(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    CQarnArrowArms Arms() const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
