// The corner of a rounded rectangle as a handle list: sizing may have cut it down.
#include "core/handle_list.h"
#include "shapes/rect.h"

void CQarnRect::WriteHandlesToList(QList<PointF>& list) const {
    list.append(PointF(m_fCornerWidth, m_fCornerHeight));
}

void CQarnRect::ReadHandlesFromList(const QList<PointF>& list, POSITION& position) {
    PointF corner;
    if (Qarn::ReadNextHandle(list, position, corner)) {
        SetCornerSize(corner.X, corner.Y);
    }
}
