#include "controls/line_style_well.h"

#include "controls/dash_style_items.h"

CQarnLineStyleWell::CQarnLineStyleWell(QWidget* parent, const QString& name)
    : CQarnItemWell(std::make_shared<CQarnDashStyleItems>(), name, parent) {
    SetNoSelectionText(tr("Custom"));
    SetCurSel(0);
}

void CQarnLineStyleWell::SetDashStyle(unsigned short style) {
    m_nOther = style;
    SetCurSel(style < CQarnDashStyleItems::kCount ? int(style) : -1);
}

unsigned short CQarnLineStyleWell::GetDashStyle() const {
    return GetCurSel() >= 0 ? static_cast<unsigned short>(GetCurSel()) : m_nOther;
}
