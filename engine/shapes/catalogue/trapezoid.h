#pragma once
// Four-sided shapes on the top edge: the trapezoid (18231), narrowing to the bottom by the
// first free handle's distance from the left edge on either side, and the free trapezoid
// (18247), whose two bottom corners are the free handles. The plain trapezoid shows only its
// first handle; both are kept in the record.

#include "shapes/shape_base.h"

class CQarnShapeTrapezoid : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeTrapezoid)

public:
    CQarnShapeTrapezoid();
    // The bottom edge a quarter of the width in from either side.
    explicit CQarnShapeTrapezoid(const RectF& rect);

    // One for the plain trapezoid, two for the free one.
    int GetFreeHandleCount() const override;

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
