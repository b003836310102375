#include "controls/anchor_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "connectors/anchor_point.h"
#include "controls/form_rows.h"

CQarnAnchorDialog::CQarnAnchorDialog(const CQarnAnchorPoint& anchor, QWidget* parent)
    : CQarnDialog(tr("Anchor Point Setup"), parent), m_nLoaded(anchor.GetDirection()) {
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Connectors leave this anchor"), this);
    auto* grid = new QGridLayout(box);
    m_pGroup = new QButtonGroup(this);
    struct Choice {
        BYTE direction;
        const char* text;
        int row;
        int column;
    };
    // Laid out as a compass: up above, down below, left and right beside "any direction".
    const Choice choices[] = {
        {1, QT_TR_NOOP("&Upwards"), 0, 1},           {8, QT_TR_NOOP("&Leftwards"), 1, 0},
        {16, QT_TR_NOOP("In &any direction"), 1, 1}, {2, QT_TR_NOOP("&Rightwards"), 1, 2},
        {4, QT_TR_NOOP("&Downwards"), 2, 1},
    };
    for (const Choice& c : choices) {
        auto* button = new QRadioButton(tr(c.text), box);
        button->setAccessibleName(Qarn::PlainLabelText(tr(c.text)));
        m_pGroup->addButton(button, c.direction);
        grid->addWidget(button, c.row, c.column, Qt::AlignCenter);
    }
    if (QAbstractButton* chosen = m_pGroup->button(m_nLoaded)) {
        chosen->setChecked(true);
        chosen->setFocus();
    }
    layout->addWidget(box);
    layout->addWidget(CreateButtons());
}

BYTE CQarnAnchorDialog::GetDirection() const {
    const int chosen = m_pGroup->checkedId();
    return chosen > 0 ? BYTE(chosen) : m_nLoaded;
}

QRadioButton* CQarnAnchorDialog::GetButton(BYTE direction) const {
    return qobject_cast<QRadioButton*>(m_pGroup->button(direction));
}

bool CQarnAnchorDialog::Apply(CQarnAnchorPoint& anchor, BYTE direction) {
    if (anchor.GetDirection() == direction) {
        return false;
    }
    anchor.SetDirection(direction);
    anchor.Invalidate(nullptr, false);
    anchor.OnPropertyChanged(0);
    return true;
}
