#pragma once
// A parametric shape whose one free handle stands for a proportion of the frame (the bevel's
// inset, the rounded corners, the curves of a double brace). The proportion is kept beside
// the handle as a ratio, and whenever the frame is moved or sized the handle is put back at
// that ratio of the new frame, so a shape made larger keeps its look instead of stretching
// its handle out of range.
//
// Not a kind of its own: the bevel, the rounded-rectangle family and the double brace derive
// from it and say how a ratio and a handle position answer each other.

#include "shapes/shape_base.h"

class CQarnProportionalShape : public CQarnShapeBase {
public:
    // The handle's proportion of the frame.
    double GetAdjustRatio() const { return m_dRatio; }

    int MoveTo(const RectF& rect, MoveFlags flags) override;
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;

    void Copy(const CQarnProportionalShape* source);
    // The shape base record, then the ratio (a 64-bit float).
    void Serialize(CArchive& ar) override;

protected:
    explicit CQarnProportionalShape(double ratio);
    CQarnProportionalShape(const RectF& rect, double ratio);

    // The ratio a handle at the point (within its constraint) stands for.
    virtual double RatioAt(PointF framePoint) const = 0;
    // Where the handle lies for the ratio in the frame as it is, within its constraint.
    virtual PointF HandleAt(double ratio) const = 0;

    // Puts the handle at the kept ratio.
    void PlaceHandle();
    // Puts the handle at the point and keeps the ratio it stands for.
    void PlaceHandleAt(PointF framePoint);

    bool SetAdjustParameter(int parameter, const PointF& framePoint) override;

private:
    double m_dRatio;
};
