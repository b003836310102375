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
        {18213, "Cross"},         {18215, "Can"},         {18216, "Diamond"},
        {18217, "Ring"},          {18218, "Ellipse"},     {18221, "Hexagon"},
        {18222, "Octagon"},       {18226, "Pentagon"},    {18228, "Rectangle"},
        {18229, "RightTriangle"}, {18230, "RoundedRect"}, {18231, "Trapezoid"},
        {18238, "Heart"},         {18239, "Plaque"},      {18247, "FreeTrapezoid"},
        {18248, "FreeSquare"},    {18301, "Wave2"},
    };
    for (const Word& w : kWords) {
        Qarn::RegisterShapeKindWord(w.shapeId, w.word);
    }
    return true;
}

[[maybe_unused]] const bool kCatalogueWords = RegisterCatalogueWords();

}  // namespace
