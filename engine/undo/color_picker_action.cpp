#include "undo/color_picker_action.h"

#include "connectors/connector.h"
#include "core/component.h"
#include "properties/basic_brush_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "undo/action_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CColorPickerAction, CStateAction)

namespace {

CQarnBasicBrushProperty* CopyOf(const CQarnBasicBrushProperty* brush) {
    return brush != nullptr ? static_cast<CQarnBasicBrushProperty*>(brush->Clone()) : nullptr;
}

}  // namespace

CColorPickerAction::CColorPickerAction(CActionSite site, unsigned int id,
                                       const CQarnBasicBrushProperty* brush,
                                       const ComponentList& selection)
    : CStateAction(site, id, Qarn::ExpandComponents(selection),
                   CComponentStates::Geometry | CComponentStates::Properties),
      m_pBrush(CopyOf(brush)) {
    if (m_pBrush != nullptr) {
        m_pBrush->IncreaseRefCount();
    }
}

CColorPickerAction::~CColorPickerAction() {
    if (m_pBrush != nullptr) {
        m_pBrush->Remove();
    }
}

void CColorPickerAction::OnDo() {
    CStateAction::OnDo();
    if (m_pBrush == nullptr) {
        SetSuccess(false);
    }
    if (!IsSuccess()) {
        return;
    }
    Finish();
    for (CQarnComponent* c : m_Components) {
        c->Invalidate(nullptr, false);
        PaintComponent(c);
        c->DropEffectCache();
        c->ResetPath();
        c->Invalidate(nullptr, false);
    }
}

void CColorPickerAction::PaintComponent(CQarnComponent* component) const {
    switch (GetID()) {
        case QarnActionId::PickFill: {
            if (component->IsKindOf(CQarnConnector::ThisClass())) {
                return;
            }
            PropertyList& list = component->GetPropList();
            for (CQarnProperty*& p : list) {
                if (p->GetId() == QARN_PROP_BRUSH) {
                    CQarnBasicBrushProperty* fill = CopyOf(m_pBrush);
                    fill->SetId(QARN_PROP_BRUSH);
                    fill->IncreaseRefCount();
                    p->Remove();
                    p = fill;
                    component->SetFill(true);
                    return;
                }
            }
            return;
        }
        case QarnActionId::PickLine:
            if (CQarnPenProperty* pen = component->GetPenProperty()) {
                pen->SetBrush(CopyOf(m_pBrush));
                component->SetDrawLine(true);
            }
            return;
        case QarnActionId::PickText:
            if (CQarnTextProperty* text = component->GetTextProperty()) {
                text->SetBrush(CopyOf(m_pBrush));
                component->SetDrawText(true);
            }
            return;
        case QarnActionId::PickShadow:
            if (CQarnShadowProperty* shadow = component->GetShadowProperty()) {
                shadow->SetBrushProperty(CopyOf(m_pBrush));
                component->SetDrawShadow(true);
            }
            return;
        default:
            return;
    }
}
