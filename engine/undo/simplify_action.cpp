#include "undo/simplify_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CSimplifyAction, CPolyAction)

CSimplifyAction::CSimplifyAction(CActionSite site, unsigned int id, CQarnComponent* poly)
    : CPolyAction(site, id, poly) {}

bool CSimplifyAction::Edit(CQarnPoly& poly) {
    const int before = poly.GetPointCount();
    return poly.Simplify() && poly.GetPointCount() < before;
}
