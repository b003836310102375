#pragma once
// A raised button: a face inset from the frame, with four sloped borders around it; the
// right and bottom borders are drawn darker, as if lit from the top left. The free handle
// sets the width of the borders (see inset_handle.h), kept as a fraction of the shorter side
// however the frame is moved or sized.

#include "shapes/catalogue/proportional_shape.h"

class CQarnShapeBevel : public CQarnProportionalShape {
    QARN_DECLARE_SERIAL(CQarnShapeBevel)

public:
    // The borders in the shade are drawn this much as bright as the others.
    static constexpr int kShadedBorder = 80;

    CQarnShapeBevel();
    // Borders an eighth of the longer side wide (at most half the shorter side).
    explicit CQarnShapeBevel(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    double RatioAt(PointF framePoint) const override;
    PointF HandleAt(double ratio) const override;
};
