#pragma once
// A note with its bottom-right corner folded over: the page with the corner cut off, and the
// darker flap curling back onto it. The free handle slides along the bottom edge and sets how
// much of the corner is folded.

#include "shapes/shape_base.h"

class CQarnShapeFoldedCorner : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeFoldedCorner)

public:
    // The flap is drawn this much as bright as the page.
    static constexpr int kFlapShade = 80;

    CQarnShapeFoldedCorner();
    // An eighth of the width folded.
    explicit CQarnShapeFoldedCorner(const RectF& rect);

    CQarnComponent* Clone(CQarnLayer* layer) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
};
