#include "controls/color_items.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>

namespace {

struct PaletteColor {
    ARGB argb;
    const char* name;
};

// Eight hues across, from dark to light down the rows.
constexpr PaletteColor kPalette[] = {
    {0xFF000000u, QT_TRANSLATE_NOOP("CQarnColorItems", "Black")},
    {0xFF993300u, QT_TRANSLATE_NOOP("CQarnColorItems", "Brown")},
    {0xFF333300u, QT_TRANSLATE_NOOP("CQarnColorItems", "Olive green")},
    {0xFF003300u, QT_TRANSLATE_NOOP("CQarnColorItems", "Dark green")},
    {0xFF003366u, QT_TRANSLATE_NOOP("CQarnColorItems", "Dark teal")},
    {0xFF000080u, QT_TRANSLATE_NOOP("CQarnColorItems", "Dark blue")},
    {0xFF333399u, QT_TRANSLATE_NOOP("CQarnColorItems", "Indigo")},
    {0xFF333333u, QT_TRANSLATE_NOOP("CQarnColorItems", "Gray 80%")},
    {0xFF800000u, QT_TRANSLATE_NOOP("CQarnColorItems", "Dark red")},
    {0xFFFF6600u, QT_TRANSLATE_NOOP("CQarnColorItems", "Orange")},
    {0xFF808000u, QT_TRANSLATE_NOOP("CQarnColorItems", "Dark yellow")},
    {0xFF008000u, QT_TRANSLATE_NOOP("CQarnColorItems", "Green")},
    {0xFF008080u, QT_TRANSLATE_NOOP("CQarnColorItems", "Teal")},
    {0xFF0000FFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Blue")},
    {0xFF666699u, QT_TRANSLATE_NOOP("CQarnColorItems", "Blue gray")},
    {0xFF808080u, QT_TRANSLATE_NOOP("CQarnColorItems", "Gray 50%")},
    {0xFFFF0000u, QT_TRANSLATE_NOOP("CQarnColorItems", "Red")},
    {0xFFFF9900u, QT_TRANSLATE_NOOP("CQarnColorItems", "Light orange")},
    {0xFF99CC00u, QT_TRANSLATE_NOOP("CQarnColorItems", "Lime")},
    {0xFF339966u, QT_TRANSLATE_NOOP("CQarnColorItems", "Sea green")},
    {0xFF33CCCCu, QT_TRANSLATE_NOOP("CQarnColorItems", "Aqua")},
    {0xFF3366FFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Light blue")},
    {0xFF800080u, QT_TRANSLATE_NOOP("CQarnColorItems", "Violet")},
    {0xFF969696u, QT_TRANSLATE_NOOP("CQarnColorItems", "Gray 40%")},
    {0xFFFF00FFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Pink")},
    {0xFFFFCC00u, QT_TRANSLATE_NOOP("CQarnColorItems", "Gold")},
    {0xFFFFFF00u, QT_TRANSLATE_NOOP("CQarnColorItems", "Yellow")},
    {0xFF00FF00u, QT_TRANSLATE_NOOP("CQarnColorItems", "Bright green")},
    {0xFF00FFFFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Turquoise")},
    {0xFF00CCFFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Sky blue")},
    {0xFF993366u, QT_TRANSLATE_NOOP("CQarnColorItems", "Plum")},
    {0xFFC0C0C0u, QT_TRANSLATE_NOOP("CQarnColorItems", "Gray 25%")},
    {0xFFFF99CCu, QT_TRANSLATE_NOOP("CQarnColorItems", "Rose")},
    {0xFFFFCC99u, QT_TRANSLATE_NOOP("CQarnColorItems", "Tan")},
    {0xFFFFFF99u, QT_TRANSLATE_NOOP("CQarnColorItems", "Light yellow")},
    {0xFFCCFFCCu, QT_TRANSLATE_NOOP("CQarnColorItems", "Light green")},
    {0xFFCCFFFFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Light turquoise")},
    {0xFF99CCFFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Pale blue")},
    {0xFFCC99FFu, QT_TRANSLATE_NOOP("CQarnColorItems", "Lavender")},
    {0xFFFFFFFFu, QT_TRANSLATE_NOOP("CQarnColorItems", "White")},
};

void PaintChecker(QPainter& painter, const QRectF& rect) {
    constexpr qreal kSquare = 4.0;
    painter.fillRect(rect, Qt::white);
    for (qreal y = rect.top(); y < rect.bottom(); y += kSquare) {
        for (qreal x = rect.left(); x < rect.right(); x += kSquare) {
            const int row = int((y - rect.top()) / kSquare);
            const int column = int((x - rect.left()) / kSquare);
            if ((row + column) % 2 == 1) {
                painter.fillRect(QRectF(x, y, std::min(kSquare, rect.right() - x),
                                        std::min(kSquare, rect.bottom() - y)),
                                 QColor(204, 204, 204));
            }
        }
    }
}

}  // namespace

QList<CQarnColorItems::Entry> CQarnColorItems::StandardPalette() {
    QList<Entry> entries;
    for (const PaletteColor& c : kPalette) {
        entries.append({Color(c.argb), QCoreApplication::translate("CQarnColorItems", c.name)});
    }
    return entries;
}

QString CQarnColorItems::DescribeColor(const Color& color) {
    QString text = QStringLiteral("#%1%2%3")
                       .arg(color.GetR(), 2, 16, QLatin1Char('0'))
                       .arg(color.GetG(), 2, 16, QLatin1Char('0'))
                       .arg(color.GetB(), 2, 16, QLatin1Char('0'))
                       .toUpper();
    if (color.GetA() != 255) {
        const int percent = (color.GetA() * 100 + 127) / 255;
        text += QCoreApplication::translate("CQarnColorItems", ", %1% opaque")
                    .arg(QLocale().toString(percent));
    }
    return text;
}

int CQarnColorItems::IndexOf(const Color& color) const {
    for (int i = 0; i < m_Entries.size(); ++i) {
        if (m_Entries[i].color.GetValue() == color.GetValue()) {
            return i;
        }
    }
    return -1;
}

void CQarnColorItems::PaintSwatch(QPainter& painter, const QRectF& rect, const Color& color) {
    painter.save();
    if (color.GetA() != 255) {
        PaintChecker(painter, rect);
    }
    painter.fillRect(rect, color.ToQColor());
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.restore();
}

void CQarnColorItems::PaintItem(QPainter& painter, const QRectF& cell, int index) const {
    if (index >= 0 && index < m_Entries.size()) {
        PaintSwatch(painter, cell, m_Entries[index].color);
    }
}

QString CQarnColorItems::GetItemName(int index) const {
    if (index < 0 || index >= m_Entries.size()) {
        return QString();
    }
    const Entry& entry = m_Entries[index];
    return entry.name.isEmpty() ? DescribeColor(entry.color) : entry.name;
}
