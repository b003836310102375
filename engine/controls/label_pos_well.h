#pragma once
// The label-position well: the nine places of a label about its component.

#include "controls/item_well.h"

class CQarnLabelPosWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnLabelPosWell(QWidget* parent = nullptr,
                               const QString& name = tr("Label position"));

    // -1 (a label placed by hand) shows as "Where it is".
    void SetLabelPosition(int position) { SetCurSel(position); }
    int GetLabelPosition() const { return GetCurSel(); }
};
