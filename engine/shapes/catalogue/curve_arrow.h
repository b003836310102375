#pragma once
// A curved block arrow: a band that leaves one edge of the frame and sweeps round a quarter of
// an ellipse to a head. The kind says where the head points: 0 right (the band leaves the Y
// edge near the X edge and sweeps down), 1 left (mirrored across the width), 2 up (it leaves
// the X edge near the far edge and sweeps up), 3 down. It has no free handles: the head takes a
// quarter of the frame each way, the band half the head's width.

#include <cstdint>

#include "shapes/shape_base.h"

class CQarnShapeCurveArrow : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeCurveArrow)

public:
    enum Kind : std::uint8_t { kRight = 0, kLeft = 1, kUp = 2, kDown = 3 };

    CQarnShapeCurveArrow();
    explicit CQarnShapeCurveArrow(const RectF& rect);

    // Kinds beyond kDown draw as kRight.
    std::uint8_t GetArrowKind() const { return m_nKind; }
    void SetArrowKind(std::uint8_t kind) { m_nKind = kind; }

    void Copy(const CQarnShapeCurveArrow* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the kind.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;

private:
    std::uint8_t m_nKind = kRight;
};
