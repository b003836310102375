#pragma once
// A free triangle with a corner fixed at the bottom-left of the frame: its other two corners
// are the free handles, one sliding along the top edge and one along the right edge, so the
// triangle always spans the frame.

#include "shapes/shape_base.h"

class CQarnShapeTriangle : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeTriangle)

public:
    CQarnShapeTriangle();
    // Corners a third of the way along the top edge and two thirds down the right edge.
    explicit CQarnShapeTriangle(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
