#include "controls/compound_line_well.h"

#include "controls/compound_line_items.h"

CQarnCompoundLineWell::CQarnCompoundLineWell(QWidget* parent, const QString& name)
    : CQarnItemWell(std::make_shared<CQarnCompoundLineItems>(), name, parent) {
    SetCurSel(0);
}

void CQarnCompoundLineWell::SetLineStyle(unsigned long style) {
    SetCurSel(int(style % CQarnCompoundLineItems::kCount));
}

unsigned long CQarnCompoundLineWell::GetLineStyle() const {
    return GetCurSel() >= 0 ? static_cast<unsigned long>(GetCurSel()) : 0;
}
