#pragma once
// A banner ribbon: a front panel with two ends hanging lower behind it, swallow-tail notches
// on their outer edges and darker folds where they turn under the panel.
//
// Free handle 1 lies on the top edge and sets where the panel starts (between an eighth and
// three eighths of the width from either end); free handle 2 lies on the vertical middle
// line at the panel's lower edge and sets how much lower the ends hang (up to half the
// height).

#include "shapes/shape_base.h"

class CQarnShapeRibbon : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeRibbon)

public:
    CQarnShapeRibbon();
    // The panel starts a quarter of the width in; the ends hang a sixth of the height lower.
    explicit CQarnShapeRibbon(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
