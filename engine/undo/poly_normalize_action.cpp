#include "undo/poly_normalize_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CPolyNormalizeAction, CPolyAction)

CPolyNormalizeAction::CPolyNormalizeAction(CActionSite site, unsigned int id, CQarnComponent* poly)
    : CPolyAction(site, id, poly) {}

bool CPolyNormalizeAction::Edit(CQarnPoly& poly) {
    if (!poly.NeedTransform()) {
        return false;
    }
    poly.Normalize();
    return true;
}
