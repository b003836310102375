#pragma once
// Arrow heads at the two ends of an open line: a kind and a size for each end.

#include "core/arrow_type.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class GraphicsPath;
class Pen;

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

    // Gives the pen its arrow heads as custom caps: `ends` 0 both ends, 1 the start, 2 the
    // end, anything else none. An end without a head, or with a head of size 0, is left as
    // it is.
    virtual void SetArrowAnchors(Pen* pen, int ends);
    // The outline of a head in head units (the pen width times the head's size): u runs along
    // the line to the tip at u = 0, v across it. Answers the base inset that stops the line
    // inside the head, or a negative value for no head.
    static float HeadOutline(ArrowType type, BYTE size, GraphicsPath* outline);

    void Serialize(CArchive& ar) override;

private:
    BYTE startSize_ = 4;
    BYTE endSize_ = 4;
    ArrowType startArrow_ = ArrowTypeNone;
    ArrowType endArrow_ = ArrowTypeNone;
};
