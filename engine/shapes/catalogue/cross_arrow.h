#pragma once
// An arrow of four arms, a head on each, crossing in the middle like a plus sign. Its free
// handles are those of the T arrow (the up head's barb, where the head meets its shaft); all
// four arms take the same measures, so the arms are equally thick both ways, held to what
// fits the frame's shorter side.

#include "shapes/catalogue/t_arrow.h"

class CQarnShapeCrossArrow : public CQarnShapeTArrow {
    QARN_DECLARE_SERIAL(CQarnShapeCrossArrow)

public:
    CQarnShapeCrossArrow();
    explicit CQarnShapeCrossArrow(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    CQarnArrowArms Arms() const override;
};
