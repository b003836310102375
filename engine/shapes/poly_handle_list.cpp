// The points of a poly as a handle list, so that an edit of them can be taken back exactly:
// the count and the allocation (both are stored in the document) come first.
#include <algorithm>

#include "core/handle_list.h"
#include "shapes/poly.h"

void CQarnPoly::WriteHandlesToList(QList<PointF>& list) const {
    list.append(PointF(float(m_nPointCount), float(GetAllocPoints())));
    WritePointsToList(list);
}

void CQarnPoly::ReadHandlesFromList(const QList<PointF>& list, POSITION& position) {
    PointF sizes;
    if (!Qarn::ReadNextHandle(list, position, sizes)) {
        return;
    }
    const int count = std::max(0, int(sizes.X));
    const int alloc = std::max(count, int(sizes.Y));
    m_Points.assign(size_t(alloc), PointF());
    m_nPointCount = count;
    for (int i = 0; i < count && Qarn::ReadNextHandle(list, position, m_Points[size_t(i)]); ++i) {
    }
    ClearElements();
}
