#pragma once
// The five compound line styles of a pen (one line, or parallel lines inside the stroke).

#include "controls/well_items.h"

class CQarnCompoundLineItems : public CQarnWellItems {
public:
    static constexpr int kCount = 5;

    int GetCount() const override { return kCount; }
    int GetColumns() const override { return 1; }
    QSize GetCellSize() const override { return QSize(110, 18); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;
    bool StretchesInWell() const override { return true; }
};
