#pragma once
// A seeded page of mixed components for measuring how fast pages draw, repaint and answer hit
// tests: rectangles, ellipses, polylines, arcs and pies with solid or linear-gradient fills,
// pens 1 to 3 wide, and a text on every twentieth shape, scattered over a letter page.
//
// Shapes are sized so that a point of the page lies under a couple of shapes whatever the
// count: a page of 100,000 has smaller shapes than a page of 10,000, as a dense real drawing
// would, and the work a repaint of one spot costs stays comparable.

#include <cstdint>

class CQarnDoc;

namespace Qarn::Bench {

// The letter page, in document units (1/100 inch).
constexpr int kLetterWidth = 850;
constexpr int kLetterHeight = 1100;

// Gives the document's current page the letter size and adds `count` components to its
// current layer; the same seed gives the same page. Without `gradients` every fill is solid.
void FillMixedPage(CQarnDoc& doc, int count, std::uint32_t seed = 20261208u, bool gradients = true);

}  // namespace Qarn::Bench
