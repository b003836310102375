// The name words of auto-shape kinds whose classes are still to come, so that components
// carrying their shape ids (read from files, pasted) are named as they will be. A class that
// registers its kind for one of these ids takes the id over, whichever is loaded first; its
// line here can then go.
#include "shapes/shape_registry.h"

namespace {

bool RegisterCatalogueWords() {
    struct Word {
        int shapeId;
        const char* word;
    };
    static const Word kWords[] = {
        {18211, "BlockArc"},
    };
    for (const Word& w : kWords) {
        Qarn::RegisterShapeKindWord(w.shapeId, w.word);
    }
    return true;
}

[[maybe_unused]] const bool kCatalogueWords = RegisterCatalogueWords();

}  // namespace
