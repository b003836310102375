#pragma once
// What the drawing pipeline needs of a shadow property: its paint, its placement relative
// to the component's rectangle and the bounds of the placed rectangle. The shadow property
// implements it.

#include "platform/rect_f.h"

class CQarnBasicBrushProperty;
class Matrix;

class CQarnShadowFacet {
public:
    virtual ~CQarnShadowFacet() = default;

    virtual CQarnBasicBrushProperty* GetBrushProperty() const = 0;
    // Multiplies m by the placement of the shadow of a component whose rectangle is r.
    virtual void GetTransformMatrix(Matrix& m, const RectF& r) const = 0;
    // The bounds of r under that placement.
    virtual RectF GetBoundRect(const RectF& r) const = 0;
};
