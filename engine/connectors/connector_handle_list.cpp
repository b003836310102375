// The route of a connector as a handle list: the poly's points, then its handles, which the
// router and the drags keep apart from the points.
#include "connectors/connector.h"
#include "core/handle_list.h"

void CQarnConnector::WriteHandlesToList(QList<PointF>& list) const {
    CQarnPoly::WriteHandlesToList(list);
    list.append(PointF(float(m_nHandleCount), 0.0f));
    for (int i = 0; i < m_nHandleCount; ++i) {
        list.append(m_Handles[size_t(i)]);
    }
}

void CQarnConnector::ReadHandlesFromList(const QList<PointF>& list, POSITION& position) {
    CQarnPoly::ReadHandlesFromList(list, position);
    PointF count;
    if (!Qarn::ReadNextHandle(list, position, count)) {
        return;
    }
    SetHandleCount(int(count.X));
    for (int i = 0;
         i < m_nHandleCount && Qarn::ReadNextHandle(list, position, m_Handles[size_t(i)]); ++i) {
    }
}
