#include "controls/hatch_well.h"

#include "controls/hatch_items.h"
#include "controls/well_grid.h"

CQarnHatchWell::CQarnHatchWell(QWidget* parent, const QString& name)
    : CQarnHatchWell(std::make_shared<CQarnHatchItems>(), parent, name) {}

CQarnHatchWell::CQarnHatchWell(std::shared_ptr<CQarnHatchItems> items, QWidget* parent,
                               const QString& name)
    : CQarnItemWell(items, name, parent), m_pHatches(std::move(items)) {
    SetNoSelectionText(tr("None"));
    SetCurSel(0);
}

void CQarnHatchWell::SetHatchStyle(WORD style) {
    m_nOther = style;
    SetCurSel(style < CQarnHatchItems::kCount ? int(style) : -1);
}

WORD CQarnHatchWell::GetHatchStyle() const {
    return GetCurSel() >= 0 ? WORD(GetCurSel()) : m_nOther;
}

void CQarnHatchWell::SetColors(const QColor& foreground, const QColor& background) {
    m_pHatches->SetColors(foreground, background);
    update();
    if (CQarnWellGrid* grid = GetDropDownGrid()) {
        grid->update();
    }
}
