#pragma once
// A star of N points inscribed in the frame's ellipse. Its one free handle slides along the
// middle line from the left edge to the centre and sets how deep the points are cut: at the
// centre the star is a cross of lines, on the edge every vertex lies on the ellipse.
//
// The example every catalogue kind follows: a count of its own fields, the free handles the
// constructor places, the constraint of each, the figures built from frame and handles, and
// the shape ids registered beside the class (star.cpp).

#include "shapes/shape_base.h"

class CQarnShapeStar : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeStar)

public:
    // The fewest and most points a star may have.
    static constexpr int kMinPoints = 1;
    static constexpr int kMaxPoints = 1024;

    CQarnShapeStar();
    // A five-pointed star; its free handle sits where the points are cut 0.41412 deep.
    explicit CQarnShapeStar(const RectF& rect);

    int GetPointCount() const { return m_nCount; }
    // Kept within kMinPoints to kMaxPoints.
    void SetPointCount(int count);

    void Copy(const CQarnShapeStar* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the number of points (a 32-bit integer).
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    int m_nCount = 5;
};
