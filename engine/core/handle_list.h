#pragma once
// Reading the geometry kept in a handle list (see CQarnComponent::WriteHandlesToList): the
// item at the 1-based position, which then moves on (0 past the end).

#include <QList>

#include "core/component_list.h"
#include "platform/point_f.h"

namespace Qarn {

// False, and nothing read, when the position is outside the list.
inline bool ReadNextHandle(const QList<PointF>& list, POSITION& position, PointF& out) {
    if (position < 1 || position > list.size()) {
        position = 0;
        return false;
    }
    out = list[position - 1];
    position = position < list.size() ? position + 1 : 0;
    return true;
}

}  // namespace Qarn
