#pragma once
// A crescent moon whose horns meet at the corners of the right edge: the outer edge is the
// left half of an ellipse centred on the right edge, the inner edge the left half of a
// narrower one. The free handle slides along the middle line and sets the inner edge.

#include "shapes/shape_base.h"

class CQarnShapeMoon : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeMoon)

public:
    CQarnShapeMoon();
    // The inner edge through the frame's centre.
    explicit CQarnShapeMoon(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
