#pragma once
// Colour swatches: the palette of the colour well, or the colours used lately. Translucent
// colours are drawn over a checker board so their opacity shows.

#include <QList>
#include <utility>

#include "controls/well_items.h"
#include "platform/color.h"

class CQarnColorItems : public CQarnWellItems {
public:
    struct Entry {
        Color color;
        QString name;
    };

    CQarnColorItems(QList<Entry> entries, int columns)
        : m_Entries(std::move(entries)), m_nColumns(columns) {}

    // The standard palette of 40 named colours, 8 to a row.
    static QList<Entry> StandardPalette();
    // "#RRGGBB" and, for a translucent colour, its opacity in percent.
    static QString DescribeColor(const Color& color);

    const QList<Entry>& GetEntries() const { return m_Entries; }
    Color GetColorAt(int index) const { return m_Entries.value(index).color; }
    // The index of the colour (all four channels), -1 when it is not there.
    int IndexOf(const Color& color) const;

    int GetCount() const override { return int(m_Entries.size()); }
    int GetColumns() const override { return m_nColumns; }
    QSize GetCellSize() const override { return QSize(18, 18); }
    void PaintItem(QPainter& painter, const QRectF& cell, int index) const override;
    QString GetItemName(int index) const override;

    // Draws a colour as a swatch (used by the colour well for its value too).
    static void PaintSwatch(QPainter& painter, const QRectF& rect, const Color& color);

private:
    QList<Entry> m_Entries;
    int m_nColumns;
};
