#pragma once
// An end of a line drawn as a shape of its own (an arrow head, a dot). The shape is given in
// pen widths in cap space, where the y axis runs along the line out of its end and the end
// point is the origin; the line itself stops the base inset short of the end.

#include "platform/graphics_path.h"
#include "platform/line_cap.h"
#include "platform/status.h"

class CustomLineCap {
public:
    // A fill path, a stroke path, or both (either may be null).
    CustomLineCap(const GraphicsPath* fillPath, const GraphicsPath* strokePath,
                  LineCap baseCap = LineCapFlat, float baseInset = 0.0f);

    CustomLineCap* Clone() const { return new CustomLineCap(*this); }

    const GraphicsPath& GetFillPath() const { return fill_; }
    const GraphicsPath& GetStrokePath() const { return stroke_; }
    LineCap GetBaseCap() const { return baseCap_; }
    Status SetBaseCap(LineCap cap);
    float GetBaseInset() const { return baseInset_; }
    Status SetBaseInset(float inset);
    // The cap's size in pen widths.
    float GetWidthScale() const { return widthScale_; }
    Status SetWidthScale(float scale);
    Status GetLastStatus() const { return lastStatus_; }
    // The same shapes, base cap, inset and scale: the cap draws the same.
    bool SameAs(const CustomLineCap& other) const;

private:
    GraphicsPath fill_;
    GraphicsPath stroke_;
    LineCap baseCap_;
    float baseInset_;
    float widthScale_ = 1.0f;
    Status lastStatus_ = Ok;
};
