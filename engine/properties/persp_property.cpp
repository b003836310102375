#include "properties/persp_property.h"

#include "core/value_archive.h"

QARN_IMPLEMENT_SERIAL(CQarnPerspProperty, CQarnProperty, 0)

CQarnPerspProperty::CQarnPerspProperty(const CQarnPerspProperty& other) : CQarnProperty(other) {
    Copy(&other);
}

CQarnProperty* CQarnPerspProperty::Clone() const {
    auto* clone = new CQarnPerspProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnPerspProperty::Copy(const CQarnPerspProperty* source) {
    if (source == nullptr) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        m_Corners[i] = source->m_Corners[i];
    }
}

void CQarnPerspProperty::Serialize(CArchive& ar) {
    for (PointF& corner : m_Corners) {
        if (ar.IsStoring()) {
            ar << corner;
        } else {
            ar >> corner;
        }
    }
}
