#pragma once
// What the drawing pipeline needs of a text property: drawing its text into a rectangle with
// a paint (its own colour when none is given). The text property implements it.

#include "platform/rect_f.h"

class CQarnBasicBrushProperty;
class Graphics;

class CQarnTextFacet {
public:
    virtual ~CQarnTextFacet() = default;

    virtual void Draw(Graphics* graphics, const RectF& rect, CQarnBasicBrushProperty* paint) = 0;
    // Readies what drawing reads (a paint's picture), on the thread that owns the document:
    // drawing afterwards writes nothing, so several threads may draw the text at once.
    virtual void PrepareForDrawing() {}
};
