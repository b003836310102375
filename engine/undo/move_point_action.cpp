#include "undo/move_point_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CMovePointAction, CPolyAction)

CMovePointAction::CMovePointAction(CActionSite site, unsigned int id, CQarnComponent* poly,
                                   int index, PointF point)
    : CPolyAction(site, id, poly), m_nIndex(index), m_ptPoint(point) {}

bool CMovePointAction::Edit(CQarnPoly& poly) {
    if (m_nIndex < 1 || m_nIndex > poly.GetPointCount()) {
        return false;
    }
    NormalizeIfTurned(poly);
    poly.MovePointTo(m_nIndex, m_ptPoint, MoveFlags::Invalidate);
    return true;
}

void CMovePointAction::MoveTo(PointF point) {
    CQarnPoly* poly = GetPoly();
    if (poly == nullptr || !IsSuccess()) {
        return;
    }
    const RectF before = poly->GetRectF();
    if (poly->MovePointTo(m_nIndex, point, MoveFlags::Invalidate) != 0) {
        poly->OnPositionChanged(before, &m_Components, 1);
    }
}
