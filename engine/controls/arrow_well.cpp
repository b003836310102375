#include "controls/arrow_well.h"

#include "core/conversions.h"

CQarnArrowWell::CQarnArrowWell(CQarnArrowHeadItems::End end, QWidget* parent)
    : CQarnItemWell(std::make_shared<CQarnArrowHeadItems>(end),
                    end == CQarnArrowHeadItems::End::Start ? tr("Start arrow head")
                                                           : tr("End arrow head"),
                    parent) {
    SetCurSel(0);
}

void CQarnArrowWell::SetArrowType(ArrowType type) {
    SetCurSel(Qarn::ArrowType2Index(type));
}

ArrowType CQarnArrowWell::GetArrowType() const {
    return Qarn::Index2ArrowType(GetCurSel());
}
