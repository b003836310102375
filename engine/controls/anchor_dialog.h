#pragma once
// "Anchor Point Setup": the direction a connector leaves an anchor point of a symbol in (up,
// right, down, left, or any). The dialog returns the direction; the caller records it.

#include "controls/dialog.h"
#include "platform/win_types.h"

class CQarnAnchorPoint;
class QButtonGroup;
class QRadioButton;

class CQarnAnchorDialog : public CQarnDialog {
    Q_OBJECT

public:
    CQarnAnchorDialog(const CQarnAnchorPoint& anchor, QWidget* parent = nullptr);

    // The direction chosen (1 up, 2 right, 4 down, 8 left, 16 any); a stored direction that is
    // none of these stays while no button is chosen.
    BYTE GetDirection() const;
    // Sets the anchor's direction; false when it already had it.
    static bool Apply(CQarnAnchorPoint& anchor, BYTE direction);

    QRadioButton* GetButton(BYTE direction) const;

private:
    BYTE m_nLoaded;
    QButtonGroup* m_pGroup = nullptr;
};
