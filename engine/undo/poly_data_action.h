#pragma once
// Replacing the points of a poly by those of the points-data dialog (18140); the points are
// given as the poly keeps them (untransformed). Fewer than two points are refused.

#include <vector>
#include "undo/poly_action.h"

#include "platform/point_f.h"

class CPolyDataAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CPolyDataAction)

public:
    CPolyDataAction(CActionSite site, unsigned int id, CQarnComponent* poly,
                    std::vector<PointF> points);

protected:
    bool Edit(CQarnPoly& poly) override;

private:
    std::vector<PointF> m_Points;
};
