#include "controls/arrow_well.h"

#include "core/conversions.h"

CQarnArrowWell::CQarnArrowWell(CQarnArrowHeadItems::End end, QWidget* parent)
    : CQarnItemWell(
          std::make_shared<CQarnArrowHeadItems>(end),
          end == CQarnArrowHeadItems::End::Start ? tr("Start arrow head") : tr("End arrow head"),
          parent) {
    SetNoSelectionText(tr("Other"));
    SetCurSel(0);
}

void CQarnArrowWell::SetArrowType(ArrowType type) {
    m_Other = type;
    const int index = Qarn::ArrowType2Index(type);
    SetCurSel(index == 0 && type != ArrowTypeNone ? -1 : index);
}

ArrowType CQarnArrowWell::GetArrowType() const {
    return GetCurSel() >= 0 ? Qarn::Index2ArrowType(GetCurSel()) : m_Other;
}
