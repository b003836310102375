#include "controls/shadow_well.h"

#include "controls/shadow_items.h"

CQarnShadowWell::CQarnShadowWell(QWidget* parent, const QString& name)
    : CQarnItemWell(std::make_shared<CQarnShadowItems>(), name, parent) {
    SetNoSelectionText(tr("Other"));
    SetCurSel(0);
}

void CQarnShadowWell::SetShadowStyle(DWORD style) {
    m_dwOther = style;
    SetCurSel(style < DWORD(CQarnShadowItems::kCount) ? int(style) : -1);
}

DWORD CQarnShadowWell::GetShadowStyle() const {
    return GetCurSel() >= 0 ? DWORD(GetCurSel()) : m_dwOther;
}
