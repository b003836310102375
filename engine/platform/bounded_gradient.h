#pragma once
// A repeating or reflecting linear gradient turned into a padded one that covers only an area.
//
// Qt's PDF writer spells a repeating gradient out once per repetition across the whole page,
// each repetition as a function of its own: a small shape whose gradient repeats every few
// points takes hundreds of functions. Over the area actually filled the gradient repeats only
// a few times; a padded gradient holding exactly those repetitions paints the area the same
// colours and is written as one shading of a few pieces.

#include <QBrush>
#include <QRectF>

namespace Qarn {

// The brush unchanged unless it is a repeating or reflecting linear gradient; else a padded
// linear gradient with the same colours everywhere in `area` (in the brush's coordinates, before
// its transform), of at most `maxRepetitions` repetitions (the brush unchanged beyond that).
QBrush BoundedGradient(const QBrush& brush, const QRectF& area, int maxRepetitions = 64);

}  // namespace Qarn
