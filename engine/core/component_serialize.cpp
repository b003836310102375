// The component's base record, with which every shape record begins.
#include "core/component.h"
#include "core/drawing_limits.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "properties/property.h"

namespace {

// Written at the head of the record; readers take it and do not check it.
constexpr std::uint32_t kRecordMark = 0x00010200;

}  // namespace

void CQarnComponent::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kRecordMark << m_rect << std::uint32_t(m_dwStyle) << m_fRotateAngle
           << std::uint32_t(m_nID) << std::uint32_t(m_dwState) << m_strName
           << std::int32_t(m_nShapeID) << std::uint32_t(0) << std::uint32_t(0);
        ar.WriteObjectList(m_PropList);
        return;
    }
    std::uint32_t mark = 0;
    std::uint32_t style = 0;
    std::uint32_t id = 0;
    std::uint32_t state = 0;
    std::int32_t shapeId = 0;
    std::uint32_t reserved = 0;
    ar >> mark >> m_rect >> style >> m_fRotateAngle >> id >> state >> m_strName >> shapeId >>
        reserved >> reserved;
    m_fRotateAngle = Qarn::SaneAngle(m_fRotateAngle);
    m_dwStyle = style;
    m_nID = id;
    m_dwState = state;
    m_nShapeID = shapeId;
    // Each property is counted as soon as it is attached, so that a failure later in the list
    // releases exactly what this component holds. A property written twice (shared by two
    // components) comes back as the same object with one count per holder.
    ClearAllProperty();
    ar.ReadObjectList(
        RUNTIME_CLASS(CQarnProperty), CArchive::Sharing::Shared,
        [this](CObject* property) { AddProperty(static_cast<CQarnProperty*>(property)); });
    m_ptRotateCenter = GetCenterPointF();
    m_rcBound = GetBoundRect(false);
}
