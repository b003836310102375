#pragma once
// Simplifying a polyline (18164): points lying almost on the line between their neighbours go.
// A poly with nothing to simplify (or not a plain polyline) is left alone and nothing is
// recorded.

#include "undo/poly_action.h"

class CSimplifyAction : public CPolyAction {
    QARN_DECLARE_DYNAMIC(CSimplifyAction)

public:
    CSimplifyAction(CActionSite site, unsigned int id, CQarnComponent* poly);

protected:
    bool Edit(CQarnPoly& poly) override;
};
