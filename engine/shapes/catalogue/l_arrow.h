#pragma once
// An arrow bent at a right angle: a leg up the frame's far side (from the X edge) and a leg
// along its far edge (from the Y edge), meeting in a square corner. With kind 1 the up leg
// ends in a head and the other leg is a plain tail; with kind 2 both legs end in heads; with
// kind 0 neither does. The heads are drawn in the head style (CQarnArrowHead).
//
// Free handles: on the frame's Y edge where the up head's first barb lies (the head's width,
// which puts the up leg); where the up head meets its shaft (the shaft's width, the head's
// length). The other leg is the up leg mirrored across the frame's diagonal: the same parts of
// the frame, the other way.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeLArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeLArrow)

public:
    CQarnShapeLArrow();
    // Kind 1, the triangular head; the head over the far half of the width, the shaft an
    // eighth of the width each side of its middle, the head a third of the height long.
    explicit CQarnShapeLArrow(const RectF& rect);

    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }
    std::uint8_t GetHeadStyle() const { return m_nHead; }
    void SetHeadStyle(std::uint8_t head) { m_nHead = head; }

    void Copy(const CQarnShapeLArrow* source);
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
