#include "platform/color.h"

#include <QColor>

QColor Color::ToQColor() const {
    return QColor(GetR(), GetG(), GetB(), GetA());
}

Color Color::FromQColor(const QColor& c) {
    return Color(BYTE(c.alpha()), BYTE(c.red()), BYTE(c.green()), BYTE(c.blue()));
}
