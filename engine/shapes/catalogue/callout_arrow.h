#pragma once
// An arrow callout: a box for a text with an arrow leaving it. With the orientation flag set
// one arrow leaves the box's Y-edge side (the box fills the rest of the frame); with it clear
// the box lies across the middle and two arrows leave it, one each way.
//
// Free handles: on the frame's X edge where the box begins; on the Y edge where the head's
// barb lies (the head's width); where the head meets its shaft (the shaft's width and the
// head's length).

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeCalloutArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeCalloutArrow)

public:
    CQarnShapeCalloutArrow();
    // One arrow; the box from half the height, the barb a quarter in, the shaft an eighth each
    // side of the middle, the head a quarter of the height long.
    explicit CQarnShapeCalloutArrow(const RectF& rect);

    bool HasOneArrow() const { return m_nOrientation != 0; }
    std::uint8_t GetOrientationFlag() const { return m_nOrientation; }
    // Switching between one and two arrows places the handles for the new layout.
    void SetOrientationFlag(std::uint8_t flag);

    // "ArrowCallout-n" with one arrow, "DoubleArrowCallout-n" with two, while no name is set.
    QString GetName() override;

    void Copy(const CQarnShapeCalloutArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the orientation flag.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    void PlaceHandles();

    std::uint8_t m_nOrientation = 1;
};
