#pragma once
// Normalising a poly ("Normalize a poly object", 8036): its rotation and flip are baked into
// its points, so it looks the same with no transform.

#include "undo/poly_action.h"

class CPolyNormalizeAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CPolyNormalizeAction)

public:
    CPolyNormalizeAction(CActionSite site, unsigned int id, CQarnComponent* poly);

protected:
    bool Edit(CQarnPoly& poly) override;
};
