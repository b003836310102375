#include "core/kind_word_lookup.h"

namespace {

// Constant-initialised, so it is in place before any library-load registration runs.
Qarn::KindWordLookup Installed = nullptr;

}  // namespace

namespace Qarn {

void SetKindWordLookup(KindWordLookup lookup) {
    Installed = lookup;
}

QString LookUpKindWord(int shapeId) {
    return Installed != nullptr ? Installed(shapeId) : QString();
}

}  // namespace Qarn
