#pragma once
// A pair of brackets facing each other across the frame, as drawn around a text: the double
// bracket (18240), whose corners are rounded, and the double brace (18241), two curly braces
// with their tips outwards. The free handle sets the radius of the curves: on the left edge
// of a frame at least as wide as high, on the top edge of a taller one. The radius is kept as
// a fraction of the longer side however the frame is moved or sized, and never exceeds what
// the shorter side leaves room for.

#include "shapes/catalogue/proportional_shape.h"

class CQarnShapeDoubleBrace : public CQarnProportionalShape {
    QARN_DECLARE_SERIAL(CQarnShapeDoubleBrace)

public:
    static constexpr double kDefaultRatio = 1.0 / 12.0;

    CQarnShapeDoubleBrace();
    // Curves a twelfth of the longer side in radius.
    explicit CQarnShapeDoubleBrace(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    double RatioAt(PointF framePoint) const override;
    PointF HandleAt(double ratio) const override;

private:
    // Whether the handle lies on the left edge (else on the top edge).
    bool AlongLeftEdge() const;
    // The largest radius the frame has room for.
    float LargestRadius() const;
    // The radius the handle sets, within that room.
    float Radius() const;
};
