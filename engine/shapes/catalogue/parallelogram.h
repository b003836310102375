#pragma once
// Four-sided shapes whose free handle slides along the top edge: the parallelogram (18225),
// slanted by the handle's distance from the left edge, and the free square (18248), a
// quadrilateral touching each side of the frame at the same fraction, which turns within
// the frame as the handle moves.

#include "shapes/shape_base.h"

class CQarnShapeParallelogram : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeParallelogram)

public:
    CQarnShapeParallelogram();
    // Slanted by a quarter of the width.
    explicit CQarnShapeParallelogram(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
