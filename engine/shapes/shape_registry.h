#pragma once
// The shape kinds by shape id. Each kind registers itself beside its class when the library
// is loaded, in one line:
//
//     [[maybe_unused]] const bool kPie = Qarn::RegisterShapeKind<CQarnArcPie>(18227, "Pie");
//
// with an optional settings function for what the id changes after construction. Nothing
// else lists the kinds. The registry also gives the component base the words of generated
// names (core/kind_word_lookup.h).

#include <QList>
#include <QString>

#include "core/component.h"
#include "shapes/shape_kind.h"

namespace Qarn {

// What the shape tool says for a shape id without a kind.
inline constexpr const char* kCannotCreateShapeMessage = "Cannot create the shape!";

// Registers a kind with a class and a factory. False, changing nothing, when either is
// missing or the id already has a kind with a class (the first one stays).
bool RegisterShapeKind(const CQarnShapeKind& kind);
// Registers only the word of an id whose class is still to come; a kind with a class for the
// same id, registered before or after, takes its place. False when the id already has a
// word or a kind.
bool RegisterShapeKindWord(int shapeId, const char* kindWord);

// Registers `Shape` under the id: the factory constructs it on the rectangle, stores the id
// and then applies the settings (when given).
template <class Shape>
bool RegisterShapeKind(int shapeId, const char* kindWord, void (*settings)(Shape&) = nullptr) {
    CQarnShapeKind kind;
    kind.shapeId = shapeId;
    kind.runtimeClass = Shape::ThisClass();
    kind.kindWord = QString::fromLatin1(kindWord);
    kind.factory = [shapeId, settings](const RectF& rect) -> CQarnComponent* {
        auto* shape = new Shape(rect);
        shape->SetShapeID(shapeId);
        if (settings != nullptr) {
            settings(*shape);
        }
        return shape;
    };
    return RegisterShapeKind(kind);
}

// The kind of the id (also one known only by its word), or null.
const CQarnShapeKind* FindShapeKind(int shapeId);
// A new component of the id's kind on the rectangle (not yet in any layer), or null when the
// id has no kind with a class.
CQarnComponent* CreateShape(int shapeId, const RectF& rect);
// The word of generated names for the id; empty when the class name gives it.
QString GetShapeKindWord(int shapeId);
// Every registered id, ascending.
QList<int> GetShapeKindIDs();

}  // namespace Qarn
