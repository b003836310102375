#pragma once
// The shapes without free handles that the drawing commands make: the rectangle (18228), the
// ellipse (18218), the right triangle (18229) and the heart (18238). The shape id chooses the
// outline; an id of none of them draws nothing.

#include "shapes/shape_base.h"

class CQarnShapeFixed : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeFixed)

public:
    CQarnShapeFixed();
    // A rectangle until the tool stores the id it was drawn with.
    explicit CQarnShapeFixed(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
};
