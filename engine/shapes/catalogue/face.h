#pragma once
// A smiling face: the head is the frame's ellipse, two darker eyes, and a mouth drawn as a
// curve through its corners and the free handle, which moves up and down the middle line
// from a frown to a broad smile.

#include "shapes/shape_base.h"

class CQarnShapeFace : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeFace)

public:
    // The eyes are drawn this much as bright as the head.
    static constexpr int kEyeShade = 80;

    CQarnShapeFace();
    // A straight mouth three quarters down.
    explicit CQarnShapeFace(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
