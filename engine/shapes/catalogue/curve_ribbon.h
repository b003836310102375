#pragma once
// A ribbon bent into an arch: the ribbon's panel, ends and folds with every lengthwise edge
// curved so that the ends sink below the middle.
//
// Free handle 1 lies on the top edge and sets where the panel starts, as for the straight
// ribbon; free handle 2 lies on the vertical middle line at the panel's lower edge and sets
// how much lower the ends hang (up to half the band); free handle 3 lies on the left edge
// and sets how far the ends sink (up to half the height). Moving the sink keeps how low the
// ends hang, so handle 2 moves with it.

#include "shapes/shape_base.h"

class CQarnShapeCurveRibbon : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeCurveRibbon)

public:
    CQarnShapeCurveRibbon();
    // The panel a quarter of the width in, the ends sinking an eighth of the height and hanging
    // an eighth lower than the panel.
    explicit CQarnShapeCurveRibbon(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    bool SetAdjustParameter(int parameter, const PointF& framePoint) override;

private:
    // How far the ends sink, and the height of the band above that, as the handles say
    // (within their ranges).
    float Sag() const;
    float Band() const;
    float Drop() const;
};
