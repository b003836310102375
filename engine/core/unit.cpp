#include "core/unit.h"

CUnit::CUnit(int twipsPerUnit, int smallDivision, int mediumDivision, int largeDivision,
             int minimumMove, UINT abbreviationId, BOOL spaceBeforeAbbreviation)
    : m_nTPU(twipsPerUnit),
      m_nSmallDiv(smallDivision),
      m_nMediumDiv(mediumDivision),
      m_nLargeDiv(largeDivision),
      m_nMinMove(minimumMove),
      m_nAbbrevID(abbreviationId),
      m_bSpaceAbbrev(spaceBeforeAbbreviation) {}

const CUnit* CUnit::RulerUnits() {
    static const CUnit units[kRulerUnitCount] = {
        CUnit(1440, 180, 720, 1440, 90, 8117, FALSE), CUnit(568, 142, 284, 568, 142, 8123, TRUE),
        CUnit(20, 120, 720, 720, 100, 8124, TRUE),    CUnit(240, 240, 1440, 1440, 120, 8125, TRUE),
        CUnit(1440, 180, 720, 1440, 90, 8119, FALSE), CUnit(1440, 180, 720, 1440, 90, 8120, FALSE),
        CUnit(1440, 180, 720, 1440, 90, 8122, FALSE),
    };
    return units;
}
