#pragma once
// The prohibition sign: a ring with a bar from the upper left to the lower right, as wide as
// the ring. The free handle slides along the middle line and sets the ring's inner edge.
// The two openings are holes in the disc that stay open under either fill rule.

#include "shapes/shape_base.h"

class CQarnShapeNoSign : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeNoSign)

public:
    CQarnShapeNoSign();
    // A ring a quarter of the radius wide.
    explicit CQarnShapeNoSign(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
