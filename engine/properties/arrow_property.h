#pragma once
// Arrow heads at the two ends of an open line: a kind and a size for each end.

#include "core/arrow_type.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class CQarnArrowProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnArrowProperty)

public:
    CQarnArrowProperty() : CQarnProperty(QARN_PROP_ARROW) {}
    explicit CQarnArrowProperty(unsigned int kind) : CQarnProperty(kind) {}
    CQarnArrowProperty(const CQarnArrowProperty& other);

    CQarnProperty* Clone() const override;
    virtual void Copy(const CQarnArrowProperty* source);

    BYTE GetStartArrowSize() const { return startSize_; }
    void SetStartArrowSize(BYTE size) { startSize_ = size; }
    BYTE GetEndArrowSize() const { return endSize_; }
    void SetEndArrowSize(BYTE size) { endSize_ = size; }
    ArrowType GetStartArrow() const { return startArrow_; }
    void SetStartArrow(ArrowType type) { startArrow_ = type; }
    ArrowType GetEndArrow() const { return endArrow_; }
    void SetEndArrow(ArrowType type) { endArrow_ = type; }

    void Serialize(CArchive& ar) override;

private:
    BYTE startSize_ = 4;
    BYTE endSize_ = 4;
    ArrowType startArrow_ = ArrowTypeNone;
    ArrowType endArrow_ = ArrowTypeNone;
};
