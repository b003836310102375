#include "properties/property.h"

#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnProperty, CObject, 0)

int CQarnProperty::Remove() {
    int count = --refCount_;
    if (count <= 0) {
        delete this;
    }
    return count;
}

CQarnProperty* CQarnProperty::Clone() const {
    return new CQarnProperty(kind_);
}

// The base record is the kind alone.
void CQarnProperty::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << std::uint32_t(kind_);
    } else {
        std::uint32_t kind = 0;
        ar >> kind;
        kind_ = kind;
    }
}
