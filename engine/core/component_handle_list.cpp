// Reading a component's own geometry back from the head of a list.
#include "core/component.h"

void CQarnComponent::ReadHandlesFromList(const QList<PointF>& list) {
    POSITION position = list.isEmpty() ? 0 : 1;
    ReadHandlesFromList(list, position);
}
