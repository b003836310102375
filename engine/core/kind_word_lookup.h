#pragma once
// Where a component's generated name finds the word of its shape id. The shapes know the
// words (their registry) and install the lookup when the library is loaded; core asks
// through it without knowing any shape.

#include <QString>

namespace Qarn {

// The word of a shape id, empty when names use the class name.
using KindWordLookup = QString (*)(int shapeId);

// Installs the lookup (null: no shape id has a word).
void SetKindWordLookup(KindWordLookup lookup);
// The word of the shape id through the installed lookup; empty without one.
QString LookUpKindWord(int shapeId);

}  // namespace Qarn
