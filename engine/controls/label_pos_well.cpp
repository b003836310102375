#include "controls/label_pos_well.h"

#include "controls/label_position_items.h"

CQarnLabelPosWell::CQarnLabelPosWell(QWidget* parent, const QString& name)
    : CQarnItemWell(std::make_shared<CQarnLabelPositionItems>(), name, parent) {
    SetNoSelectionText(tr("Where it is"));
}
