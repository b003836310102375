#pragma once
// The arrow heads of one end of a line: none and the eight heads, in the order of the arrow
// commands (Qarn::Index2ArrowType), drawn on a sample line.

#include "controls/well_items.h"
#include "core/arrow_type.h"

class CQarnArrowHeadItems : public CQarnWellItems {
public:
    static constexpr int kCount = 9;
    enum class End { Start, End };

    explicit CQarnArrowHeadItems(End end) : m_End(end) {}

    End GetEnd() const { return m_End; }
    int GetCount() const override { return kCount; }
    int GetColumns() const override { return 1; }
    QSize GetCellSize() const override { return QSize(90, 20); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;
    bool StretchesInWell() const override { return true; }

private:
    End m_End;
};
