#pragma once
// A U-turn arrow: a leg rises beside the frame's X edge, turns over in a half ellipse along the
// Y edge and comes down beside the far side to a head. With kind 2 the rising leg ends in a
// head too, level with the other; with kind 0 neither leg does. The heads are drawn in the head
// style (CQarnArrowHead), each over a quarter of the width.
//
// Its free handle is where the descending head meets its shaft's outer edge: across, the
// shaft's width; down, where the head begins.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeUArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeUArrow)

public:
    CQarnShapeUArrow();
    // Kind 1, the triangular head; the shafts an eighth of the width thick on either side of
    // their axes, the head beginning half-way down.
    explicit CQarnShapeUArrow(const RectF& rect);

    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }
    std::uint8_t GetHeadStyle() const { return m_nHead; }
    void SetHeadStyle(std::uint8_t head) { m_nHead = head; }

    void Copy(const CQarnShapeUArrow* source);
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
