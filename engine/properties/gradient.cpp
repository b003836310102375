#include "properties/gradient.h"

#include "core/conversions.h"
#include "core/value_archive.h"

QARN_IMPLEMENT_SERIAL(CQarnGradient, CObject, 0)

bool CQarnGradient::Equal(const CQarnGradient& other) const {
    return position_ == other.position_ && color_ == other.color_;
}

void CQarnGradient::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << position_ << color_;
    } else {
        ar >> position_ >> color_;
    }
}
