#include "properties/tip_property.h"

#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnTipProperty, CQarnProperty, 0)

CQarnProperty* CQarnTipProperty::Clone() const {
    auto* clone = new CQarnTipProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnTipProperty::Copy(const CQarnTipProperty* source) {
    if (source != nullptr) {
        m_strText = source->m_strText;
    }
}

void CQarnTipProperty::Serialize(CArchive& ar) {
    CQarnProperty::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strText;
    } else {
        ar >> m_strText;
    }
}
