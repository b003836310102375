#pragma once
// A curly brace: the left brace (18244) and the right one (18245), which is made on a frame
// of negative width and so is the left one mirrored. The first free handle, on the middle
// line, sets how high the curves are; the second, on the tip's side, sets where the tip is.

#include "shapes/shape_base.h"

class CQarnShapeBrace : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeBrace)

public:
    CQarnShapeBrace();
    // Curves a twelfth of the height high, the tip half way down.
    explicit CQarnShapeBrace(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    // How far down the curve ends (half a curve's height) and the tip lie, inwards from the
    // frame's Y edge, within what the other one leaves.
    float CurveDepth() const;
    float TipDepth() const;
};
