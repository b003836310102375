#include "undo/layer_prop_change_action.h"

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "undo/page_refresh.h"

QARN_IMPLEMENT_DYNAMIC(CLayerPropChangeAction, CQarnAction)

CLayerPropChangeAction::CLayerPropChangeAction(CActionSite site, unsigned int id, CQarnLayer* layer,
                                               BYTE mask)
    : CQarnAction(site, id, true), m_pLayer(layer), m_nMask(mask) {}

void CLayerPropChangeAction::OnDo() {
    if (GetTarget() == nullptr || m_pLayer == nullptr || m_pLayer->GetCanvas() == nullptr) {
        SetSuccess(false);
        return;
    }
    m_nOld = m_pLayer->GetPropW();
    m_nNew = BYTE(m_nOld ^ m_nMask);
    Apply(m_nNew);
    Finish();
}

void CLayerPropChangeAction::Apply(BYTE flags) {
    m_pLayer->SetPropW(flags);
    Qarn::RefreshPages(GetTarget(), m_pLayer->GetCanvas(), Qarn::PageChange::Layers);
}
