#pragma once
// Lengths of the drawing (document units, 1/100 inch) as the status bar and the distance pane
// show them: in one of the ruler's units, with its abbreviation.

#include <QString>

namespace Qarn {

// The length in the ruler unit (0 to 6, see CQarnRulerBar), e.g. 254 units -> "2.54\"".
double DocUnitsToRulerUnits(double docUnits, int unit);
QString DocUnitsToText(double docUnits, int unit);

}  // namespace Qarn
