#pragma once
// The 53 hatch patterns, drawn pixel for pixel in the colours of the fill they are for.

#include <QColor>

#include "controls/well_items.h"

class CQarnHatchItems : public CQarnWellItems {
public:
    static constexpr int kCount = 53;

    // The foreground and background the patterns are drawn in (the fill's two colours);
    // black on white until set.
    void SetColors(const QColor& foreground, const QColor& background);

    int GetCount() const override { return kCount; }
    int GetColumns() const override { return 9; }
    QSize GetCellSize() const override { return QSize(26, 26); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;

private:
    QColor m_Foreground = Qt::black;
    QColor m_Background = Qt::white;
};
