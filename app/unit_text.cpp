#include "unit_text.h"

#include "core/unit.h"
#include "view/ruler_bar.h"

namespace {

// A document unit is 1/100 inch; an inch is 1440 twips.
constexpr double kTwipsPerDocUnit = 14.4;

}  // namespace

namespace Qarn {

double DocUnitsToRulerUnits(double docUnits, int unit) {
    if (unit < 0 || unit >= CUnit::kRulerUnitCount) {
        unit = 0;
    }
    return docUnits * kTwipsPerDocUnit / CUnit::RulerUnits()[unit].m_nTPU;
}

QString DocUnitsToText(double docUnits, int unit) {
    if (unit < 0 || unit >= CUnit::kRulerUnitCount) {
        unit = 0;
    }
    const QString abbreviation = CQarnRulerBar::UnitAbbreviation(unit);
    const QString number = QString::number(DocUnitsToRulerUnits(docUnits, unit), 'f', 2);
    // The inch mark follows the number; words are set apart by a space.
    return abbreviation.size() == 1 ? number + abbreviation
                                    : number + QLatin1Char(' ') + abbreviation;
}

}  // namespace Qarn
