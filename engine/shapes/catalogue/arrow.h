#pragma once
// The straight block arrows: a shaft with a head at one or both ends, in the head styles of
// CQarnArrowHead. The arrow kind says which way the arrow runs and where its heads are; its
// one free handle sits where the (first) head meets the shaft: its distance from the frame's
// X or Y edge along the arrow is the head's length, across the arrow the shaft's edge.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeArrow)

public:
    enum Kind : std::uint8_t {
        kUp = 0,         // one head, at the frame's Y edge
        kLeft = 1,       // one head, at the frame's X edge
        kLeftRight = 2,  // a head at either end, along the width
        kUpDown = 3,     // a head at either end, along the height
        kUpPointer = 4,  // as kUp, with the handle held on the X edge: the body is as wide as
                         // the head
    };

    CQarnShapeArrow();
    // An up arrow with the triangular head; the handle a quarter in from the frame's X and Y.
    explicit CQarnShapeArrow(const RectF& rect);

    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }
    std::uint8_t GetHeadStyle() const { return m_nHead; }
    void SetHeadStyle(std::uint8_t head) { m_nHead = head; }
    // The third byte of the record, kept as read; the outline does not use it.
    std::uint8_t GetReservedByte() const { return m_nReserved; }
    void SetReservedByte(std::uint8_t value) { m_nReserved = value; }

    void Copy(const CQarnShapeArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the kind, the head style and the third byte.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    bool IsVertical() const;
    bool HasTwoHeads() const;

    std::uint8_t m_nKind = kUp;
    std::uint8_t m_nHead = 0;
    std::uint8_t m_nReserved = 0;
};
