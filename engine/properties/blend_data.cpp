#include "properties/blend_data.h"

#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnBlendData, CObject, 0)

void CQarnBlendData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << factor_ << position_;
    } else {
        ar >> factor_ >> position_;
    }
}
