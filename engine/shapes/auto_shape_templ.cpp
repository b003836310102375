#include "shapes/auto_shape_templ.h"

QARN_IMPLEMENT_SERIAL(CQarnAutoShapeTempl, CQarnComponent, 0)

CQarnAutoShapeTempl::CQarnAutoShapeTempl() = default;

CQarnAutoShapeTempl::~CQarnAutoShapeTempl() {
    for (CQarnComponent* c : m_Components) {
        c->Remove();
    }
}

void CQarnAutoShapeTempl::AddComponent(CQarnComponent* component) {
    if (component != nullptr) {
        m_Components.append(component);
    }
}

void CQarnAutoShapeTempl::AddAnchorPoint(const PointF& point, BYTE direction) {
    m_AnchorPoints.append(point);
    m_AnchorDirections.append(direction);
}

void CQarnAutoShapeTempl::Copy(const CQarnAutoShapeTempl* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_nReservedA = source->m_nReservedA;
    m_strTemplateName = source->m_strTemplateName;
    m_nTemplateID = source->m_nTemplateID;
    m_rcText = source->m_rcText;
    m_nStandardAnchors = source->m_nStandardAnchors;
    m_AnchorPoints = source->m_AnchorPoints;
    m_AnchorDirections = source->m_AnchorDirections;
    for (CQarnComponent* c : m_Components) {
        c->Remove();
    }
    m_Components.clear();
    for (CQarnComponent* c : source->m_Components) {
        m_Components.append(c->Clone(nullptr));
    }
}

CQarnComponent* CQarnAutoShapeTempl::Clone(CQarnLayer* layer) {
    auto* clone = new CQarnAutoShapeTempl();
    clone->ClearAllProperty();
    clone->Copy(this);
    (void)layer;
    return clone;
}
