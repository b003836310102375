#include "properties/arrow_property.h"

#include "platform/archive.h"

QARN_IMPLEMENT_SERIAL(CQarnArrowProperty, CQarnProperty, 0)

CQarnArrowProperty::CQarnArrowProperty(const CQarnArrowProperty& other) = default;

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

// The kind is not stored; each arrow type goes out as one byte, then two reserved words.
void CQarnArrowProperty::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << startSize_ << endSize_ << std::uint8_t(startArrow_) << std::uint8_t(endArrow_)
           << std::uint32_t(0) << std::uint32_t(0);
        return;
    }
    std::uint8_t start = 0;
    std::uint8_t end = 0;
    std::uint32_t reserved = 0;
    ar >> startSize_ >> endSize_ >> start >> end >> reserved >> reserved;
    startArrow_ = ArrowType(start);
    endArrow_ = ArrowType(end);
}
