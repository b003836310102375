#pragma once
// A sun: a disc in the middle of the frame and triangular rays around it, their tips on the
// frame's ellipse. The free handle slides along the middle line and sets the disc's radius;
// the rays start a quarter of the way from the disc to the tips.

#include "shapes/shape_base.h"

class CQarnShapeSun : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeSun)

public:
    // The fewest and most rays a sun may have.
    static constexpr int kMinRays = 3;
    static constexpr int kMaxRays = 1024;

    CQarnShapeSun();
    // Eight rays around a disc half the frame wide.
    explicit CQarnShapeSun(const RectF& rect);

    int GetRayCount() const { return m_nCount; }
    // Kept within kMinRays to kMaxRays.
    void SetRayCount(int count);

    void Copy(const CQarnShapeSun* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the number of rays (a 32-bit integer).
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    int m_nCount = 8;
};
