#pragma once
// Removing a point of a poly ("Remove a point from a poly", 8038); a poly keeps at least two
// points. The connectors resting on later points stay on their vertex.

#include "undo/poly_action.h"

class CRemovePointAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CRemovePointAction)

public:
    CRemovePointAction(CActionSite site, unsigned int id, CQarnComponent* poly, int index);

protected:
    bool Edit(CQarnPoly& poly) override;

private:
    int m_nIndex;
};
