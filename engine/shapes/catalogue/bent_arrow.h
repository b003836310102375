#pragma once
// An arrow that rises from the frame's far edge beside its X edge, bends round a curved corner
// and runs along the Y edge to a head at the far side. With kind 2 the rising leg also ends
// in a head; with kind 0 neither end has one. The heads are drawn in the head style
// (CQarnArrowHead) and take the upper quarter of the height each side of their axis.
//
// Its free handle is where the head meets the shaft's upper edge: its distance from the X edge
// is where the head begins, from the Y edge where the shaft's edge runs.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeBentArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeBentArrow)

public:
    CQarnShapeBentArrow();
    // Kind 1, the triangular head; the head over the last quarter of the width, the shaft a
    // quarter of the height thick.
    explicit CQarnShapeBentArrow(const RectF& rect);

    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }
    std::uint8_t GetHeadStyle() const { return m_nHead; }
    void SetHeadStyle(std::uint8_t head) { m_nHead = head; }

    void Copy(const CQarnShapeBentArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the kind and the head style.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    std::uint8_t m_nKind = 1;
    std::uint8_t m_nHead = 0;
};
