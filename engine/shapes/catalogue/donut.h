#pragma once
// A ring: the frame's ellipse with a hole about the same centre. The free handle is the hole's
// top-left corner, so the ring can be thicker at the sides than at the top and bottom.

#include "shapes/shape_base.h"

class CQarnShapeDonut : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeDonut)

public:
    CQarnShapeDonut();
    // A ring a quarter of the frame thick on every side.
    explicit CQarnShapeDonut(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
