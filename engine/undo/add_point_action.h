#pragma once
// Inserting a point into a poly ("Add a point", 8021) as point `index` (1 to count + 1), at a
// point given as it shows; the connectors resting on later points stay on their vertex.

#include "platform/point_f.h"
#include "undo/poly_action.h"

class CAddPointAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CAddPointAction)

public:
    CAddPointAction(CActionSite site, unsigned int id, CQarnComponent* poly, int index,
                    PointF point);

protected:
    bool Edit(CQarnPoly& poly) override;

private:
    int m_nIndex;
    PointF m_ptPoint;
};
