#pragma once
// One ruler unit: its size in twips, the steps of its small, medium and numbered divisions,
// the smallest tracking move, and its abbreviation.

#include <QString>

#include "platform/win_types.h"

class CUnit {
public:
    CUnit() = default;
    CUnit(int twipsPerUnit, int smallDivision, int mediumDivision, int largeDivision,
          int minimumMove, UINT abbreviationId, BOOL spaceBeforeAbbreviation);

    int m_nTPU = 0;        // twips per unit
    int m_nSmallDiv = 0;   // small-division step, twips
    int m_nMediumDiv = 0;  // medium-division step, twips
    int m_nLargeDiv = 0;   // numbered-division step, twips
    int m_nMinMove = 0;    // minimum tracking move, twips
    UINT m_nAbbrevID = 0;  // string resource of the abbreviation
    BOOL m_bSpaceAbbrev = FALSE;
    QString m_strAbbrev;  // filled from the resource by the ruler

    // The ruler's seven units: inch ("), centimetre, point, pica, in, inch, inches. Note 568
    // twips per centimetre, as the rulers have always counted.
    static const CUnit* RulerUnits();
    static constexpr int kRulerUnitCount = 7;
};
