#pragma once
// The line widths of the line-width commands, 0 to 8 units, drawn as lines of that weight.

#include "controls/well_items.h"

class CQarnLineWidthItems : public CQarnWellItems {
public:
    static constexpr int kCount = 9;

    // The width of item i.
    static float WidthOf(int index) { return float(index); }
    // The item of a width, -1 when it is none of them.
    static int IndexOf(float width);

    int GetCount() const override { return kCount; }
    int GetColumns() const override { return 1; }
    QSize GetCellSize() const override { return QSize(130, 16); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;
    bool StretchesInWell() const override { return true; }
};
