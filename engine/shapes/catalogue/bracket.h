#pragma once
// A square bracket with rounded corners: the left bracket (18242) and the right one (18243),
// which is made on a frame of negative width and so is the left one mirrored. The free
// handle lies on the bracket's upright and marks where the corner curves meet it.

#include "shapes/shape_base.h"

class CQarnShapeBracket : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeBracket)

public:
    CQarnShapeBracket();
    // Corner curves a twelfth of the height.
    explicit CQarnShapeBracket(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
