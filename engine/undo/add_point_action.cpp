#include "undo/add_point_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CAddPointAction, CPolyAction)

CAddPointAction::CAddPointAction(CActionSite site, unsigned int id, CQarnComponent* poly, int index,
                                 PointF point)
    : CPolyAction(site, id, poly), m_nIndex(index), m_ptPoint(point) {}

bool CAddPointAction::Edit(CQarnPoly& poly) {
    if (m_nIndex < 1 || m_nIndex > poly.GetPointCount() + 1) {
        return false;
    }
    NormalizeIfTurned(poly);
    const int before = poly.GetPointCount();
    poly.AddPointAt(m_nIndex, m_ptPoint);
    if (poly.GetPointCount() == before) {
        return false;
    }
    poly.OnAddPoint(m_nIndex);
    poly.RecalcBounds(0);
    return true;
}
