#pragma once
// A regular polygon of N corners inscribed in the frame's ellipse, its first corner at the
// top: the diamond (4), the pentagon (5) and the polygons of 4, 5, 8 and 6 corners.

#include "shapes/shape_base.h"

class CQarnShapeNPolygon : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeNPolygon)

public:
    // The fewest and most corners a polygon may have.
    static constexpr int kMinCorners = 3;
    static constexpr int kMaxCorners = 1024;

    CQarnShapeNPolygon();
    // A diamond until its id sets the corners.
    explicit CQarnShapeNPolygon(const RectF& rect);

    int GetCornerCount() const { return m_nCount; }
    // Kept within kMinCorners to kMaxCorners.
    void SetCornerCount(int count);

    void Copy(const CQarnShapeNPolygon* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the number of corners (a 32-bit integer).
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;

private:
    int m_nCount = 4;
};
