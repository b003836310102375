#include "properties/arrow_property.h"

QARN_IMPLEMENT_SERIAL(CQarnArrowProperty, CQarnProperty, 0)

CQarnArrowProperty::CQarnArrowProperty(const CQarnArrowProperty& other)
    : CQarnProperty(other),
      startSize_(other.startSize_),
      endSize_(other.endSize_),
      startArrow_(other.startArrow_),
      endArrow_(other.endArrow_) {}

CQarnProperty* CQarnArrowProperty::Clone() const {
    auto* clone = new CQarnArrowProperty(GetId());
    clone->Copy(this);
    return clone;
}

void CQarnArrowProperty::Copy(const CQarnArrowProperty* source) {
    if (source == nullptr) {
        return;
    }
    startSize_ = source->startSize_;
    endSize_ = source->endSize_;
    startArrow_ = source->startArrow_;
    endArrow_ = source->endArrow_;
}

void CQarnArrowProperty::Serialize(CArchive&) {}
