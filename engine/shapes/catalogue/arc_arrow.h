#pragma once
// A band along an arc of the ellipse inscribed in the frame, centred on its top: the block arc
// without heads, or a circular arrow with a head at either end or both. The kind says which
// ends carry heads (0 none, 1 the start, 2 the end, where the arc ends clockwise, 3 both; any
// other kind none), drawn in the head style of CQarnArrowHead and bent along the arc. The
// stored value is the sweep in degrees (held to 1 to 360 when drawn). It has no free handles.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeArcArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeArcArrow)

public:
    enum Kind : std::uint8_t { kNoHead = 0, kStartHead = 1, kEndHead = 2, kBothHeads = 3 };
    static constexpr std::int32_t kDefaultSweep = 180;

    CQarnShapeArcArrow();
    // The block arc: the upper half of a thick ring, no heads.
    explicit CQarnShapeArcArrow(const RectF& rect);

    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }
    std::uint8_t GetHeadStyle() const { return m_nHead; }
    void SetHeadStyle(std::uint8_t head) { m_nHead = head; }
    std::int32_t GetSweep() const { return m_nSweep; }
    void SetSweep(std::int32_t degrees) { m_nSweep = degrees; }

    void Copy(const CQarnShapeArcArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the kind and the head style (bytes) and the sweep (a 32-bit
    // integer).
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;

private:
    std::uint8_t m_nKind = kNoHead;
    std::uint8_t m_nHead = 0;
    std::int32_t m_nSweep = kDefaultSweep;
};
