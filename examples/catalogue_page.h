#pragma once
// The catalogue page: every shape kind of the shape registry twice, once as it is made (the
// free handles where the kind puts them) and once with every free handle moved, each pair
// captioned with its shape id and name. Kinds registered later appear without any change
// here. The example program writes it as a document (make_catalogue.cpp); the tests compare
// its SVG export with the page as the program draws it.

#include <QList>

class CQarnComponent;
class CQarnDoc;

namespace Qarn::Examples {

// The page's width: a letter page's, in document units.
constexpr int kCataloguePageWidth = 850;

// The ids of the kinds that the page shows: every registered id that makes a shape.
QList<int> CatalogueShapeIds();

// Moves every free handle of the shape most of the way to the far end of its range (the end
// farther from where it is), so the moved form differs visibly from the made one.
void MoveFreeHandles(CQarnComponent& shape);

// Gives the document's current page the letter width and the height that the kinds need,
// and fills its current layer with the catalogue. Answers how many kinds it placed.
int FillCataloguePage(CQarnDoc& doc);

}  // namespace Qarn::Examples
