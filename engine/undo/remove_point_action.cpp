#include "undo/remove_point_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CRemovePointAction, CPolyAction)

CRemovePointAction::CRemovePointAction(CActionSite site, unsigned int id, CQarnComponent* poly,
                                       int index)
    : CPolyAction(site, id, poly), m_nIndex(index) {}

bool CRemovePointAction::Edit(CQarnPoly& poly) {
    if (m_nIndex < 1 || m_nIndex > poly.GetPointCount() || poly.GetPointCount() <= 2) {
        return false;
    }
    NormalizeIfTurned(poly);
    poly.RemovePointAt(m_nIndex);
    poly.OnDeletePoint(m_nIndex);
    poly.RecalcBounds(0);
    return true;
}
