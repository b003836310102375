#pragma once
// The sixteen shadow placements, each drawn as an object with its shadow placed by that style.

#include "controls/well_items.h"

class CQarnShadowItems : public CQarnWellItems {
public:
    static constexpr int kCount = 16;

    int GetCount() const override { return kCount; }
    int GetColumns() const override { return 4; }
    QSize GetCellSize() const override { return QSize(40, 36); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;
};
