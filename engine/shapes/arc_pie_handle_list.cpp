// The ends and the ellipse of an arc as a handle list: they move with the frame but are kept
// apart from it.
#include "core/handle_list.h"
#include "shapes/arc_pie.h"

void CQarnArcPie::WriteHandlesToList(QList<PointF>& list) const {
    list.append(m_ptFirst);
    list.append(m_ptSecond);
    list.append(PointF(m_rcEllipse.X, m_rcEllipse.Y));
    list.append(PointF(m_rcEllipse.Width, m_rcEllipse.Height));
}

void CQarnArcPie::ReadHandlesFromList(const QList<PointF>& list, POSITION& position) {
    PointF first;
    PointF second;
    PointF corner;
    PointF size;
    if (Qarn::ReadNextHandle(list, position, first) &&
        Qarn::ReadNextHandle(list, position, second) &&
        Qarn::ReadNextHandle(list, position, corner) &&
        Qarn::ReadNextHandle(list, position, size)) {
        SetGeometry(RectF(corner.X, corner.Y, size.X, size.Y), first, second);
    }
}
