#include "shapes/auto_shape_templ.h"

#include "core/clone_as.h"
#include "core/value_archive.h"
#include "platform/archive.h"

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
    return Qarn::CloneAs(*this, layer);
}

void CQarnAutoShapeTempl::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_Components);
        ar << std::uint32_t(m_nTemplateID) << m_strTemplateName << m_rcText
           << std::int32_t(m_nStandardAnchors) << std::int32_t(m_nDefaultWidth)
           << std::int32_t(m_nDefaultHeight) << std::int32_t(m_nReservedC)
           << std::int32_t(m_nReservedA) << std::int32_t(m_nReservedE)
           << std::int32_t(m_nReservedB);
        ar.WriteCount(quint32(m_AnchorDirections.size()));
        for (BYTE direction : m_AnchorDirections) {
            ar << direction;
        }
        ar.WriteCount(quint32(m_AnchorPoints.size()));
        for (const PointF& p : m_AnchorPoints) {
            ar << p;
        }
        return;
    }
    for (CQarnComponent* c : m_Components) {
        c->Remove();
    }
    m_Components.clear();
    ar.ReadObjectList(RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
                      [this](CObject* c) { m_Components.append(static_cast<CQarnComponent*>(c)); });
    std::uint32_t id = 0;
    std::int32_t standard = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t c = 0;
    std::int32_t a = 0;
    std::int32_t e = 0;
    std::int32_t b = 0;
    ar >> id >> m_strTemplateName >> m_rcText >> standard >> width >> height >> c >> a >> e >> b;
    m_nTemplateID = id;
    m_nStandardAnchors = standard;
    m_nDefaultWidth = width;
    m_nDefaultHeight = height;
    m_nReservedC = c;
    m_nReservedA = a;
    m_nReservedE = e;
    m_nReservedB = b;
    m_AnchorDirections.clear();
    m_AnchorPoints.clear();
    const quint32 directions = ar.ReadCount();
    ar.Require(qint64(directions), "the anchor directions");
    for (quint32 i = 0; i < directions; ++i) {
        BYTE direction = 0;
        ar >> direction;
        m_AnchorDirections.append(direction);
    }
    const quint32 points = ar.ReadCount();
    ar.Require(qint64(points) * 8, "the anchor points");
    for (quint32 i = 0; i < points; ++i) {
        PointF p;
        ar >> p;
        m_AnchorPoints.append(p);
    }
}
