#include "undo/poly_action.h"

#include "shapes/poly.h"

QARN_IMPLEMENT_DYNAMIC(CPolyAction, CStateAction)

namespace {

CQarnPoly* AsPoly(CQarnComponent* c) {
    return c != nullptr && c->IsKindOf(CQarnPoly::ThisClass()) ? static_cast<CQarnPoly*>(c)
                                                               : nullptr;
}

}  // namespace

CPolyAction::CPolyAction(CActionSite site, unsigned int id, CQarnComponent* poly)
    : CStateAction(site, id, AsPoly(poly) != nullptr ? ComponentList{poly} : ComponentList(),
                   CComponentStates::Geometry | CComponentStates::Connections),
      m_pPoly(m_Components.isEmpty() ? nullptr : AsPoly(poly)) {}

void CPolyAction::NormalizeIfTurned(CQarnPoly& poly) {
    if (poly.NeedTransform()) {
        poly.Normalize();
    }
}

void CPolyAction::OnDo() {
    CStateAction::OnDo();
    if (!IsSuccess()) {
        return;
    }
    const RectF before = m_pPoly->GetRectF();
    if (!Edit(*m_pPoly)) {
        // Whatever the refused edit touched (a normalisation) is put back.
        m_States.Exchange();
        SetSuccess(false);
        return;
    }
    m_pPoly->DropEffectCache();
    m_pPoly->ResetPath();
    m_pPoly->OnPositionChanged(before, &m_Components, 1);
    RepaintComponents();
}
