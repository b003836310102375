#include "platform/solid_brush.h"

#include <QBrush>
#include <QColor>

QBrush SolidBrush::ToQBrush() const {
    return QBrush(color_.ToQColor());
}

Status SolidBrush::SetColor(const Color& color) {
    color_ = color;
    return lastStatus_ = Ok;
}
