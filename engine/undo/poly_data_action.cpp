#include "undo/poly_data_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CPolyDataAction, CPolyAction)

CPolyDataAction::CPolyDataAction(CActionSite site, unsigned int id, CQarnComponent* poly,
                                 std::vector<PointF> points)
    : CPolyAction(site, id, poly), m_Points(std::move(points)) {}

bool CPolyDataAction::Edit(CQarnPoly& poly) {
    if (m_Points.size() < 2 || m_Points.size() > size_t(CQarnPoly::kMaxStoredPoints)) {
        return false;
    }
    const int count = int(m_Points.size());
    poly.SetPointArray(m_Points);
    poly.SetPointCount(count);
    poly.RecalcBounds(0);
    return true;
}
