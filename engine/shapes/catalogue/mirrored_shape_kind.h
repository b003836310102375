#pragma once
// Registers a kind whose shape is made on its rectangle mirrored left to right (the same
// area, a negative width): the right-hand bracket and brace are the left-hand ones drawn
// that way. The settings, when given, are applied after the id is stored.

#include "shapes/shape_registry.h"

namespace Qarn {

template <class Shape>
bool RegisterMirroredShapeKind(int shapeId, const char* kindWord,
                               void (*settings)(Shape&) = nullptr) {
    CQarnShapeKind kind;
    kind.shapeId = shapeId;
    kind.runtimeClass = Shape::ThisClass();
    kind.kindWord = QString::fromLatin1(kindWord);
    kind.factory = [shapeId, settings](const RectF& rect) -> CQarnComponent* {
        auto* shape = new Shape(RectF(rect.X + rect.Width, rect.Y, -rect.Width, rect.Height));
        shape->SetShapeID(shapeId);
        if (settings != nullptr) {
            settings(*shape);
        }
        return shape;
    };
    return RegisterShapeKind(kind);
}

}  // namespace Qarn
