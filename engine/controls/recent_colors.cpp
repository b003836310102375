#include "controls/recent_colors.h"

namespace {

QList<Color>& Colors() {
    static QList<Color> colors;
    return colors;
}

}  // namespace

void CQarnRecentColors::Add(const Color& color) {
    QList<Color>& colors = Colors();
    colors.removeIf([&](const Color& c) { return c.GetValue() == color.GetValue(); });
    colors.prepend(color);
    while (colors.size() > kMaxCount) {
        colors.removeLast();
    }
}

QList<Color> CQarnRecentColors::Get() {
    return Colors();
}

void CQarnRecentColors::Clear() {
    Colors().clear();
}
