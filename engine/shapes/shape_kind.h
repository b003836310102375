#pragma once
// One kind of shape that the drawing tools make by shape id: its class, the word of its
// generated names, and how to make one.

#include <QString>
#include <functional>

#include "platform/rect_f.h"

class CQarnComponent;
struct CRuntimeClass;

struct CQarnShapeKind {
    // A new component of the kind on the rectangle, with the shape id stored and the settings
    // the id gets after construction.
    using Factory = std::function<CQarnComponent*(const RectF& rect)>;

    int shapeId = 0;
    // Null while only the word of the id is known and its class is still to come.
    const CRuntimeClass* runtimeClass = nullptr;
    // The word of generated names ("Arc" in Arc-7); empty when the class name gives it.
    QString kindWord;
    Factory factory;

    bool CanCreate() const { return runtimeClass != nullptr && factory != nullptr; }
};
