#pragma once
// Properties that own a paint brush (pen stroke, text colour, shadow fill) store it the same
// way: a flag byte saying whether it is a full brush, then its record in place.

class CArchive;
class CQarnBasicBrushProperty;

namespace Qarn {

// Writes the full-brush flag byte. The caller decides where the record itself goes.
void WriteBrushFlag(CArchive& ar, const CQarnBasicBrushProperty* brush);
// A new brush of the flagged class (a full brush when the flag is 1), not yet read.
CQarnBasicBrushProperty* NewBrushForFlag(unsigned char flag);
// Puts `brush` in an owner's slot: the old brush is released, the new one held with a count
// of 1 (inner brushes are never shared).
void AdoptOwnedBrush(CQarnBasicBrushProperty*& slot, CQarnBasicBrushProperty* brush);
// Writes the flag and then the brush's record.
void StoreEmbeddedBrush(CArchive& ar, CQarnBasicBrushProperty* brush);
// Reads the flag and the record of a new brush of that class; the caller owns the result.
CQarnBasicBrushProperty* LoadEmbeddedBrush(CArchive& ar);

}  // namespace Qarn
