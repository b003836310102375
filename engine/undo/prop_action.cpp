#include "undo/prop_action.h"

#include "core/component.h"
#include "core/property_ids.h"
#include "undo/component_lists.h"

QARN_IMPLEMENT_DYNAMIC(CPropAction, CValueAction)

namespace {

// The frame (1 to 4) and the angle (5) are set on the selected component itself; everything
// else on the members of a selected group too.
bool SetsSelectionItself(UINT id) {
    return id <= QarnPropId::RotateAngle;
}

}  // namespace

CPropAction::CPropAction(CActionSite site, UINT propertyId, const CVariant& value,
                         const ComponentList& selection)
    : CValueAction(
          site, propertyId, Qarn::ExpandComponents(selection),
          CComponentStates::Geometry | CComponentStates::Connections | CComponentStates::Properties,
          propertyId),
      m_nProperty(propertyId),
      m_Value(value),
      m_Targets(SetsSelectionItself(propertyId) ? Qarn::InDocument(site.GetDocument(), selection)
                                                : m_Components) {
    for (CQarnComponent* c : m_Components) {
        m_Ids.push_back(c->GetID());
        m_Names.append(c->GetStoredName());
        m_OwnValues.push_back(IsOwnField() ? c->GetPropValue(m_nProperty) : CVariant());
    }
}

bool CPropAction::IsOwnField() const {
    switch (m_nProperty) {
        case QarnPropId::PolyStyle:
        case QarnPropId::PolyStyleBit8:
        case QarnPropId::ConnectorType:
        case QarnPropId::ConnectorToEdge:
            return true;
        default:
            return false;
    }
}

void CPropAction::ApplyTo(CQarnComponent* component) {
    const RectF frame = component->GetRectF();
    const float angle = component->GetRotateAngle();
    const HRESULT hr = component->SetPropValue(m_Value, m_nProperty);
    if (FAILED(hr)) {
        m_hrResult = hr;
        return;
    }
    // The connectors resting on a component moved by its frame or angle follow it.
    if (m_nProperty <= QarnPropId::Height && !component->GetRectF().Equals(frame)) {
        component->OnPositionChanged(frame, &m_Components, 2);
    } else if (m_nProperty == QarnPropId::RotateAngle && component->GetRotateAngle() != angle) {
        component->OnRotated(angle, &m_Components, 3);
    }
}

void CPropAction::Exchange() {
    CValueAction::Exchange();
    for (int i = 0; i < m_Components.size(); ++i) {
        CQarnComponent* c = m_Components[i];
        const UINT id = c->GetID();
        c->SetID(m_Ids[size_t(i)]);
        m_Ids[size_t(i)] = id;
        const QString name = c->GetStoredName();
        c->SetName(m_Names[i]);
        m_Names[i] = name;
        if (IsOwnField()) {
            const CVariant present = c->GetPropValue(m_nProperty);
            c->SetPropValue(m_OwnValues[size_t(i)], m_nProperty);
            m_OwnValues[size_t(i)] = present;
        }
    }
}
