#pragma once
// What component editing needs of a label property: its rectangle (the label handle is its
// centre), its bounds and its drawing. The label property implements it.

#include "platform/crect.h"
#include "platform/point_f.h"
#include "platform/rect_f.h"

class Graphics;

class CQarnLabelFacet {
public:
    virtual ~CQarnLabelFacet() = default;

    virtual RectF GetRectF() const = 0;
    virtual void SetRectF(const RectF& rect) = 0;
    virtual CRect GetBoundRect() const = 0;
    virtual void Draw(Graphics* graphics) = 0;
    // Remembers the rectangle as it is when a drag begins.
    virtual void UpdateLastRect() = 0;
    virtual PointF GetCenterPointF() const {
        RectF r = GetRectF();
        return PointF(r.X + r.Width / 2, r.Y + r.Height / 2);
    }
};
