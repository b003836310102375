#pragma once
// A triangle standing on the bottom edge with its apex on the top edge; the free handle is
// the apex and slides along the top edge (in the middle the triangle is isosceles).

#include "shapes/shape_base.h"

class CQarnShapeIsoTriangle : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeIsoTriangle)

public:
    CQarnShapeIsoTriangle();
    // The apex in the middle of the top edge.
    explicit CQarnShapeIsoTriangle(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
