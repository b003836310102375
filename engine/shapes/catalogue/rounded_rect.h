#pragma once
// The rounded-rectangle family: the frame with its corners treated alike by one inset — the
// cross (18213), the hexagon (18221), the octagon (18222), the rounded rectangle (18230) and
// the plaque (18239). The free handle sets the inset (see inset_handle.h), which is kept as
// a fraction of the shorter side however the frame is moved or sized.

#include "shapes/catalogue/proportional_shape.h"

class CQarnShapeRoundedRect : public CQarnProportionalShape {
    QARN_DECLARE_SERIAL(CQarnShapeRoundedRect)

public:
    static constexpr double kDefaultRatio = 1.0 / 6.0;

    CQarnShapeRoundedRect();
    // Corners a sixth of the shorter side deep.
    explicit CQarnShapeRoundedRect(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    double RatioAt(PointF framePoint) const override;
    PointF HandleAt(double ratio) const override;
};
