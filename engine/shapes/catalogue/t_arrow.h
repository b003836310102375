#pragma once
// An arrow of three arms: up, left and right, the horizontal arms along the frame's far edge.
// Its first free handle, on the frame's Y edge, is where the up head's barb lies (the head's
// width); the second is where that head meets its shaft (the shaft's width and the head's
// length). The horizontal arms take the same parts of the frame's height (and, for the head's
// length, of its width), so the arrow stretches with its frame.

#include <cstdint>

#include "shapes/catalogue/arrow_arms.h"
#include "shapes/shape_base.h"

class CQarnShapeTArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeTArrow)

public:
    CQarnShapeTArrow();
    // The barb a quarter in, the shaft an eighth each side of the middle, the head an eighth
    // of the height long.
    explicit CQarnShapeTArrow(const RectF& rect);

    // The record's own byte, kept as read; the outline does not use it.
    std::uint8_t GetReservedByte() const { return m_nReserved; }
    void SetReservedByte(std::uint8_t value) { m_nReserved = value; }

    void Copy(const CQarnShapeTArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the byte.
    void Serialize(CArchive& ar) override;

protected:
    // The kinds of several arms that follow (the cross and the four-way arrow).
    explicit CQarnShapeTArrow(int freeHandleCount);
    CQarnShapeTArrow(const RectF& rect, int freeHandleCount);

    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    // The arms and their measures, before they are fitted to the frame.
    virtual CQarnArrowArms Arms() const;
    // The up arm's measures as the first two handles set them.
    CQarnArrowArms::Arm UpArm() const;
    // The measures of a horizontal arm that takes the same parts of the frame as the up arm.
    CQarnArrowArms::Arm Stretched(const CQarnArrowArms::Arm& up) const;

private:
    std::uint8_t m_nReserved = 0;
};
