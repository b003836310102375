#pragma once
// A can standing upright: an elliptical lid on a body whose front edge is the lower half of
// the bottom ellipse. The free handle, on the vertical middle line, sets the lid's height;
// with the handle on the top edge the can is a plain rectangle.

#include "shapes/shape_base.h"

class CQarnShapeCylinder : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeCylinder)

public:
    CQarnShapeCylinder();
    // A lid half as high as the frame's upper half.
    explicit CQarnShapeCylinder(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
