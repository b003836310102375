#pragma once
// The nine places of a label about its component (controls/label_placement.h), each drawn as
// a frame with a label bar in that place.

#include "controls/well_items.h"

class CQarnLabelPositionItems : public CQarnWellItems {
public:
    int GetCount() const override;
    int GetColumns() const override { return 3; }
    QSize GetCellSize() const override { return QSize(40, 32); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;
};
